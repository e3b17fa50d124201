#pragma once

// A slow, independent model of the distance text: the binary value is
// expanded into its exact decimal digits with big-integer arithmetic, then
// rounded the two ways the text needs. Used only to check the fast version.

#include <string>

namespace reference {

// |x| = 0.digits x 10^exponent exactly, digits without leading or trailing
// zeros (empty for zero).
struct ExactDecimal {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

ExactDecimal expandExactly(long double x);

// Rounds to `count` significant digits, ties to the even digit.
ExactDecimal roundTiesToEven(ExactDecimal value, long count);

// The distance text for a finite x with the given decimal separator.
std::string formatDistanceSlow(long double x, char separator);

} // namespace reference
