#pragma once

#include "number_text.h"

#include <QString>

namespace bench {

// Why an answer in a task is wrong; the texts are in task_texts.h.
enum class TaskHint {
    None,
    OffTheLine,   // the cursor stands on no maximum of the line
    Arithmetic,   // it does, but the answer is not what d, y and k give
    OrderMissing, // no order from 1 to 8 typed
    WrongOrder,   // the cursor stands on the line's maximum of another order
    Rounding,     // within 2 nm of what d, y and k give, but not rounded from it
};

struct TaskJudgement {
    bool right = false;
    TaskHint hint = TaskHint::None;
};

// What a task's check is judged from, as the pupil's screen showed it and
// the result file records it.
struct TaskReadouts {
    QString grating;  // Ed_d, 1e-5 m
    QString distance; // Ed_ym: the cursor's read-out, cm
    int order = 0;    // Ed_k as typed, 0 when it is no order from 1 to 8
};

// The lamp's check with the task's hidden line as its only feature: the
// cursor must stand on the line's maximum of the typed order, and the answer
// be one of formulaAnswers() from the read-outs (the small-angle or the exact
// formula, rounded down or up). With one line a cursor on another order's
// maximum can only mean a wrong k, and an answer within 2 nm of either
// formula's lambda only a rounding slip; those get their own hints.
// Judged from the texts alone, so the pupil's program, the journal and the
// teacher's program give one verdict.
TaskJudgement judgeTaskAnswer(const QString &answer, const TaskReadouts &shown, int lineNm, const NumberFormat &format);

} // namespace bench
