#include "task_files.h"

#include "task_code.h"
#include "text_fields.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

QString marker(TaskFileKind kind)
{
    return kind == TaskFileKind::Teacher ? u"gratinglab-teacher"_s : u"gratinglab-task"_s;
}

// What the reader has found wrong so far; the first fault wins.
class Fields {
public:
    explicit Fields(QJsonObject object) : object_(std::move(object)) {}

    QString text(const QJsonObject &object, const QString &key, const QString &where, qsizetype maxLength,
        bool mayBeEmpty)
    {
        const QJsonValue value = object.value(key);
        QString text = value.toString();
        if (!value.isString() || !isPlainField(text, maxLength) || (!mayBeEmpty && text.trimmed().isEmpty()))
            fail(where);
        return text;
    }
    QString text(const QString &key, qsizetype maxLength, bool mayBeEmpty)
    {
        return text(object_, key, key, maxLength, mayBeEmpty);
    }

    std::optional<int> whole(const QJsonValue &value, int low, int high, const QString &where)
    {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number != std::floor(number) || number < low || number > high) {
            fail(where);
            return std::nullopt;
        }
        return int(number);
    }

    void fail(const QString &where)
    {
        if (error_.isEmpty())
            error_ = where;
    }
    const QString &error() const { return error_; }

private:
    QJsonObject object_;
    QString error_;
};

// The lamp's lines differ in whole nm, so the number names the line; -1 for none.
int lineOfNm(int nm)
{
    for (size_t i = 0; i < bench::kLampLines.size(); ++i) {
        if (bench::kLampLines[i].nm == nm)
            return int(i);
    }
    return -1;
}

TaskFileRead failed(FileProblem problem, const QString &detail = {})
{
    TaskFileRead read;
    read.error = {problem, detail};
    return read;
}

} // namespace

std::vector<int> variantLines(const QString &normalisedCode, int variants)
{
    std::vector<int> lines;
    for (int v = 1; v <= variants; ++v)
        lines.push_back(bench::lineOfVariant(normalisedCode, v));
    return lines;
}

