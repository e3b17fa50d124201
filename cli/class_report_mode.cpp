#include "class_report_mode.h"

#include "class_report_pdf.h"
#include "class_results.h"
#include "class_results_csv.h"
#include "class_results_texts.h"
#include "classroom_texts.h"
#include "cli_texts.h"
#include "save_file.h"
#include "task_files.h"

#include <QDir>
#include <QThread>

#include <algorithm>
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
               row.mark ? QString::number(*row.mark) : QString(), QString::number(read ? row.starts : 0)}
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
            *error = CliText::tr("параметру --results нужна папка или файл");
            return std::nullopt;
        }
    }
    if (!readFileNames(line.options,
            {{u"csv"_s, &options.csvPath}, {u"moodle-csv"_s, &options.moodlePath}, {u"pdf"_s, &options.pdfPath}},
            error))
        return std::nullopt;
    return options;
}

int runClassReportMode(const ClassReportOptions &options)
{
    const classroom::TaskFileRead read = classroom::readTaskFile(options.teacherFile, classroom::TaskFileKind::Teacher);
    if (!read.ok())
        return refuse(u"--class-report: "_s
            + classroom::fileMessage(options.teacherFile, classroom::TaskFileKind::Teacher, read.error));
    // Without --results, the class folder the teacher's file names.
    const QStringList places = !options.places.isEmpty() ? options.places
        : !read.task.classFolder.isEmpty()
        ? QStringList{read.task.classFolder}
        : QStringList();
    if (places.isEmpty())
        return refuse(classroom::resultsPlaceMissingMessage());
    const classroom::ClassroomTask &task = read.task;
    classroom::ResultFileCache cache;
    classroom::ClassResults results = classroom::readClassResults(task, places, cache);
    // A share's client may hand back a file being replaced at its old size,
    // cut short; once its cache of sizes has expired (a second), a file that
    // changed meanwhile is read again. A file that is really damaged costs
    // the report that second.
    const bool mayBeCut = std::any_of(results.misfits.begin(), results.misfits.end(),
        [](const auto &m) { return m.why == classroom::Misfit::NotOurs || m.why == classroom::Misfit::Damaged; });
    if (mayBeCut) {
        QThread::msleep(1200);
        results = classroom::readClassResults(task, places, cache);
    }

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
    // The files first: if one cannot be written, stdout stays empty.
    if (const QString error = classroom::saveFiles(files); !error.isEmpty())
        return saveFailed(error);

    QString out;
    for (const classroom::PupilRow &row : results.rows)
        out += tableLine(row);
    printOut(out);
    for (const classroom::MisfitFile &m : results.misfits)
        printMessage(QDir::toNativeSeparators(m.path) + u": "_s + m.reason, Prefix::None);
    // A place that could not be read at all may hide any pupil's results:
    // the table above is not the class's.
    const bool placeLost = std::any_of(results.misfits.begin(), results.misfits.end(),
        [](const classroom::MisfitFile &m) {
        return m.why == classroom::Misfit::Missing || m.why == classroom::Misfit::PlaceUnreadable;
    });
    if (!leftOut.isEmpty())
        printMessage(
            CliText::tr("в файл для Moodle не вошли (нет адреса или номера в файле учителя либо нет оценки): %1")
                .arg(leftOut.join(u", "_s)));
    return placeLost ? 1 : 0;
}
