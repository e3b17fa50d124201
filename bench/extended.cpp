#include "extended.h"

#include <cmath>
#include <limits>

namespace bench {

std::int64_t Round(Extended x)
{
    // Renderer values stay far inside the range; anything outside it (only
    // reachable from absurd typed wavelengths) saturates instead of being UB.
    constexpr Extended kLimit = 9223372036854775808.0L; // 2^63
    x += 0.0L;                                          // unsupported x87 encodings become NaN here, not in the cast
    if (std::isnan(x))
        return 0;
    if (x >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (x < -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    // Taken apart by hand so the result does not depend on the FPU rounding
    // mode; x - floor(x) is exact in binary floating point.
    const Extended below = std::floor(x);
    const Extended fraction = x - below;
    Extended r = below;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0.0L))
        r = below + 1.0L;
    if (r >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(r);
}

} // namespace bench
