#include "answer_key_mode.h"

#include "answer_key_pdf.h"
#include "classroom_texts.h"
#include "cli_texts.h"
#include "key_rows.h"
#include "moodle_xml.h"
#include "save_file.h"
#include "task_files.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

std::optional<AnswerKeyOptions> readAnswerKeyOptions(const CommandLine &line, QString *error)
{
    AnswerKeyOptions options;
    options.teacherFile = line.options.value(u"answer-key"_s).value_or(QString());
    if (!readFileNames(line.options, {{u"pdf"_s, &options.pdfPath}, {u"moodle-xml"_s, &options.moodlePath}}, error))
        return std::nullopt;
    return options;
}

int runAnswerKeyMode(const AnswerKeyOptions &options)
{
    const classroom::TaskFileRead read = classroom::readTaskFile(options.teacherFile, classroom::TaskFileKind::Teacher);
    if (!read.ok()) {
        QString message = classroom::fileMessage(options.teacherFile, classroom::TaskFileKind::Teacher, read.error);
        if (read.error.problem != classroom::FileProblem::TaskFile
            && read.error.problem != classroom::FileProblem::KeyMissing)
            message = CliText::tr(
                "%1 Ключ ответов выдаётся только по файлу учителя (.gratinglab-teacher), который записывают "
                "окно учителя и --new-task.")
                          .arg(message);
        return refuse(u"--answer-key: "_s + message);
    }
    const auto rows = classroom::keyRows(read.task);
    std::vector<std::pair<QString, QByteArray>> files;
    if (options.pdfPath)
        files.emplace_back(*options.pdfPath, answerKeyPdf(read.task, rows));
    if (options.moodlePath)
        files.emplace_back(*options.moodlePath, classroom::moodleQuizXml(read.task));
    // The files first: if one cannot be written, stdout stays empty.
    if (const QString error = classroom::saveFiles(files); !error.isEmpty())
        return saveFailed(error);
    printOut(classroom::keyText(rows));
    return 0;
}
