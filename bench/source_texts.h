#pragma once

// The Russian texts of the light sources and the measuring cursor, in one
// place: the window, the reading, the journal and the command line take
// them from here. The sources' own names are in light_source.h.

#include "light_source.h"
#include "source_check.h"

#include <QString>

namespace bench {

// What is named after a right answer: «ртуть, 546 нм», «красная граница спектра».
QString featureName(LightSource source, int nm);

// Below the verdict after a wrong answer; empty for SourceHint::None.
QString sourceHintText(SourceHint hint);

// Where the strip was, with a lamp: «Ртутная лампа».
QString lampLabelText(LightSource source);

// The cursor's accessible name, and its read-out as a screen reader says it.
QString cursorName();
QString cursorReading(const QString &distanceText);

// The source control's accessible name, its title.
QString sourceControlName();

} // namespace bench
