#pragma once

#include "lamp_lines.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace bench {

// A classroom task: the teacher's code and the pupil's variant pick the lamp.
struct Task {
    QString code;    // normalised
    int variant = 1; // 1..99
    QString pupil;   // trimmed, may be empty
    int line = 0;    // index into kLampLines

    const LampLine &lampLine() const { return kLampLines[size_t(line)]; }
};

constexpr int kMaxTaskCodeLength = 32;
constexpr int kMaxVariant = 99;
constexpr int kMaxPupilNameLength = 60;

// What is wrong with a task as typed; the texts are in task_texts.h.
enum class TaskInputError {
    None,
    CodeEmpty,
    CodeTooLong,
    CodeControlCharacter,
    VariantInvalid,
    PupilTooLong,
    PupilControlCharacter,
};

// Characters as a reader counts them: a letter outside the BMP is one.
qsizetype characterCount(const QString &text);
bool hasControlCharacter(const QString &text);

// Trimmed, NFC, upper case, look-alikes folded: «9а», « 9А » and the Latin
// "9A" are one task, and so are «9О», "9O" and "90".
QString normaliseTaskCode(const QString &code);
TaskInputError checkTaskCode(const QString &code);
TaskInputError checkVariant(const QString &variant);
// 1..99 in decimal digits, blanks around allowed.
std::optional<int> variantNumber(const QString &text);
// ASCII digits and nothing else (up to 18 of them), as numbers are typed
// into the task's fields.
std::optional<std::int64_t> decimalDigits(QStringView text);
TaskInputError checkPupilName(const QString &name);

// The task as typed, or the first thing wrong with it.
struct TaskParse {
    Task task;
    TaskInputError error = TaskInputError::None;
};
TaskParse parseTask(const QString &code, const QString &variant, const QString &pupil);

// The variant algorithm; it must give the same lines in every version,
// because teachers keep printed keys.
std::uint64_t taskSeed(const QString &normalisedCode);
std::array<int, kLampLineCount> lampPermutation(std::uint64_t seed);
int lineOfVariant(const QString &normalisedCode, int variant);

} // namespace bench
