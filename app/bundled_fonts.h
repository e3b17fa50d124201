#pragma once

#include <QString>
#include <QStringList>

// Every layout is measured in Arial, and a translated title banner is drawn
// in DejaVu Sans. Windows has Arial but not DejaVu Sans, and Linux maps Arial
// to the metric-compatible Liberation Sans; Wine and stripped Windows
// installs have neither, and Qt's fallback there is a serif of other widths
// that overflows the fixed controls. So the Windows build ships both families
// beside the program, and this registers those the system lacks, Liberation
// Sans in Arial's place. Returns the families it registered.
QStringList provideFonts(const QString &fontFolder);

// The fonts folder beside the program (where the Windows build puts them).
QString bundledFontFolder();
