#pragma once

#include "lamp_lines.h"
#include "result_file.h"

#include <QString>

#include <optional>

namespace classroom {

// A pupil's result file judged again, check by check, from the read-outs it
// recorded: the key's line of the variant and the bench's own task rule
// decide, never the verdicts written in the file.
struct JudgedResult {
    int checks = 0;
    std::optional<int> firstRight; // 1-based: the checks up to the first right answer
    QString firstRightAnswer;      // as typed
    int hintsSeen = 0;             // wrong answers that got a hint
    // Every recorded verdict and hint is the one the program shows for that
    // check; false for a file edited by hand (or written by a program that
    // judges otherwise).
    bool agrees = true;

    friend bool operator==(const JudgedResult &, const JudgedResult &) = default;
};

JudgedResult judgeResult(const ResultFile &result, const bench::LampLine &line);

} // namespace classroom
