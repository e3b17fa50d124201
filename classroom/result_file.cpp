#include "result_file.h"

#include "bench_state.h"
#include "number_text.h"
#include "task_code.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

#include <algorithm>
#include <cmath>

#ifndef GRATINGLAB_VERSION
#define GRATINGLAB_VERSION "unknown"
#endif

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

const QString kFormat = u"gratinglab-result"_s;
const QString kChecksum = u"sha256"_s;
const QString kTimeFormat = u"yyyy-MM-ddTHH:mm:ss"_s;

// The checksum covers the compact form of every other field; Qt writes an
// object's keys sorted, so the same content always gives the same bytes.
QByteArray checksumOf(QJsonObject o)
{
    o.remove(kChecksum);
    return QCryptographicHash::hash(QJsonDocument(o).toJson(QJsonDocument::Compact), QCryptographicHash::Sha256)
        .toHex();
}

// kTimeFormat read back by hand: QDateTime::fromString takes longer than the
// rest of a check's reading together, and a class's table reads thousands.
QDateTime timeOf(QStringView text)
{
    const auto number = [&](qsizetype from, qsizetype length) {
        int n = 0;
        for (const QChar c : text.mid(from, length)) {
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c.unicode() - u'0');
        }
        return n;
    };
    if (text.size() != 19 || text[4] != u'-' || text[7] != u'-' || text[10] != u'T' || text[13] != u':'
        || text[16] != u':')
        return {};
    const int y = number(0, 4), mo = number(5, 2), d = number(8, 2), h = number(11, 2), m = number(14, 2),
              s = number(17, 2);
    // A year of -1 is a valid QDate: every part must have been digits.
    const QDate date(y, mo, d);
    if (std::min({y, mo, d, h, m, s}) < 0 || !date.isValid() || !QTime::isValid(h, m, s))
        return {};
    return QDateTime(date, QTime(h, m, s));
}

// Reads fields and keeps the first thing wrong.
struct FieldReader {
    QString wrongField;

    QString text(const QJsonObject &o, const QString &key)
    {
        const QJsonValue v = o.value(key);
        if (!v.isString() || v.toString().size() > kMaxResultText)
            fail(key);
        return v.toString();
    }
    int integer(const QJsonObject &o, const QString &key, int min, int max)
    {
        // In range before the cast: a double beyond int is undefined as one.
        const double d = o.value(key).toDouble(double(min) - 1);
        if (!o.value(key).isDouble() || d < min || d > max || d != std::floor(d)) {
            fail(key);
            return min;
        }
        return int(d);
    }
    void fail(const QString &key)
    {
        if (wrongField.isEmpty())
            wrongField = key;
    }
};

} // namespace

