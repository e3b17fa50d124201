#include "decimal_reference.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace reference {
namespace {

// Little-endian limbs in base 10^9.
using BigDecimal = std::vector<std::uint32_t>;
constexpr std::uint64_t kBase = 1000000000;

void multiply(BigDecimal &n, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t &limb : n) {
        const std::uint64_t t = std::uint64_t(limb) * factor + carry;
        limb = std::uint32_t(t % kBase);
        carry = t / kBase;
    }
    while (carry != 0) {
        n.push_back(std::uint32_t(carry % kBase));
        carry /= kBase;
    }
}

std::string toDigits(const BigDecimal &n)
{
    std::string s;
    for (auto it = n.rbegin(); it != n.rend(); ++it) {
        std::string limb = std::to_string(*it);
        if (!s.empty())
            limb.insert(0, 9 - limb.size(), '0');
        s += limb;
    }
    return s;
}

// Adds one unit in the last place of a digit string; true when it grew.
bool increment(std::string &digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

void trimTrailingZeros(std::string &digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
}

} // namespace

ExactDecimal expandExactly(long double x)
{
    ExactDecimal r;
    r.negative = std::signbit(x);
    if (x == 0)
        return r;
    int binaryExponent = 0;
    const long double fraction = std::frexp(std::fabs(x), &binaryExponent);
    // All mantissa bits as an integer: |x| = mantissa * 2^power.
    const auto mantissa = std::uint64_t(std::ldexp(fraction, 64));
    long power = long(binaryExponent) - 64;

    BigDecimal n{std::uint32_t(mantissa % kBase), std::uint32_t(mantissa / kBase % kBase),
        std::uint32_t(mantissa / kBase / kBase)};
    long decimalShift = 0;
    for (; power > 0; power -= std::min(power, 31L))
        multiply(n, std::uint32_t(1) << std::min(power, 31L));
    // m * 2^-k = m * 5^k / 10^k
    for (long k = -power; k > 0; k -= 13)
        multiply(n, k >= 13 ? 1220703125u : std::uint32_t(std::pow(5.0, double(k))));
    decimalShift = power;

    std::string digits = toDigits(n);
    const auto firstNonZero = digits.find_first_not_of('0');
    digits.erase(0, firstNonZero);
    r.exponent = long(digits.size()) + decimalShift;
    trimTrailingZeros(digits);
    r.digits = digits;
    return r;
}

ExactDecimal roundTiesToEven(ExactDecimal value, long count)
{
    if (long(value.digits.size()) <= count)
        return value;
    const std::string dropped = value.digits.substr(std::size_t(count));
    value.digits.resize(std::size_t(count));
    bool up = false;
    if (dropped[0] > '5') {
        up = true;
    } else if (dropped[0] == '5') {
        const bool exactHalf = dropped.find_first_not_of('0', 1) == std::string::npos;
        up = !exactHalf || (count > 0 && (value.digits.back() - '0') % 2 == 1);
    }
    if (up && increment(value.digits))
        ++value.exponent;
    trimTrailingZeros(value.digits);
    return value;
}

std::string formatDistanceSlow(long double x, char separator)
{
    const ExactDecimal r = roundTiesToEven(expandExactly(x), 18);
    if (r.digits.empty())
        return std::string("0") + separator + "00";

    // Keep n significant digits: count whole units of 10^(E - n), half away
    // from zero on the first dropped digit.
    const long n = std::min(r.exponent + 2, 3L);
    if (n < 0)
        return std::string("0") + separator + "00";
    std::string units = r.digits.substr(0, std::size_t(n));
    units.append(std::size_t(n) - units.size(), '0');
    const char firstDropped = std::size_t(n) < r.digits.size() ? r.digits[std::size_t(n)] : '0';
    if (firstDropped >= '5')
        increment(units);
    const long unitExponent = r.exponent - n; // value = units * 10^unitExponent
    units.erase(0, units.find_first_not_of('0'));
    if (units.empty())
        return std::string("0") + separator + "00";

    const std::string sign = r.negative ? "-" : "";
    // In hundredths the value is units * 10^(unitExponent + 2), unitExponent >= -2.
    const std::string hundredths = units + std::string(std::size_t(unitExponent + 2), '0');
    if (hundredths.size() <= 5) {
        const long h = std::stol(hundredths);
        std::string tail = std::to_string(h % 100);
        if (tail.size() < 2)
            tail.insert(0, "0");
        return sign + std::to_string(h / 100) + separator + tail;
    }
    // Four or more integer digits: d[,dd]E<two or more digits>.
    const long leadingExponent = long(units.size()) - 1 + unitExponent;
    std::string mantissa = units;
    trimTrailingZeros(mantissa);
    std::string text = sign + mantissa.substr(0, 1);
    if (mantissa.size() > 1)
        text += separator + mantissa.substr(1);
    std::string exponent = std::to_string(leadingExponent);
    if (exponent.size() < 2)
        exponent.insert(0, "0");
    return text + "E" + exponent;
}

} // namespace reference