QByteArray taskFileBytes(const ClassroomTask &task, TaskFileKind kind)
{
    const bool teacher = kind == TaskFileKind::Teacher;
    QJsonObject object{
        {u"format"_s, marker(kind)},
        {u"format_version"_s, kTaskFileFormatVersion},
        {u"program_version"_s, QStringLiteral(GRATINGLAB_VERSION)},
        {u"title"_s, task.title},
        {u"class"_s, task.form},
        {u"code"_s, task.code},
        {u"variants"_s, task.variants},
    };
    if (teacher)
        object.insert(u"created"_s, task.created.toString(Qt::ISODate));
    QJsonArray pupils;
    for (const Pupil &pupil : task.pupils) {
        QJsonObject entry{{u"variant"_s, pupil.variant}, {u"name"_s, pupil.name}};
        if (teacher)
            entry.insert(u"id"_s, pupil.id);
        pupils.append(entry);
    }
    object.insert(u"pupils"_s, pupils);
    if (teacher) {
        QJsonArray lines;
        for (const int line : variantLines(task.code, task.variants))
            lines.append(bench::kLampLines[size_t(line)].nm);
        object.insert(u"lines"_s, lines);
        if (!task.taskFile.isEmpty()) {
            object.insert(u"task_file"_s, task.taskFile);
            object.insert(u"class_folder"_s, task.classFolder);
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

TaskFileRead parseTaskFile(const QByteArray &bytes, TaskFileKind kind)
{
    if (bytes.size() > kMaxTaskFileBytes)
        return failed(FileProblem::TooLarge);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    const TaskFileKind other = kind == TaskFileKind::Teacher ? TaskFileKind::Pupils : TaskFileKind::Teacher;
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        // Broken JSON is ours, damaged, only if it still carries our marker.
        const bool ours = bytes.contains(marker(kind).toUtf8());
        return failed(ours ? FileProblem::Damaged : FileProblem::NotOurs);
    }
    const QJsonObject object = document.object();
    const QString format = object.value(u"format"_s).toString();
    if (format == marker(other))
        return failed(kind == TaskFileKind::Teacher ? FileProblem::TaskFile : FileProblem::TeacherFile);
    if (format != marker(kind))
        return failed(FileProblem::NotOurs);

    Fields fields(object);
    const auto version = fields.whole(object.value(u"format_version"_s), 1, INT32_MAX, u"format_version"_s);
    if (!version)
        return failed(FileProblem::Damaged, fields.error());
    if (*version > kTaskFileFormatVersion)
        return failed(FileProblem::Newer);
    // Said before any other field: it is what an edited task file lacks.
    if (kind == TaskFileKind::Teacher && !object.contains(u"lines"_s))
        return failed(FileProblem::KeyMissing);

    TaskFileRead read;
    ClassroomTask &task = read.task;
    fields.text(u"program_version"_s, 64, true);
    task.title = fields.text(u"title"_s, kMaxTitleLength, false).trimmed();
    task.form = fields.text(u"class"_s, kMaxFormLength, true).trimmed();
    const QString code = fields.text(u"code"_s, qsizetype{4} * bench::kMaxTaskCodeLength, false);
    if (bench::checkTaskCode(code) != bench::TaskInputError::None)
        fields.fail(u"code"_s);
    task.code = bench::normaliseTaskCode(code);
    if (kind == TaskFileKind::Teacher) {
        task.created = QDate::fromString(object.value(u"created"_s).toString(), Qt::ISODate);
        if (!task.created.isValid())
            fields.fail(u"created"_s);
    }
    task.variants = fields.whole(object.value(u"variants"_s), 1, kMaxVariants, u"variants"_s).value_or(0);

    const QJsonValue list = object.value(u"pupils"_s);
    const QJsonArray pupils = list.toArray();
    if (!list.isArray() || (!pupils.isEmpty() && pupils.size() != task.variants))
        fields.fail(u"pupils"_s);
    QSet<QString> names;
    for (qsizetype i = 0; i < pupils.size() && fields.error().isEmpty(); ++i) {
        const QString where = u"pupils[%1]"_s.arg(i);
        const QJsonObject entry = pupils[i].toObject();
        Pupil pupil;
        // Variants follow the list's order: the key and the pupils' file
        // must never disagree about who has which.
        pupil.variant = fields.whole(entry.value(u"variant"_s), int(i + 1), int(i + 1), where).value_or(0);
        pupil.name = fields.text(entry, u"name"_s, where, bench::kMaxPupilNameLength, false).simplified();
        if (kind == TaskFileKind::Teacher)
            pupil.id = fields.text(entry, u"id"_s, where, kMaxPupilIdLength, true).trimmed();
        if (!pupils[i].isObject() || names.contains(pupilKey(pupil.name)))
            fields.fail(where);
        names.insert(pupilKey(pupil.name));
        task.pupils.push_back(pupil);
    }
    if (kind == TaskFileKind::Teacher && fields.error().isEmpty()) {
        const QJsonValue value = object.value(u"lines"_s);
        const QJsonArray lines = value.toArray();
        const std::vector<int> expected = variantLines(task.code, task.variants);
        if (!value.isArray() || lines.size() != qsizetype(expected.size()))
            fields.fail(u"lines"_s);
        for (qsizetype i = 0; i < lines.size() && fields.error().isEmpty(); ++i) {
            const int line = lineOfNm(fields.whole(lines[i], 1, 10000, u"lines"_s).value_or(0));
            if (line != expected[size_t(i)])
                fields.fail(u"lines"_s);
            task.lines.push_back(line);
        }
    }
    // Files written before the class folder was recorded have neither.
    if (kind == TaskFileKind::Teacher && (object.contains(u"task_file"_s) || object.contains(u"class_folder"_s))) {
        task.taskFile = fields.text(u"task_file"_s, kMaxPathLength, false);
        task.classFolder = fields.text(u"class_folder"_s, kMaxPathLength, false);
    }
    if (!fields.error().isEmpty())
        return failed(FileProblem::Damaged, fields.error());
    return read;
}

TaskFileRead readTaskFile(const QString &path, TaskFileKind kind)
{
    FileError error;
    const auto bytes = readLimited(path, kMaxTaskFileBytes, &error);
    if (!bytes)
        return failed(error.problem, error.detail);
    return parseTaskFile(*bytes, kind);
}

void recordTaskFile(ClassroomTask &task, const QString &taskFile)
{
    const QFileInfo info(taskFile);
    task.taskFile = info.absoluteFilePath();
    task.classFolder = info.absolutePath();
}

QString pupilsFilePath(const QString &teacherFile, const QString &classFolder)
{
    QString name = QFileInfo(teacherFile).fileName();
    const QString suffix = QString::fromUtf16(kTeacherSuffix);
    if (name.endsWith(suffix, Qt::CaseInsensitive))
        name.chop(suffix.size());
    return QDir(classFolder).filePath(name + QString::fromUtf16(kTaskSuffix));
}

} // namespace classroom
