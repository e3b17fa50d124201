// The distance and general texts: every text written must read back with
// StrToFloat and write again unchanged, and the distance text must agree
// with the slow exact-decimal model.

#include "decimal_reference.h"
#include "number_text.h"
#include "quantities.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

template <typename T>
T take(const std::uint8_t *&data, std::size_t &size)
{
    T value{};
    const std::size_t n = std::min(sizeof(T), size);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

void checkDistance(long double y, const bench::NumberFormat &format, bool compareWithModel)
{
    const QString text = bench::FormatDistance(y, format);
    long double back = 0;
    try {
        back = bench::StrToFloat(text, format);
    } catch (const bench::EConvertError &) {
        std::abort();
    }
    if (std::isfinite(back) && bench::FormatDistance(back, format) != text)
        std::abort();
    if (compareWithModel && std::isfinite(y)) {
        const char separator = char(format.decimalSeparator.unicode());
        if (text.toStdString() != reference::formatDistanceSlow(y, separator))
            std::abort();
    }
    (void)bench::Round(back * 40);
}

void checkGeneral(double value, const bench::NumberFormat &format)
{
    const QString text = bench::FloatToStrGeneral(value, format);
    long double back = 0;
    try {
        back = bench::StrToFloat(text, format);
    } catch (const bench::EConvertError &) {
        std::abort();
    }
    // Fifteen digits of the largest doubles round up past the double range
    // ("1,79769313486232E308"); such a text cannot come back as a double.
    const bool backFitsADouble = std::fabs(back) <= std::numeric_limits<double>::max();
    if (std::isfinite(value) && backFitsADouble && bench::FloatToStrGeneral(double(back), format) != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto flags = take<std::uint8_t>(data, size);
    bench::NumberFormat format;
    format.decimalSeparator = (flags & 1) ? u'.' : u',';

    switch ((flags >> 1) % 4) {
    case 0: { // any normal extended value in the model's comfortable range
        const auto mantissa = take<std::uint64_t>(data, size) | (std::uint64_t(1) << 63);
        const auto exponent = take<std::int16_t>(data, size) % 400;
        const bool negative = take<std::uint8_t>(data, size) & 1;
        const long double y = std::ldexp((long double)mantissa, exponent - 64);
        checkDistance(negative ? -y : y, format, true);
        break;
    }
    case 1: { // raw 80-bit patterns, including the x87 encodings nobody uses
        long double y = 0;
        std::memcpy(&y, data, std::min<std::size_t>(10, size));
        checkDistance(y, format, false);
        break;
    }
    case 2: { // what the bench computes, for any order and typed wavelength
        const auto order = take<std::int32_t>(data, size);
        const auto lambdaT = take<std::int32_t>(data, size);
        const auto steps = take<std::uint8_t>(data, size);
        double d = 1.0;
        for (int i = 0; i < (steps & 63); ++i)
            d = (steps & 64) ? bench::gratingStepDown(bench::gratingStepUp(bench::gratingStepUp(d)))
                             : bench::gratingStepUp(d);
        const long double y = bench::distance(order, lambdaT, d);
        checkDistance(y, format, std::fabs(y) < 1e30L);
        (void)bench::pixelOffset(order, y);
        break;
    }
    default: // the general text of any double
        checkGeneral(take<double>(data, size), format);
        break;
    }
    return 0;
}
