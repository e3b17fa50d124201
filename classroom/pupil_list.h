#pragma once

#include "classroom_task.h"

#include <QString>

#include <vector>

namespace classroom {

// What is wrong with a pasted class list; the texts are in classroom_texts.h.
enum class PupilListProblem {
    None,
    Empty,
    EmptyLine,
    NameMissing, // only an ID on the line
    TooManyColumns,
    TooMany,
    Duplicate,
    NameTooLong,
    NameControlCharacter,
    IdTooLong,
    IdControlCharacter,
};

struct PupilListError {
    PupilListProblem problem = PupilListProblem::None;
    int line = 0;      // 1-based, in the text as pasted
    int firstLine = 0; // Duplicate: where the name came first
};

struct PupilListParse {
    std::vector<Pupil> pupils; // variants 1..N in the list's order
    PupilListError error;
    bool ok() const { return error.problem == PupilListProblem::None; }
};

// One pupil a line, "name" or "name<TAB>id" or "name;id"; at most 99. Two
// columns pasted from a spreadsheet read the same, its quoted cells
// included. Blank lines at the very end are a pasting habit and are
// dropped; any other blank line is refused, since every line is a variant.
PupilListParse parsePupilList(const QString &text);

} // namespace classroom
