#pragma once

#include "number_text.h"

#include <QString>

#include <cstdint>

namespace journal {

// Rounds numerator / denominator (denominator > 0) to a whole number, ties
// to even, the rounding of every number text of the program.
std::int64_t roundToEven(__int128 numerator, __int128 denominator);

// value / 10^decimals in fixed form with the locale's decimal mark:
// fixedText(5893, 1) is "589,3", fixedText(-8, 2) is "-0,08".
QString fixedText(std::int64_t value, int decimals, const bench::NumberFormat &format);

} // namespace journal
