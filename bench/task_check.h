#pragma once

#include "answer_check.h"

#include <QString>

namespace bench {

// A recognisable slip behind a wrong answer in a task; the texts are in
// task_texts.h.
enum class TaskHint {
    None,
    Units,          // off by a factor of 10 or 100
    NeighbourOrder, // the answer of order k - 1 or k + 1
    CentralMaximum, // order 0 selected: no distance to compute from
    Rounding,       // within 2 % of the line, but not exact
};

struct TaskJudgement {
    bool right = false;
    TaskHint hint = TaskHint::None;
};

// The check of a task: right as the ordinary check judges it, with the
// lamp's wavelength in place of the hidden field; a wrong answer gets the
// first hint that fits, in the order rounding, central maximum, neighbour
// order, units.
TaskJudgement judgeTaskAnswer(const QString &answer, int lineNm, const ShownReadouts &shown,
    const NumberFormat &format);

} // namespace bench
