// StrToFloat against a slow grammar check and the C library's own reader on
// a text with the separator replaced.

#include "number_text.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

bool allDigits(const std::u16string &s)
{
    return !s.empty() && s.find_first_not_of(u"0123456789") == std::u16string::npos;
}

bool equalsIgnoringCase(std::u16string s, const std::u16string &upper)
{
    for (char16_t &c : s)
        if (c >= u'a' && c <= u'z')
            c = char16_t(c - u'a' + u'A');
    return s == upper;
}

std::optional<long double> slowStrToFloat(const std::u16string &text, char16_t separator)
{
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(u' ');
    std::u16string core = text.substr(first, last - first + 1);
    std::string c;
    if (core[0] == u'+' || core[0] == u'-') {
        c += char(core[0]);
        core.erase(0, 1);
    }
    if (equalsIgnoringCase(core, u"INF"))
        return c == "-" ? -HUGE_VALL : HUGE_VALL;
    if (equalsIgnoringCase(core, u"NAN"))
        return NAN;

    const std::size_t e = core.find_first_of(u"eE");
    const std::u16string mantissa = core.substr(0, e);
    if (e != std::u16string::npos) {
        std::u16string exponent = core.substr(e + 1);
        if (!exponent.empty() && (exponent[0] == u'+' || exponent[0] == u'-'))
            exponent.erase(0, 1);
        if (!allDigits(exponent))
            return std::nullopt;
    }
    const std::size_t point = mantissa.find(separator);
    std::u16string digitsOnly = mantissa;
    if (point != std::u16string::npos)
        digitsOnly.erase(point, 1);
    if (!allDigits(digitsOnly))
        return std::nullopt;

    for (std::size_t i = 0; i < core.size(); ++i)
        c += i == point ? '.' : char(core[i]);
    return std::strtold(c.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    bench::NumberFormat format;
    format.decimalSeparator = (data[0] & 2) ? u'.' : u',';
    QString text;
    if (data[0] & 1)
        text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 1), qsizetype((size - 1) / 2));
    else
        text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const std::optional<long double> expected = slowStrToFloat(text.toStdU16String(),
        format.decimalSeparator.unicode());
    try {
        const long double value = bench::StrToFloat(text, format);
        if (!expected)
            std::abort();
        const bool same = std::isnan(value)
            ? std::isnan(*expected)
            : value == *expected && std::signbit(value) == std::signbit(*expected);
        if (!same)
            std::abort();
    } catch (const bench::EConvertError &e) {
        if (expected)
            std::abort();
        if (e.message() != u"'"_s + text + u"' is not a valid floating point value."_s)
            std::abort();
    }
    return 0;
}
