#pragma once

// The texts of the light sources and the measuring cursor, in one place and
// in the chosen language: the window, the reading, the journal and the
// command line take them from here. light_source.h keeps the sources'
// Russian names as keys; sourceName() is what the interface shows.

#include "light_source.h"
#include "source_check.h"

#include <QString>

namespace bench {

// What is named after a right answer: «ртуть, 546 нм», «красная граница спектра».
QString featureName(LightSource source, int nm);

// Below the verdict after a wrong answer; empty for SourceHint::None.
QString sourceHintText(SourceHint hint);
// Its Russian source text, as the task's hints share it (task_texts.cpp).
const char *sourceHintSource(SourceHint hint);

// «Лампа: ртутная», «Белый свет»: the source control's item and the reading.
QString sourceName(LightSource source);

// Where the strip was, with a lamp: «Ртутная лампа».
QString lampLabelText(LightSource source);

// The cursor's accessible name, and its read-out as a screen reader says it.
QString cursorName();
QString cursorReading(const QString &distanceText);

// The source control's accessible name, its title.
QString sourceControlName();

} // namespace bench
