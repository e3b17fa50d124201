#pragma once

class QWidget;

// Forms give their fonts in pixels (a character height at 96 dpi, never
// rescaled). Designer forms only store point sizes, so each widget carries
// the height as the dynamic property "pixelSize"; this applies it to the
// widget's own font, for root and every widget below it.
// The runs of blanks that leave room for edits and pictures only line up when
// the text advances as it was laid out: by default in whole pixels (fully
// hinted); a widget marked with the property "designMetrics" advances by the
// font's unhinted design widths instead (the long texts of the procedure,
// whose hinted widths come out wider).
void applyPixelFonts(QWidget *root);
