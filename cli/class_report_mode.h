#pragma once

#include "command_line.h"

#include <QString>
#include <QStringList>

#include <optional>

// gratinglab --class-report TEACHER_FILE [--results DIR|FILE]... [--csv F]
//            [--moodle-csv F] [--pdf F]
// The class table without a window: one line per pupil on stdout (UTF-8,
// tab-separated: name, variant, nm, checks, solved 1/0, checks up to the
// first right answer or empty, mark or empty, starts), each file that does not
// count on stderr with its reason, and on request the same table as a
// spreadsheet CSV, Moodle's grade import CSV and an A4 PDF.
struct ClassReportOptions {
    QString teacherFile;
    QStringList places;
    std::optional<QString> csvPath, moodlePath, pdfPath;
};

std::optional<ClassReportOptions> readClassReportOptions(const CommandLine &line, QString *error);

// Under a QGuiApplication: 0 done, files that do not count or not; 2 a
// teacher's file that cannot be read, no place to read results from, or a
// file that cannot be written (then nothing is written, not even to stdout).
int runClassReportMode(const ClassReportOptions &options);
