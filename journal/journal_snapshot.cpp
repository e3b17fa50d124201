#include "journal_snapshot.h"

#include "bench_state.h"
#include "journal_texts.h"
#include "number_text.h"
#include "task_texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace journal {

namespace {

const QString kFormat = u"gratinglab-journal"_s;
constexpr int kVersion = 1;
constexpr qsizetype kMaxText = 200;
constexpr qsizetype kMaxPath = 4096;
const QString kTimeFormat = u"HH:mm:ss.zzz"_s;

QString damagedField(const QString &key)
{
    return JournalTexts::tr("поле «%1» повреждено").arg(key);
}

// The first thing wrong while reading, kept as the reader goes on.
class Reader {
public:
    QString error;

    QString text(const QJsonObject &o, const QString &key, bool required = true)
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined() && !required)
            return {};
        if (!v.isString() || v.toString().size() > kMaxText)
            fail(damagedField(key));
        return v.toString();
    }

    QString path(const QJsonObject &o, const QString &key)
    {
        const QJsonValue v = o.value(key);
        if (!v.isString() || v.toString().size() > kMaxPath)
            fail(damagedField(key));
        return v.toString();
    }

    qint64 integer(const QJsonObject &o, const QString &key, qint64 min, qint64 max)
    {
        const QJsonValue v = o.value(key);
        const double d = v.toDouble();
        // In range before the cast: a double beyond qint64 has no conversion.
        if (!v.isDouble() || !(d >= double(min) && d <= double(max)) || d != std::trunc(d)) {
            fail(damagedField(key));
            return 0;
        }
        return qint64(d);
    }

    bool flag(const QJsonObject &o, const QString &key)
    {
        if (!o.value(key).isBool())
            fail(damagedField(key));
        return o.value(key).toBool();
    }

    void fail(const QString &why)
    {
        if (error.isEmpty())
            error = why;
    }
};

QJsonObject rowJson(const JournalRow &row, bool inTask)
{
    QJsonObject o{
        {u"time"_s, row.time.toString(kTimeFormat)},
        {u"grating"_s, row.grating},
        {u"order"_s, row.order},
        {u"distance"_s, row.distance},
        {u"answer"_s, row.answer},
        {u"right"_s, row.right},
        // As text: a JSON number is not exact beyond 2^53.
        {u"computed_tenths"_s,
            row.computedTenths && !inTask ? QJsonValue(bench::IntToStr(*row.computedTenths)) : QJsonValue()},
    };
    if (!inTask) {
        o.insert(u"wavelength"_s, row.set.wavelength);
        o.insert(u"line"_s, row.set.line);
    }
    if (const auto &s = row.source) {
        o.insert(u"source"_s,
            QJsonObject{{u"name"_s, s->source}, {u"symbol"_s, s->symbol}, {u"cursor_y"_s, s->cursorY},
                {u"typed_order"_s, s->typedOrder}});
    }
    return o;
}

JournalRow readRow(Reader &r, const QJsonObject &o, const std::optional<TaskProgress> &task)
{
    JournalRow row;
    row.time = QTime::fromString(r.text(o, u"time"_s), kTimeFormat);
    if (!row.time.isValid())
        r.fail(damagedField(u"time"_s));
    row.grating = r.text(o, u"grating"_s);
    row.order = std::int32_t(r.integer(o, u"order"_s, -bench::kMaxOrder, bench::kMaxOrder));
    row.distance = r.text(o, u"distance"_s);
    row.answer = r.text(o, u"answer"_s);
    row.right = r.flag(o, u"right"_s);
    const QJsonValue tenths = o.value(u"computed_tenths"_s);
    if (tenths.isString()) {
        const QString text = tenths.toString();
        const bool negative = text.startsWith(u'-');
        const auto value = bench::decimalDigits(QStringView(text).mid(negative ? 1 : 0));
        if (!value)
            r.fail(damagedField(u"computed_tenths"_s));
        row.computedTenths = negative ? -value.value_or(0) : value.value_or(0);
    } else if (!tenths.isNull()) {
        r.fail(damagedField(u"computed_tenths"_s));
    }
    // Absent in a check made with the slider's one wavelength.
    if (o.contains(u"source"_s)) {
        const QJsonValue v = o.value(u"source"_s);
        if (!v.isObject())
            r.fail(damagedField(u"source"_s));
        const QJsonObject s = v.toObject();
        row.source = SourceRecord{r.text(s, u"name"_s), r.text(s, u"symbol"_s), r.text(s, u"cursor_y"_s),
            r.text(s, u"typed_order"_s)};
    }
    if (task) {
        const bench::LampLine &line = task->task.lampLine();
        row.set = {bench::IntToStr(line.nm), bench::lineName(line), !task->solved, true};
        row.computedTenths.reset();
    } else {
        row.set.wavelength = r.text(o, u"wavelength"_s);
        row.set.line = r.text(o, u"line"_s);
    }
    return row;
}

} // namespace

