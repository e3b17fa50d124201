#pragma once

#include "task_code.h"

#include <QString>

#include <vector>

namespace bench {

struct AnswerKeyRow {
    int variant;
    LampLine line;
};

// Variants 1..variants of the task with this normalised code.
std::vector<AnswerKeyRow> answerKey(const QString &normalisedCode, int variants);

// One line per variant, tab-separated: variant, nm, element, symbol.
QString answerKeyText(const std::vector<AnswerKeyRow> &rows);

} // namespace bench
