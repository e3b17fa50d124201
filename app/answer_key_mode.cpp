#include "answer_key_mode.h"

#include "answer_key.h"
#include "answer_key_pdf.h"
#include "task_texts.h"

#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

std::optional<AnswerKeyOptions> readAnswerKeyOptions(const CommandLine &line, QString *error)
{
    AnswerKeyOptions options;
    const QString code = line.options.value(u"answer-key"_s).value_or(QString());
    if (const auto wrong = bench::checkTaskCode(code); wrong != bench::TaskInputError::None) {
        *error = u"--answer-key «%1»: %2"_s.arg(code, bench::taskInputMessage(wrong));
        return std::nullopt;
    }
    options.code = bench::normaliseTaskCode(code);
    if (const auto value = line.options.value(u"variants"_s)) {
        const auto n = bench::variantNumber(*value);
        if (!n) {
            *error = u"--variants: нужно целое число от 1 до 99, а не «%1»"_s.arg(*value);
            return std::nullopt;
        }
        options.variants = *n;
    }
    if (const auto pdf = line.options.value(u"pdf"_s)) {
        if (pdf->isEmpty()) {
            *error = u"параметру --pdf нужно имя файла"_s;
            return std::nullopt;
        }
        options.pdfPath = *pdf;
    }
    return options;
}

int runAnswerKeyMode(const AnswerKeyOptions &options)
{
    const auto rows = bench::answerKey(options.code, options.variants);
    if (options.pdfPath) {
        // The PDF first: if it cannot be written, stdout stays empty too.
        QSaveFile file(*options.pdfPath);
        if (!file.open(QIODevice::WriteOnly))
            return refuse(cannotWrite(*options.pdfPath, file.errorString()));
        file.write(answerKeyPdf(options.code, rows));
        if (!file.commit())
            return refuse(cannotWrite(*options.pdfPath, file.errorString()));
    }
    printOut(bench::answerKeyText(rows));
    return 0;
}
