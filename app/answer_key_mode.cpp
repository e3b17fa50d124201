#include "answer_key_mode.h"

#include "answer_key_pdf.h"
#include "classroom_texts.h"
#include "key_rows.h"
#include "moodle_xml.h"
#include "save_file.h"
#include "task_files.h"

#include <QFile>

#include <vector>

using namespace Qt::Literals::StringLiterals;

std::optional<AnswerKeyOptions> readAnswerKeyOptions(const CommandLine &line, QString *error)
{
    AnswerKeyOptions options;
    options.teacherFile = line.options.value(u"answer-key"_s).value_or(QString());
    for (const auto &[name, target] :
        {std::pair{u"pdf"_s, &options.pdfPath}, std::pair{u"moodle-xml"_s, &options.moodlePath}}) {
        if (const auto path = line.options.value(name)) {
            if (path->isEmpty()) {
                *error = u"параметру --%1 нужно имя файла"_s.arg(name);
                return std::nullopt;
            }
            *target = *path;
        }
    }
    return options;
}

int runAnswerKeyMode(const AnswerKeyOptions &options)
{
    const classroom::TaskFileRead read = classroom::readTaskFile(options.teacherFile, classroom::TaskFileKind::Teacher);
    if (!read.ok()) {
        QString message = classroom::fileMessage(options.teacherFile, classroom::TaskFileKind::Teacher, read.error);
        if (read.error.problem != classroom::FileProblem::TaskFile)
            message += u" Ключ ответов выдаётся только по файлу учителя (.gratinglab-teacher), который записывают "
                       u"окно учителя и --new-task."_s;
        return refuse(u"--answer-key: "_s + message);
    }
    const auto rows = classroom::keyRows(read.task);
    std::vector<std::pair<QString, QByteArray>> files;
    if (options.pdfPath)
        files.emplace_back(*options.pdfPath, answerKeyPdf(read.task, rows));
    if (options.moodlePath)
        files.emplace_back(*options.moodlePath, classroom::moodleQuizXml(read.task));
    // The files first: if one cannot be written, stdout stays empty, and a
    // file this run made is taken back.
    std::vector<QString> made;
    for (const auto &[path, bytes] : files) {
        const bool existed = QFile::exists(path);
        if (const QString error = classroom::saveFile(path, bytes); !error.isEmpty()) {
            for (const QString &done : made)
                QFile::remove(done);
            return refuse(error);
        }
        if (!existed)
            made.push_back(path);
    }
    printOut(classroom::keyText(rows));
    return 0;
}
