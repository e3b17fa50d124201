#pragma once

#include "bench_state.h"
#include "extended.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace bench {

// Wavelength that sets the light colour and the intensity curve, in nm.
inline std::int32_t wavelength(const TBenchState &state)
{
    return kMinWavelength + state.dl_ofs;
}

// Distance of order k from the centre of the screen, in cm:
// y = k * lambdaT * 50 * 1e-4 / d_gr in extended precision. The integer
// product is formed in 64 bits, so a huge typed wavelength cannot wrap.
Extended distance(std::int32_t order, std::int32_t lambdaT, double d_gr);

// Pixel offset of maximum j from the axis: Round((j * q) * 40).
std::int64_t pixelOffset(std::int32_t j, Extended q);

// One step of the grating spinner: the sum is formed in extended precision
// and stored as a double, then clamped to exactly 3.0 / 1.0.
double gratingStepUp(double d_gr);
double gratingStepDown(double d_gr);

// Spinner clicks up from 1.0 that reach the grating constant written as text,
// with either decimal mark ("2,5", "2.5"), or nothing when the text is not one
// of 1.0, 1.1 ... 3.0.
std::optional<int> gratingStepsTo(QString text);

} // namespace bench
