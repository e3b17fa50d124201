#include "number_text.h"

#include <QLocale>
#include <QSet>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace bench {

using namespace Qt::Literals::StringLiterals;

EConvertError::EConvertError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message)
{
}

QString EConvertError::message() const
{
    return m_message;
}

NumberFormat NumberFormat::fromLocale(const QLocale &locale)
{
    NumberFormat format;
    const QString point = locale.decimalPoint();
    // A separator that could be read as part of a number would make the
    // distance text ambiguous; such a locale keeps the comma.
    if (point.size() == 1) {
        const QChar c = point.front();
        if (!c.isDigit() && !c.isSpace() && c != u'+' && c != u'-' && c != u'e' && c != u'E')
            format.decimalSeparator = c;
    }
    return format;
}

bool isLocaleDecimalSeparator(QChar mark)
{
    static const QSet<QChar> marks = [] {
        QSet<QChar> found{NumberFormat{}.decimalSeparator};
        for (const QLocale &locale :
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            found.insert(NumberFormat::fromLocale(locale).decimalSeparator);
        return found;
    }();
    return marks.contains(mark);
}

QString IntToStr(std::int64_t value)
{
    return QString::number(value);
}

namespace {

[[noreturn]] void invalidInteger(const QString &text)
{
    throw EConvertError(u"'"_s + text + u"' is not a valid integer value."_s);
}

[[noreturn]] void invalidFloat(const QString &text)
{
    throw EConvertError(u"'"_s + text + u"' is not a valid floating point value."_s);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isDecimalDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The C library's number conversions follow LC_NUMERIC, which QCoreApplication
// sets from the user's environment on Unix; ours must not. (On Windows Qt
// leaves the C library in its "C" locale.) Held for the length of a scope.
class CNumbers {
public:
#ifdef Q_OS_WIN
    CNumbers() = default;
#else
    CNumbers() : previous_(uselocale(cLocale()))
    {
    }
    ~CNumbers()
    {
        uselocale(previous_);
    }
    CNumbers(const CNumbers &) = delete;
    CNumbers &operator=(const CNumbers &) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t previous_;
#endif
};

// |value| as 0.d1d2...d18 x 10^exponent, rounded to 18 significant digits
// with ties to even (glibc formats exactly in the default rounding mode).
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zero; empty for zero
    int exponent = 0;
};

Decimal toDecimal18(Extended value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buffer[64];
    {
        const CNumbers c;
        std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
    }
    // "d.ddddddddddddddddde+XX"
    const char *p = buffer;
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    }
    d.exponent = *p == 'e' ? std::atoi(p + 1) + 1 : 1;
    return d;
}

// Keeps the first n digits, rounding half away from zero; a carry out of the
// first digit shifts the exponent. Trailing zeros are dropped.
void roundHalfAway(Decimal &d, int n)
{
    if (n < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(n) < d.digits.size()) {
        const bool up = d.digits[static_cast<std::size_t>(n)] >= '5';
        d.digits.resize(static_cast<std::size_t>(n));
        if (up) {
            int i = n - 1;
            while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
                d.digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++d.digits[static_cast<std::size_t>(i)];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            }
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

char digitAt(const Decimal &d, int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= d.digits.size())
        return '0';
    return d.digits[static_cast<std::size_t>(position)];
}

// d1[,d2d3...]E<exponent>, the exponent with at least minExponentDigits digits.
QString scientific(const Decimal &d, QChar separator, int minExponentDigits)
{
    QString text;
    if (d.negative)
        text += u'-';
    text += QLatin1Char(d.digits.front());
    if (d.digits.size() > 1) {
        text += separator;
        text += QLatin1StringView(d.digits.data() + 1, qsizetype(d.digits.size() - 1));
    }
    const int exponent = d.exponent - 1;
    text += u'E';
    if (exponent < 0)
        text += u'-';
    text += QString::number(std::abs(exponent)).rightJustified(minExponentDigits, u'0');
    return text;
}

QString nonFinite(Extended value)
{
    if (std::isnan(value))
        return u"NAN"_s;
    return value < 0 ? u"-INF"_s : u"INF"_s;
}

// Both parsers start alike: blanks, then an optional sign. Leaves i on the
// first character after them; true for a minus.
bool skipBlanksAndSign(const QString &text, qsizetype &i)
{
    while (i < text.size() && text[i] == u' ')
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        return text[i++] == u'-';
    return false;
}

} // namespace

std::int32_t StrToInt(const QString &text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    const bool negative = skipBlanksAndSign(text, i);
    bool hex = false;
    if (i < size && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < size && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == size)
        invalidInteger(text);

    if (hex) {
        // Hexadecimal is read as a 32-bit pattern, the way the classic runtime
        // did: up to eight significant digits, $FFFFFFFF is -1 and $80000000 the
        // smallest integer; a sign negates the pattern modulo 2^32. More bits
        // than 32 are an error.
        std::uint64_t value = 0;
        for (; i < size; ++i) {
            const int digit = hexValue(text[i]);
            if (digit < 0)
                invalidInteger(text);
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu)
                invalidInteger(text);
        }
        std::uint32_t pattern = static_cast<std::uint32_t>(value);
        if (negative)
            pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }

    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; i < size; ++i) {
        if (!isDecimalDigit(text[i]))
            invalidInteger(text);
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit)
            invalidInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

