#include "scale_rule.h"

#include "quantities.h"

namespace bench {

QString distanceText(std::int32_t order, std::int32_t lambdaT, double d_gr, const NumberFormat &format)
{
    return FormatDistance(distance(order, lambdaT, d_gr), format);
}

std::int64_t shownRowOffset(const QString &distanceText, const NumberFormat &format)
{
    return Round(StrToFloat(distanceText, format) * 40);
}

bool orderStaysSelected(std::int32_t order, const QString &wavelengthText, double d_gr, const NumberFormat &format)
{
    try {
        return onTheScale(shownRowOffset(distanceText(order, StrToInt(wavelengthText), d_gr, format), format));
    } catch (const EConvertError &) {
        return true;
    }
}

} // namespace bench
