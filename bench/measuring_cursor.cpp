#include "measuring_cursor.h"

#include "quantities.h"

#include <cmath>

namespace bench {

QString cursorText(int offset, const NumberFormat &format)
{
    return FormatDistance(Extended(offset) / kCursorRowsPerCm, format);
}

std::optional<int> cursorOffsetOfCm(Extended cm)
{
    if (!std::isfinite(cm))
        return std::nullopt;
    // Far values are clamped before rounding, so no conversion overflows.
    const Extended rows = std::clamp<Extended>(cm * kCursorRowsPerCm, -10 * kCursorLimit, 10 * kCursorLimit);
    return clampCursor(Round(rows));
}

std::optional<int> cursorOffsetOfText(const QString &text, const NumberFormat &format)
{
    try {
        return cursorOffsetOfCm(StrToFloat(text, format));
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

std::int64_t maximumRowOffset(int j, int nm, double d_gr, const NumberFormat &format)
{
    constexpr std::int64_t kFarRows = 1 << 16;
    const Extended q = StrToFloat(distanceText(1, nm, d_gr, format), format);
    return std::clamp<std::int64_t>(pixelOffset(j, q), -kFarRows, kFarRows);
}

} // namespace bench