QString FloatToStrGeneral(double value, const NumberFormat &format)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    constexpr int kPrecision = 15;
    Decimal d = toDecimal18(value);
    roundHalfAway(d, kPrecision);
    if (d.digits.empty())
        return u"0"_s;
    // Fixed notation from 1e-5 up to 15 integer digits, otherwise exponent.
    if (d.exponent > kPrecision || d.exponent < -4)
        return scientific(d, format.decimalSeparator, 0);
    QString text;
    if (d.negative)
        text += u'-';
    if (d.exponent <= 0) {
        text += u'0';
        text += format.decimalSeparator;
        text += QString(-d.exponent, u'0');
        text += QLatin1StringView(d.digits.data(), qsizetype(d.digits.size()));
        return text;
    }
    for (int p = 0; p < d.exponent; ++p)
        text += QLatin1Char(digitAt(d, p));
    if (static_cast<std::size_t>(d.exponent) < d.digits.size()) {
        text += format.decimalSeparator;
        text += QLatin1StringView(d.digits.data() + d.exponent, qsizetype(d.digits.size()) - d.exponent);
    }
    return text;
}

QString FormatDistance(Extended value, const NumberFormat &format)
{
    // x87 arithmetic turns the encodings it does not support (unnormals,
    // pseudo-infinities) into NaN and normalises pseudo-denormals.
    value += 0.0L;
    if (!std::isfinite(value))
        return nonFinite(value);
    constexpr int kPrecision = 3;
    constexpr int kDecimals = 2;
    Decimal d = toDecimal18(value);
    if (d.digits.empty())
        return u"0,00"_s.replace(u',', format.decimalSeparator);
    roundHalfAway(d, std::min(d.exponent + kDecimals, kPrecision));
    QString text;
    if (d.digits.empty()) {
        text = u"0"_s;
        text += format.decimalSeparator;
        text += u"00"_s;
        return text;
    }
    if (d.exponent > kPrecision)
        return scientific(d, format.decimalSeparator, 2);
    if (d.negative)
        text += u'-';
    if (d.exponent <= 0)
        text += u'0';
    for (int p = 0; p < d.exponent; ++p)
        text += QLatin1Char(digitAt(d, p));
    text += format.decimalSeparator;
    for (int i = 0; i < kDecimals; ++i)
        text += QLatin1Char(digitAt(d, d.exponent + i));
    return text;
}

Extended StrToFloat(const QString &text, const NumberFormat &format)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    const bool negative = skipBlanksAndSign(text, i);

    // What the formatters write for values that are not finite.
    QStringView word = QStringView(text).mid(i);
    while (word.endsWith(u' '))
        word.chop(1);
    if (word.compare(u"INF", Qt::CaseInsensitive) == 0)
        return negative ? -HUGE_VALL : HUGE_VALL;
    if (word.compare(u"NAN", Qt::CaseInsensitive) == 0)
        return std::numeric_limits<Extended>::quiet_NaN();
    std::string digits;
    qsizetype integerDigits = 0;
    for (; i < size && isDecimalDigit(text[i]); ++i) {
        digits.push_back(char(text[i].unicode()));
        ++integerDigits;
    }
    if (i < size && text[i] == format.decimalSeparator) {
        for (++i; i < size && isDecimalDigit(text[i]); ++i)
            digits.push_back(char(text[i].unicode()));
    }
    if (digits.empty())
        invalidFloat(text);
    std::int64_t exponent = 0;
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < size && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        if (i == size || !isDecimalDigit(text[i]))
            invalidFloat(text);
        for (; i < size && isDecimalDigit(text[i]); ++i) {
            if (exponent < 1000000000)
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    while (i < size && text[i] == u' ')
        ++i;
    if (i != size)
        invalidFloat(text);

    // value = 0.<significant digits> x 10^scale; far outside the extended
    // range it is settled here, inside it strtold rounds exactly. Beyond the
    // largest value the result is infinity, as rounding to nearest gives it:
    // the distance text of a value near the top can round past it, and every
    // text the formatter writes must read back.
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    Extended magnitude = 0;
    if (firstNonZero != std::string::npos) {
        const std::int64_t scale = std::int64_t(integerDigits) - std::int64_t(firstNonZero) + exponent;
        if (scale > 5000) {
            magnitude = HUGE_VALL;
        } else if (scale >= -5000) {
            const std::string normalised = "0." + digits.substr(firstNonZero) + 'e' + std::to_string(scale);
            const CNumbers c;
            magnitude = std::strtold(normalised.c_str(), nullptr);
        }
    }
    return negative ? -magnitude : magnitude;
}

} // namespace bench
