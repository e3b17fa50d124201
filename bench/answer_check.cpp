#include "answer_check.h"

#include "bench_texts.h"

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

using Wide = unsigned __int128;

constexpr int kFocalLengthCm = 50;
constexpr int kNanometresPerGratingUnit = 10000;
constexpr int kMaxDigits = 15; // keeps d * y * 1e4 within 128 bits

// A shown decimal as mantissa / 10^scale, sign dropped; the read-outs are
// plain "1,5", "0,63", "-1,90". Anything else (a typed-over field, an
// exponent form) is not a read-out the formula can use.
struct Decimal {
    std::uint64_t mantissa = 0;
    int scale = 0;
};

std::optional<Decimal> parseShown(const QString &text, QChar separator)
{
    Decimal value;
    int digits = 0;
    bool afterSeparator = false;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const qsizetype firstDigit = i;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == separator && !afterSeparator && i > firstDigit) {
            afterSeparator = true;
            continue;
        }
        if (c < u'0' || c > u'9' || ++digits > kMaxDigits)
            return std::nullopt;
        value.mantissa = value.mantissa * 10 + std::uint64_t(c.unicode() - u'0');
        if (afterSeparator)
            ++value.scale;
    }
    if (digits == 0 || text.endsWith(separator))
        return std::nullopt;
    return value;
}

Wide powerOfTen(int n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

std::optional<ExactWavelength> formulaWavelength(const ShownReadouts &shown, const NumberFormat &format)
{
    if (shown.order == 0)
        return std::nullopt;
    const auto d = parseShown(shown.grating, format.decimalSeparator);
    const auto y = parseShown(shown.distance, format.decimalSeparator);
    if (!d || !y)
        return std::nullopt;
    // y/F is a ratio of centimetres and d is in 1e-5 m = 1e4 nm, so
    // lambda [nm] = d * 1e4 * y / (|k| * F); kept as an exact fraction so that
    // a whole result is never split into two neighbours.
    const std::uint32_t k = std::uint32_t(shown.order < 0 ? -std::int64_t(shown.order) : shown.order);
    return ExactWavelength{Wide(d->mantissa) * y->mantissa * kNanometresPerGratingUnit,
        powerOfTen(d->scale + y->scale) * k * kFocalLengthCm};
}

std::optional<long double> exactFormulaWavelength(const ShownReadouts &shown, const NumberFormat &format)
{
    const auto lambda = formulaWavelength(shown, format);
    const auto y = parseShown(shown.distance, format.decimalSeparator);
    if (!lambda || !y)
        return std::nullopt;
    // sin(arctg t) = t / sqrt(1 + t^2): the small-angle value over sqrt(1 + t^2).
    const long double t = (long double)y->mantissa / (long double)powerOfTen(y->scale) / kFocalLengthCm;
    return (long double)lambda->numerator / (long double)lambda->denominator / std::sqrt(1 + t * t);
}

std::vector<std::int64_t> formulaAnswers(const ShownReadouts &shown, const NumberFormat &format)
{
    const auto lambda = formulaWavelength(shown, format);
    if (!lambda || lambda->numerator == 0)
        return {};
    const Wide down = lambda->numerator / lambda->denominator;
    const Wide up = down + (lambda->numerator % lambda->denominator != 0 ? 1 : 0);
    if (up > Wide(INT64_MAX))
        return {};
    std::vector<std::int64_t> answers{std::int64_t(down), std::int64_t(up)};
    // Below the small-angle value, so within range once that is, but kept
    // clear of the edge a long double rounds onto.
    if (const auto exact = exactFormulaWavelength(shown, format); exact && *exact < 0x1p62L) {
        answers.push_back(std::int64_t(std::floor(*exact)));
        answers.push_back(std::int64_t(std::ceil(*exact)));
    }
    return answers;
}

bool formulaAccepts(const QString &answer, const ShownReadouts &shown, const NumberFormat &format)
{
    const std::vector<std::int64_t> answers = formulaAnswers(shown, format);
    return std::any_of(answers.begin(), answers.end(), [&](std::int64_t a) { return answer == IntToStr(a); });
}

bool answerIsRight(const QString &answer, const ShownReadouts &shown, const NumberFormat &format)
{
    return answer == shown.wavelength || formulaAccepts(answer, shown, format);
}

namespace {

const char *verdictSource(bool right)
{
    return right ? QT_TRANSLATE_NOOP("BenchTexts", "Верно !") : QT_TRANSLATE_NOOP("BenchTexts", "Неверно !");
}

} // namespace

QString verdictText(bool right)
{
    return BenchTexts::tr(verdictSource(right));
}

QString storedVerdictText(bool right)
{
    return QString::fromUtf8(verdictSource(right));
}

} // namespace bench
