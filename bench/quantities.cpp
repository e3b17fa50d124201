#include "quantities.h"

#include "number_text.h"

#include <cmath>

namespace bench {

Extended distance(std::int32_t order, std::int32_t lambdaT, double d_gr)
{
    // |order * lambdaT| < 2^62 fits in 64 bits; the factor 50 is applied in
    // extended precision, where an integer product below 2^64 is still exact,
    // so no typed wavelength can overflow it.
    const std::int64_t product = std::int64_t(order) * lambdaT;
    const Extended orderLambdaF = Extended(product) * 50;
    return orderLambdaF * 1e-4L / Extended(d_gr);
}

std::int64_t pixelOffset(std::int32_t j, Extended q)
{
    return Round((Extended(j) * q) * 40);
}

double gratingStepUp(double d_gr)
{
    const double sum = double(Extended(d_gr) + 0.1L);
    return sum > kMaxGrating ? kMaxGrating : sum;
}

double gratingStepDown(double d_gr)
{
    const double difference = double(Extended(d_gr) - 0.1L);
    return difference >= kMinGrating ? difference : kMinGrating;
}

std::optional<int> gratingStepsTo(QString text)
{
    const NumberFormat point{u'.'};
    text.replace(u',', point.decimalSeparator);
    Extended d = 0;
    try {
        d = StrToFloat(text, point);
    } catch (const EConvertError &) {
        return std::nullopt;
    }
    if (!std::isfinite(d) || d < 0.95L || d > 3.05L)
        return std::nullopt;
    const auto steps = Round((d - 1) * 10);
    if (steps < 0 || steps > 20 || std::fabs(d - (1 + Extended(steps) / 10)) > 1e-9L)
        return std::nullopt;
    return int(steps);
}

} // namespace bench
