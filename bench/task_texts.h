#pragma once

// Every text of the classroom task in one place, in the chosen language: the
// window, the dialog, the command line and the answer key take them from
// here. The stored* ones are the Russian source texts the result files keep
// whatever the language, so that one class's files read alike.

#include "task_check.h"
#include "task_code.h"

#include <QString>

namespace bench {

// "натрий, 589 нм": how the lamp is named once it has been measured.
QString lineName(const LampLine &line);
QString storedLineName(const LampLine &line);

// "натрий": the lamp's element as the answer key prints it.
QString elementName(const LampLine &line);

// What the pupil reads below the verdict after a wrong answer; empty for
// TaskHint::None.
QString hintText(TaskHint hint);
QString storedHintText(TaskHint hint);

// Why a typed task is refused: one sentence, in the dialog and after the
// option on the command line.
QString taskInputMessage(TaskInputError error);

// Appended to the window caption.
QString taskCaptionSuffix(int variant);

// In place of the spectrum strip.
QString unknownLampText();

} // namespace bench
