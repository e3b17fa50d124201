#pragma once

#include "classroom_task.h"
#include "lamp_lines.h"

#include <QString>

#include <vector>

namespace classroom {

// One line of the teacher's key.
struct KeyRow {
    int variant;
    QString pupil; // empty without a list
    bench::LampLine line;
};

// The rows of the lines the task holds, as its teacher's file gave them; a
// task without them has no key.
std::vector<KeyRow> keyRows(const ClassroomTask &task);

// One line per variant, tab-separated: variant, pupil, nm, element, symbol.
QString keyText(const std::vector<KeyRow> &rows);

} // namespace classroom
