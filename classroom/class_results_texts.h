#pragma once

// Every text of the class results, in the chosen language (the context is
// ClassroomTexts): the table's columns and marks, why a file does not count,
// in the window, the exports and the command line.

#include "class_results.h"
#include "file_read.h"
#include "result_scan.h"

#include <QString>
#include <QStringList>

namespace classroom {

// The table's columns, as the window, the CSV and the report head them.
// The starts came last, after the columns that spreadsheets already read.
enum class ResultColumn {
    Variant,
    Pupil,
    Id,
    Line,
    Checks,
    Solved,
    ChecksToRight,
    FirstRight,
    Hints,
    Mark,
    Note,
    Starts
};
constexpr int kResultColumnCount = int(ResultColumn::Starts) + 1;
QString resultColumnTitle(ResultColumn column);
// A row's cell as the window and the CSV show it.
QString resultCellText(const PupilRow &row, ResultColumn column);

QString pupilStatusText(PupilStatus status);

QString otherTaskReason(const QString &code);
QString variantOutsideReason(int variant, int variants);
QString notOnListReason(const QString &name);
QString noNameReason(int variant, const QString &listed);
QString variantMismatchReason(int variant, const QString &name, int listedVariant);
QString editedReason(bool checksumOk);
QString duplicateReason(const QString &countedFile);
QString divergingReason(const QString &countedFile);
QString readProblemReason(const FileError &error);
QString scanProblemReason(ScanProblem problem, int maxFiles);

// What the command line says when the teacher's file does not name the
// class folder and no --results was given.
QString resultsPlaceMissingMessage();

} // namespace classroom
