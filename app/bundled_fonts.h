#pragma once

#include <QString>

// Every layout is measured in Arial. Windows has it, and Linux maps it to the
// metric-compatible Liberation Sans; Wine and stripped Windows installs have
// neither, and Qt's fallback there is a serif of other widths that overflows
// the fixed controls. So the Windows build ships Liberation Sans beside the
// program, and this registers it in Arial's place when Arial is missing.
// Returns the family now drawn for "Arial" when one was supplied, or an empty
// string when nothing was needed or nothing could be loaded.
QString provideArial(const QString &fontFolder);

// The fonts folder beside the program (where the Windows build puts them).
QString bundledFontFolder();
