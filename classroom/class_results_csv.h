#pragma once

#include "class_results.h"
#include "classroom_task.h"

#include <QByteArray>
#include <QStringList>

namespace classroom {

// The class table for Excel or LibreOffice Calc: UTF-8 with a byte-order
// mark (so that Cyrillic comes out right), «;» between cells, a decimal
// comma, fields quoted as RFC 4180 asks, lines ended with CR LF, a header
// row, then one row per pupil. Without marks the mark column is left out.
QByteArray classResultsCsv(const ClassResults &results, bool withMarks);

// The marks for Moodle's grade import (Оценки → Импорт → CSV-файл): UTF-8
// without a byte-order mark, «,» between cells, a decimal point, a header
// row of distinct names and the same number of cells on every row. The
// importer finds each user by the column chosen under "Map from" and stops
// at the first row it cannot match (a row with that cell empty takes the
// row before's user), so only pupils with an ID and a mark are written.
struct MoodleGrades {
    QByteArray bytes;
    QStringList leftOut; // pupils without an ID or without a mark
};
MoodleGrades moodleGradesCsv(const ClassroomTask &task, const ClassResults &results);

// The grade item's name in that file: the task's title and code.
QString moodleGradeItemName(const ClassroomTask &task);

} // namespace classroom
