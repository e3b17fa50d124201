#include "new_task_mode.h"

#include "classroom_texts.h"
#include "cli_texts.h"
#include "file_read.h"
#include "new_task.h"
#include "save_file.h"
#include "task_code.h"
#include "task_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

namespace {

// A list saved by a spreadsheet or a text editor: UTF-8, with or without
// its byte-order mark. Far more than 99 names and IDs.
constexpr qint64 kMaxListBytes = qint64{256} * 1024;

bool readList(const QString &path, QString *text, QString *error)
{
    classroom::FileError fileError;
    const auto bytes = classroom::readLimited(path, kMaxListBytes, &fileError);
    if (!bytes) {
        *error = fileError.problem == classroom::FileProblem::TooLarge
            ? CliText::tr("--pupils «%1»: файл слишком большой для списка класса").arg(path)
            : CliText::tr("--pupils: не удалось прочитать файл «%1»: %2").arg(path, fileError.detail);
        return false;
    }
    QStringDecoder decode(QStringDecoder::Utf8);
    *text = decode(*bytes);
    if (decode.hasError()) {
        *error = CliText::tr("--pupils «%1»: список должен быть в кодировке UTF-8").arg(path);
        return false;
    }
    return true;
}

} // namespace

std::optional<NewTaskOptions> readNewTaskOptions(const CommandLine &line, classroom::RandomSource &random,
    QString *error)
{
    NewTaskOptions options;
    options.teacherFile = line.options.value(u"new-task"_s).value_or(QString());
    const auto folder = line.options.value(u"class-folder"_s);
    const auto list = line.options.value(u"pupils"_s);
    const auto variants = line.options.value(u"variants"_s);
    if (options.teacherFile.isEmpty()) {
        *error = CliText::tr("параметру --new-task нужно имя файла учителя");
        return std::nullopt;
    }
    if (!folder) {
        *error = CliText::tr("--new-task: нужна --class-folder ПАПКА — папка класса для файла задания");
        return std::nullopt;
    }
    if (!QFileInfo(*folder).isDir()) {
        *error = CliText::tr("--class-folder: папки «%1» нет").arg(*folder);
        return std::nullopt;
    }
    if (list.has_value() == variants.has_value()) {
        *error = CliText::tr("--new-task: нужен либо --pupils СПИСОК, либо --variants N");
        return std::nullopt;
    }
    classroom::NewTaskInput input;
    if (list) {
        QString text;
        if (!readList(*list, &text, error))
            return std::nullopt;
        input.pupils = text;
    } else {
        const auto n = bench::variantNumber(*variants);
        if (!n) {
            *error = CliText::tr("--variants: нужно целое число от 1 до 99, а не «%1»").arg(*variants);
            return std::nullopt;
        }
        input.variants = *n;
    }
    input.title = line.options.value(u"title"_s).value_or(classroom::defaultTaskTitle());
    input.form = line.options.value(u"class"_s).value_or(QString());
    input.code = classroom::proposeBoardCode(random);
    input.created = QDate::currentDate();
    const classroom::NewTask made = classroom::makeNewTask(input);
    if (!made.task) {
        using Field = classroom::NewTask::Field;
        const QString option = made.field == Field::Title ? u"--title"_s
            : made.field == Field::Form
            ? u"--class"_s
            : u"--pupils «%1»"_s.arg(list.value_or(QString()));
        *error = option + u": "_s + made.error;
        return std::nullopt;
    }
    options.task = *made.task;
    options.taskFile = classroom::pupilsFilePath(options.teacherFile, *folder);
    classroom::recordTaskFile(options.task, options.taskFile);
    // A teacher's file is the only key to a task already handed out: a new
    // task never takes its place, nor the pupils' file of another task.
    for (const QString &path : {options.teacherFile, options.taskFile}) {
        if (const QFileInfo folder(QFileInfo(path).absolutePath()); !folder.isDir()) {
            *error = CliText::tr("папки «%1» нет").arg(QDir::toNativeSeparators(folder.filePath()));
            return std::nullopt;
        }
        if (QFileInfo::exists(path)) {
            *error = CliText::tr("файл «%1» уже есть; новое задание его не заменяет — выберите другое имя").arg(path);
            return std::nullopt;
        }
    }
    return options;
}

int runNewTaskMode(const NewTaskOptions &options)
{
    using classroom::TaskFileKind;
    // Both files or neither: the code is printed only once both are whole.
    if (const QString error = classroom::saveFiles(
            {{options.teacherFile, classroom::taskFileBytes(options.task, TaskFileKind::Teacher)},
                {options.taskFile, classroom::taskFileBytes(options.task, TaskFileKind::Pupils)}});
        !error.isEmpty())
        return saveFailed(error);
    printOut(options.task.code + u'\n');
    return 0;
}
