#pragma once

#include "number_text.h"

#include <QString>

#include <cstdint>

namespace bench {

// The distance text of order k, as the renderer writes it into Ed_ym.
QString distanceText(std::int32_t order, std::int32_t lambdaT, double d_gr, const NumberFormat &format);

// Row offset of a maximum from the axis as the screen reads it: its distance
// text parsed back (two decimals, not the exact distance), 40 pixels per cm.
std::int64_t shownRowOffset(const QString &distanceText, const NumberFormat &format);

// The screen's scale reaches 5 cm either side of the axis; a selected
// maximum beyond it makes the renderer fall back to order 1.
constexpr std::int64_t kScaleRows = 200;
constexpr bool onTheScale(std::int64_t rowOffset)
{
    return rowOffset >= -kScaleRows && rowOffset <= kScaleRows;
}

// Whether the next render keeps order k selected, for the wavelength text it
// will read. A text that is not an integer stops that render before the rule
// applies, so every order counts as selectable then: selecting one shows the
// same error a click would.
bool orderStaysSelected(std::int32_t order, const QString &wavelengthText, double d_gr, const NumberFormat &format);

} // namespace bench
