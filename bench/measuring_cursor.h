#pragma once

#include "number_text.h"
#include "scale_rule.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace bench {

// The measuring cursor («Визир»): a hairline across the screen and its scale
// that the pupil puts on a maximum to read its distance. Its place is a whole
// number of pixel rows above the axis (negative below it), on the scale.
constexpr int kCursorLimit = int(kScaleRows);
constexpr int kCursorRowsPerCm = 40;
constexpr int kCursorStep = 1;                // Up, Down
constexpr int kCursorPage = kCursorRowsPerCm; // PageUp, PageDown: 1 cm

constexpr int clampCursor(std::int64_t offset)
{
    return int(std::clamp<std::int64_t>(offset, -kCursorLimit, kCursorLimit));
}

// The read-out: rows / 40 cm in the distance format, "2,73", "-0,08".
QString cursorText(int offset, const NumberFormat &format);
// The nearest row to a distance in cm (clamped to the scale); none for a
// text or value that is not a finite number.
std::optional<int> cursorOffsetOfCm(Extended cm);
std::optional<int> cursorOffsetOfText(const QString &text, const NumberFormat &format);

// Where the hairline is drawn on the bench canvas: from the screen's column
// to the canvas's right edge, clear of the maxima, which end at column 849.
constexpr int kCursorFirstColumn = 850;
constexpr int kCursorLastColumn = 944;

// Rows above the axis of the maximum of order j of the wavelength nm,
// exactly where the monochrome bench draws it: from the order-1 distance as
// its field shows it. Clamped far off the canvas.
std::int64_t maximumRowOffset(int j, int nm, double d_gr, const NumberFormat &format);

} // namespace bench
