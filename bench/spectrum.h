#pragma once

#include "raster.h"

#include <QImage>
#include <QPoint>

namespace bench {

constexpr int kStripWidth = 385;
constexpr int kStripHeight = 24;
constexpr int kStripColourRow = 8;

// pic_spectrum, built from the strip's key colours: column c stands for
// 377 + c nm. The picture the pupil sees is the one the colours are read from.
QImage makeSpectrumStrip();

// Light colour of the wavelength 380 + dl_ofs: strip column dl_ofs + 3, row 8.
TColor spektr_color(const QImage &strip, int dl_ofs);

// The same lookup through the controls' places: the column right of the
// slider's needle, the strip row under the slider's top.
TColor spektr_color_at(const QImage &strip, QPoint sliderTopLeft, QPoint stripTopLeft);

} // namespace bench
