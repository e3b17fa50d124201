#include "order_envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bench {

namespace {

constexpr double kFocalLengthCm = 50;
constexpr double kNmPerUm = 1000;

} // namespace

double orderEnvelope(double nm, double yCm, double slitUm)
{
    if (!(nm > 0) || !(slitUm > 0))
        return 0;
    // The phase across half the slit, in units of pi/2: 1 at the first zero.
    const double half = std::fabs(yCm) * slitUm * kNmPerUm / (nm * kFocalLengthCm);
    if (!(half < 1))
        return 0;
    const double c = std::cos(std::numbers::pi / 2 * half);
    return c * c;
}

int maximumLength(double envelope, int longest)
{
    return 1 + int(std::lround(longest * std::clamp(envelope, 0.0, 1.0)));
}

} // namespace bench
