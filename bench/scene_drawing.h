#pragma once

// What the renderer's two halves share: the colours of the bench and the
// one way a line is drawn (MoveTo, then LineTo, which leaves out the end).

#include "raster.h"

namespace bench::scene_drawing {

constexpr TColor kBlack = RGB(0, 0, 0);
constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kCurveGrey = RGB(120, 120, 120);
constexpr TColor kGratingGrey = RGB(200, 200, 200);
constexpr TColor kRayGrey = RGB(180, 180, 180);

// The end of every maximum on the screen.
constexpr int kMaxEnd = 848;

inline void line(TCanvas &canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

} // namespace bench::scene_drawing