QByteArray snapshotJson(const JournalSnapshot &snapshot)
{
    QJsonObject o{
        {u"format"_s, kFormat},
        {u"version"_s, kVersion},
        {u"pupil"_s, snapshot.pupil.pupil},
        {u"form"_s, snapshot.pupil.form},
        {u"task_code"_s, snapshot.pupil.taskCode},
        {u"variant"_s, snapshot.pupil.variant},
    };
    if (const auto &t = snapshot.task) {
        o.insert(u"task"_s,
            QJsonObject{{u"code"_s, t->task.code}, {u"variant"_s, t->task.variant}, {u"pupil"_s, t->task.pupil},
                {u"checks"_s, qint64(t->checks)}, {u"solved"_s, t->solved}, {u"task_file"_s, t->taskFile}});
    }
    QJsonArray rows;
    for (const JournalRow &row : snapshot.rows)
        rows.append(rowJson(row, snapshot.task.has_value()));
    o.insert(u"rows"_s, rows);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::variant<JournalSnapshot, QString> readSnapshot(const QByteArray &bytes)
{
    if (bytes.size() > kMaxSnapshotBytes)
        return JournalTexts::tr("файл слишком большой");
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject())
        return JournalTexts::tr("файл повреждён");
    const QJsonObject o = document.object();
    if (o.value(u"format"_s).toString() != kFormat)
        return JournalTexts::tr("это не журнал gratinglab");
    if (!o.value(u"version"_s).isDouble() || o.value(u"version"_s).toDouble() != kVersion)
        return JournalTexts::tr("журнал записан другой версией программы");

    Reader r;
    JournalSnapshot snapshot;
    snapshot.pupil = {r.text(o, u"pupil"_s), r.text(o, u"form"_s), r.text(o, u"task_code"_s), r.text(o, u"variant"_s)};
    if (o.contains(u"task"_s)) {
        const QJsonObject t = o.value(u"task"_s).toObject();
        const bench::TaskParse task = bench::parseTask(r.text(t, u"code"_s),
            bench::IntToStr(r.integer(t, u"variant"_s, 1, bench::kMaxVariant)), r.text(t, u"pupil"_s));
        if (task.error != bench::TaskInputError::None)
            r.fail(bench::taskInputMessage(task.error));
        snapshot.task = TaskProgress{task.task, unsigned(r.integer(t, u"checks"_s, 0, 1'000'000'000)),
            r.flag(t, u"solved"_s), r.path(t, u"task_file"_s)};
    }
    const QJsonArray rows = o.value(u"rows"_s).toArray();
    if (!o.value(u"rows"_s).isArray() || std::size_t(rows.size()) > kMaxSnapshotRows)
        r.fail(damagedField(u"rows"_s));
    for (const auto &row : rows) {
        if (!row.isObject() || !r.error.isEmpty()) {
            r.fail(damagedField(u"rows"_s));
            break;
        }
        snapshot.rows.push_back(readRow(r, row.toObject(), snapshot.task));
    }
    if (!r.error.isEmpty())
        return r.error;
    return snapshot;
}

} // namespace journal
