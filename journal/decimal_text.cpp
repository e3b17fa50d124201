#include "decimal_text.h"

namespace journal {

std::int64_t roundToEven(__int128 numerator, __int128 denominator)
{
    const bool negative = numerator < 0;
    const __int128 n = negative ? -numerator : numerator;
    __int128 q = n / denominator;
    const __int128 twiceRest = 2 * (n % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && q % 2 != 0))
        ++q;
    return std::int64_t(negative ? -q : q);
}

QString fixedText(std::int64_t value, int decimals, const bench::NumberFormat &format)
{
    const bool negative = value < 0;
    QString digits = bench::IntToStr(negative ? -value : value);
    if (decimals > 0) {
        if (digits.size() <= decimals)
            digits = QString(decimals + 1 - digits.size(), u'0') + digits;
        digits.insert(digits.size() - decimals, format.decimalSeparator);
    }
    return negative ? u'-' + digits : digits;
}

} // namespace journal
