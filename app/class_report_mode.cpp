#include "class_report_mode.h"

#include "class_report_pdf.h"
#include "class_results.h"
#include "class_results_csv.h"
#include "class_results_texts.h"
#include "classroom_texts.h"
#include "save_file.h"
#include "task_files.h"

#include <QDir>
#include <QFile>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// One cell of a tab-separated line: a name from a pupil's file must not
// split it.
QString cell(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return out;
}

QString tableLine(const classroom::PupilRow &row)
{
    const bool read = row.status != classroom::PupilStatus::NoResult;
    return QStringList{cell(row.name), QString::number(row.variant), QString::number(row.lineNm),
               QString::number(read ? row.judged.checks : 0), row.solved() ? u"1"_s : u"0"_s,
               row.solved() ? QString::number(*row.judged.firstRight) : QString(),
               row.mark ? QString::number(*row.mark) : QString()}
               .join(u'\t')
        + u'\n';
}

} // namespace

std::optional<ClassReportOptions> readClassReportOptions(const CommandLine &line, QString *error)
{
    ClassReportOptions options;
    options.teacherFile = line.options.value(u"class-report"_s).value_or(QString());
    options.places = line.options.values(u"results"_s);
    for (const QString &place : options.places) {
        if (place.isEmpty()) {
            *error = u"параметру --results нужна папка или файл"_s;
            return std::nullopt;
        }
    }
    for (const auto &[name, target] : {std::pair{u"csv"_s, &options.csvPath},
             std::pair{u"moodle-csv"_s, &options.moodlePath}, std::pair{u"pdf"_s, &options.pdfPath}}) {
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

int runClassReportMode(const ClassReportOptions &options)
{
    const classroom::TaskFileRead read = classroom::readTaskFile(options.teacherFile, classroom::TaskFileKind::Teacher);
    if (!read.ok())
        return refuse(u"--class-report: "_s
            + classroom::fileMessage(options.teacherFile, classroom::TaskFileKind::Teacher, read.error));
    // The teacher's file names no class folder: the places come from here only.
    if (options.places.isEmpty())
        return refuse(classroom::resultsPlaceMissingMessage());
    const classroom::ClassroomTask &task = read.task;
    classroom::ResultFileCache cache;
    const classroom::ClassResults results = classroom::readClassResults(task, options.places, cache);

    std::vector<std::pair<QString, QByteArray>> files;
    QStringList leftOut;
    if (options.csvPath)
        files.emplace_back(*options.csvPath, classroom::classResultsCsv(results, true));
    if (options.moodlePath) {
        classroom::MoodleGrades grades = classroom::moodleGradesCsv(task, results);
        files.emplace_back(*options.moodlePath, grades.bytes);
        leftOut = grades.leftOut;
    }
    if (options.pdfPath)
        files.emplace_back(*options.pdfPath, classReportPdf(task, results, true, QDate::currentDate()));
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

    QString out;
    for (const classroom::PupilRow &row : results.rows)
        out += tableLine(row);
    printOut(out);
    for (const classroom::MisfitFile &m : results.misfits)
        printMessage(QDir::toNativeSeparators(m.path) + u": "_s + m.reason, Prefix::None);
    if (!leftOut.isEmpty())
        printMessage(u"в файл для Moodle не вошли (нет адреса или номера в файле учителя либо нет оценки): "_s
            + leftOut.join(u", "_s));
    return 0;
}
