#pragma once

#include <cfloat>
#include <cstdint>

namespace bench {

// The bench's arithmetic is defined on a 64-bit mantissa: distances that lie
// on a decimal half round one way or the other depending on it.
using Extended = long double;

#if defined(__x86_64__) || defined(__i386__)
static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended type");
#endif
// Elsewhere long double is wider (quad) or equal to double; the read-outs then
// agree except on the rare values that fall within a few ulps of a rounding tie.

// Nearest integer, ties to even: Round(188.5) = 188, Round(-2.5) = -2.
std::int64_t Round(Extended x);

} // namespace bench
