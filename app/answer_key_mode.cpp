#include "answer_key_mode.h"

#include "answer_key.h"
#include "answer_key_pdf.h"
#include "task_texts.h"

#include <QSaveFile>

#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kAnswerKey = u"--answer-key"_s;
const QString kVariants = u"--variants"_s;
const QString kPdf = u"--pdf"_s;
constexpr int kDefaultVariants = 30;

struct KeyOptions {
    QString code; // normalised
    int variants = kDefaultVariants;
    std::optional<QString> pdfPath;
};

int refuse(const QString &line)
{
    std::fputs((u"gratinglab: "_s + line + u'\n').toUtf8().constData(), stderr);
    return 2;
}

std::optional<KeyOptions> parse(const QStringList &arguments, QString *error)
{
    KeyOptions options;
    QStringList seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (name != kAnswerKey && name != kVariants && name != kPdf) {
            *error = u"unexpected argument '%1' with --answer-key (see --help)"_s.arg(arg);
            return std::nullopt;
        }
        if (seen.contains(name)) {
            *error = u"option %1 given more than once"_s.arg(name);
            return std::nullopt;
        }
        seen.append(name);
        if (eq < 0 && i + 1 >= arguments.size()) {
            *error = u"option %1 needs a value"_s.arg(name);
            return std::nullopt;
        }
        const QString value = eq >= 0 ? arg.mid(eq + 1) : arguments[++i];
        if (name == kAnswerKey) {
            if (const auto wrong = bench::checkTaskCode(value); wrong != bench::TaskInputError::None) {
                *error = u"%1 '%2': %3"_s.arg(name, value, bench::taskInputMessage(wrong));
                return std::nullopt;
            }
            options.code = bench::normaliseTaskCode(value);
        } else if (name == kVariants) {
            const auto n = bench::variantNumber(value);
            if (!n) {
                *error = u"--variants must be a whole number from 1 to 99, not '%1'"_s.arg(value);
                return std::nullopt;
            }
            options.variants = *n;
        } else if (value.isEmpty()) {
            *error = u"option --pdf needs a file name"_s;
            return std::nullopt;
        } else {
            options.pdfPath = value;
        }
    }
    return options;
}

} // namespace

bool wantsAnswerKeyMode(const QStringList &arguments)
{
    for (const QString &arg : arguments) {
        if (arg == kAnswerKey || arg.startsWith(kAnswerKey + u'='))
            return true;
    }
    return false;
}

int runAnswerKeyMode(const QStringList &arguments)
{
    QString error;
    const auto options = parse(arguments, &error);
    if (!options)
        return refuse(error);
    const auto rows = bench::answerKey(options->code, options->variants);
    if (options->pdfPath) {
        // The PDF first: if it cannot be written, stdout stays empty too.
        QSaveFile file(*options->pdfPath);
        if (!file.open(QIODevice::WriteOnly))
            return refuse(u"cannot write '%1': %2"_s.arg(*options->pdfPath, file.errorString()));
        file.write(answerKeyPdf(options->code, rows));
        if (!file.commit())
            return refuse(u"cannot write '%1': %2"_s.arg(*options->pdfPath, file.errorString()));
    }
    const QByteArray text = bench::answerKeyText(rows).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
    return 0;
}
