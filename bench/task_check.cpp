#include "task_check.h"

#include "task_code.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace bench {

namespace {

// Hints compare with the lamp's wavelength rather than the read-outs: the
// read-outs are rounded, and a 2 % margin is far wider than that.
constexpr double kNear = 0.02;

bool near(double answer, double expected)
{
    return expected > 0 && std::fabs(answer - expected) <= kNear * expected;
}

bool fitsNeighbourOrder(double answer, double nm, int k)
{
    // The wrong k in the formula gives nm * k / (k +- 1); the distance of a
    // neighbouring maximum divided by k gives nm * (k +- 1) / k.
    for (const int other : {k - 1, k + 1}) {
        if (other >= 1 && (near(answer, nm * k / other) || near(answer, nm * other / k)))
            return true;
    }
    return false;
}

bool fitsUnits(double answer, double nm)
{
    for (const double factor : {10.0, 100.0}) {
        if (near(answer, nm * factor) || near(answer, nm / factor))
            return true;
    }
    return false;
}

} // namespace

TaskJudgement judgeTaskAnswer(const QString &answer, int lineNm, const ShownReadouts &shown, const NumberFormat &format)
{
    ShownReadouts withLamp = shown;
    withLamp.wavelength = IntToStr(lineNm);
    if (answerIsRight(answer, withLamp, format))
        return {true, TaskHint::None};

    const int k = std::abs(shown.order);
    const double nm = lineNm;
    // Only what the answer field lets through: digits, nothing else.
    const auto digits = decimalDigits(answer);
    const auto value = digits ? std::optional<double>(double(*digits)) : std::nullopt;
    if (value && near(*value, nm))
        return {false, TaskHint::Rounding};
    if (k == 0)
        return {false, TaskHint::CentralMaximum};
    if (!value)
        return {false, TaskHint::None};
    if (fitsNeighbourOrder(*value, nm, k))
        return {false, TaskHint::NeighbourOrder};
    if (fitsUnits(*value, nm))
        return {false, TaskHint::Units};
    return {false, TaskHint::None};
}

} // namespace bench