QByteArray resultFileBytes(const ResultFile &result)
{
    QJsonArray checks;
    for (const ResultCheck &c : result.checks) {
        checks.append(
            QJsonObject{{u"time"_s, c.time.toString(kTimeFormat)}, {u"grating"_s, c.grating}, {u"order"_s, c.order},
                {u"distance"_s, c.distance}, {u"answer"_s, c.answer}, {u"verdict"_s, c.verdict}, {u"hint"_s, c.hint}});
    }
    QJsonObject o{{u"format"_s, kFormat}, {u"version"_s, kResultFileFormatVersion},
        {u"program"_s, result.program.isEmpty() ? QStringLiteral(GRATINGLAB_VERSION) : result.program},
        {u"code"_s, result.code}, {u"variant"_s, result.variant}, {u"pupil"_s, result.pupil}, {u"class"_s, result.form},
        {u"decimal_mark"_s, QString(result.decimalMark)}, {u"checks"_s, checks}};
    // Without starts the file reads as the files before the list: one start.
    if (!result.starts.empty()) {
        QJsonArray starts;
        for (const QDateTime &start : result.starts)
            starts.append(start.toString(kTimeFormat));
        o.insert(u"starts"_s, starts);
    }
    o.insert(kChecksum, QString::fromLatin1(checksumOf(o)));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

ResultFileRead parseResultFile(const QByteArray &bytes)
{
    if (bytes.size() > kMaxResultFileBytes)
        return ResultFileRead::refused(FileProblem::TooLarge);
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject())
        return ResultFileRead::refused(FileProblem::NotOurs);
    const QJsonObject o = document.object();
    if (o.value(u"format"_s).toString() != kFormat)
        return ResultFileRead::refused(FileProblem::NotOurs);
    const QJsonValue version = o.value(u"version"_s);
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        return ResultFileRead::refused(FileProblem::Damaged, u"version"_s);
    if (version.toDouble() > kResultFileFormatVersion)
        return ResultFileRead::refused(FileProblem::Newer);

    FieldReader f;
    ResultFileRead read;
    ResultFile &r = read.result;
    r.program = f.text(o, u"program"_s);
    r.code = f.text(o, u"code"_s);
    if (f.wrongField.isEmpty()
        && (bench::checkTaskCode(r.code) != bench::TaskInputError::None || bench::normaliseTaskCode(r.code) != r.code))
        f.fail(u"code"_s);
    r.variant = f.integer(o, u"variant"_s, 1, bench::kMaxVariant);
    r.pupil = f.text(o, u"pupil"_s);
    r.form = f.text(o, u"class"_s);
    const QString mark = f.text(o, u"decimal_mark"_s);
    // The pupil's locale chose the mark; one no locale uses is not ours.
    if (mark.size() != 1 || !bench::isLocaleDecimalSeparator(mark.front()))
        f.fail(u"decimal_mark"_s);
    r.decimalMark = mark.isEmpty() ? QChar(u',') : mark.front();
    const QJsonValue checks = o.value(u"checks"_s);
    if (!checks.isArray() || std::size_t(checks.toArray().size()) > kMaxResultChecks)
        f.fail(u"checks"_s);
    for (const auto &value : checks.toArray()) {
        if (!f.wrongField.isEmpty())
            break;
        if (!value.isObject()) {
            f.fail(u"checks"_s);
            break;
        }
        const QJsonObject c = value.toObject();
        ResultCheck check;
        check.time = timeOf(f.text(c, u"time"_s));
        if (!check.time.isValid())
            f.fail(u"time"_s);
        check.grating = f.text(c, u"grating"_s);
        check.order = f.integer(c, u"order"_s, -bench::kMaxOrder, bench::kMaxOrder);
        check.distance = f.text(c, u"distance"_s);
        check.answer = f.text(c, u"answer"_s);
        check.verdict = f.text(c, u"verdict"_s);
        check.hint = f.text(c, u"hint"_s);
        r.checks.push_back(check);
    }
    const QJsonValue starts = o.value(u"starts"_s);
    if (!starts.isUndefined() && (!starts.isArray() || std::size_t(starts.toArray().size()) > kMaxResultStarts))
        f.fail(u"starts"_s);
    for (const auto &value : starts.toArray()) {
        r.starts.push_back(timeOf(value.toString()));
        if (!value.isString() || !r.starts.back().isValid()) {
            f.fail(u"starts"_s);
            break;
        }
    }
    if (r.starts.empty() && !r.checks.empty())
        r.starts.push_back(r.checks.front().time);
    const QJsonValue checksum = o.value(kChecksum);
    if (!checksum.isString())
        f.fail(kChecksum);
    if (!f.wrongField.isEmpty())
        return ResultFileRead::refused(FileProblem::Damaged, f.wrongField);
    read.checksumOk = checksum.toString().toLatin1() == checksumOf(o);
    return read;
}

bool checksContinue(const ResultFile &earlier, const ResultFile &later)
{
    return earlier.checks.size() <= later.checks.size()
        && std::equal(earlier.checks.begin(), earlier.checks.end(), later.checks.begin());
}

ResultFileRead readResultFile(const QString &path)
{
    FileError error;
    const auto bytes = readLimited(path, kMaxResultFileBytes, &error);
    if (!bytes)
        return ResultFileRead::refused(error.problem, error.detail);
    return parseResultFile(*bytes);
}

QString resultFileName(const ResultFile &result, const QString &computerMark)
{
    // Letters (Cyrillic too) and digits stay; everything a share or a shell
    // might read otherwise becomes "_". The fixed parts keep the name short
    // of every reserved device name (CON, NUL, ...).
    const auto safe = [](const QString &text, qsizetype length) {
        QString out;
        for (const QChar c : text.left(length))
            out += c.isLetterOrNumber() && c.unicode() < 0x0500 ? c : u'_';
        return out;
    };
    QString name = safe(result.code, 32) + u'-' + QString::number(result.variant).rightJustified(2, u'0');
    if (!result.pupil.trimmed().isEmpty())
        name += u'-' + safe(result.pupil.trimmed(), 40);
    return name + u'-' + safe(computerMark, 16) + QString::fromUtf16(kResultSuffix);
}

QString thisComputerMark()
{
    const QByteArray seed = QSysInfo::machineUniqueId() + '/' + QSysInfo::machineHostName().toUtf8() + '/'
        + qgetenv("USER") + qgetenv("USERNAME");
    return QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha256).toHex().left(6));
}

} // namespace classroom
