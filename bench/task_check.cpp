#include "task_check.h"

#include "answer_check.h"
#include "bench_state.h"
#include "measuring_cursor.h"
#include "source_check.h"
#include "task_code.h"

#include <array>
#include <cstdlib>

namespace bench {

namespace {

constexpr long double kRoundingSlipNm = 2;
constexpr double kSpinnerSlack = 1e-12;

bool onAnotherOrder(int row, int k, int lineNm, double d_gr, const NumberFormat &format)
{
    for (int j = 1; j <= kMaxOrder; ++j) {
        if (j != k && std::llabs(maximumRowOffset(j, lineNm, d_gr, format) - std::abs(row)) <= 1)
            return true;
    }
    return false;
}

TaskHint hintOf(SourceHint hint)
{
    switch (hint) {
    case SourceHint::OffTheLine:
        return TaskHint::OffTheLine;
    case SourceHint::Arithmetic:
        return TaskHint::Arithmetic;
    case SourceHint::OrderMissing:
        return TaskHint::OrderMissing;
    case SourceHint::None:
        break;
    }
    return TaskHint::None;
}

} // namespace

TaskJudgement judgeTaskAnswer(const QString &answer, const TaskReadouts &shown, int lineNm, const NumberFormat &format)
{
    // A result file is outside input: a text that is no read-out measures nothing.
    const std::optional<int> row = cursorOffsetOfText(shown.distance, format);
    double d_gr = 0;
    try {
        d_gr = double(StrToFloat(shown.grating, format));
    } catch (const EConvertError &) {
        return {false, TaskHint::OffTheLine};
    }
    if (!row || !(d_gr > 0))
        return {false, TaskHint::OffTheLine};

    const std::array<int, 1> line{lineNm};
    const auto judgedAt = [&](double d) {
        return judgeMeasuredAnswer(answer, {shown.grating, shown.distance, IntToStr(shown.order), *row, d}, line,
            format);
    };
    const SourceJudgement judged = judgedAt(d_gr);
    if (judged.right)
        return {true, TaskHint::None};
    // The spinner's sums of tenths behind the text ("2", "2,4") can differ
    // from its decimal value in the last bits, either way, and a maximum on
    // a rounding edge of its distance is then drawn a row further.
    for (const double nudged : {d_gr * (1 - kSpinnerSlack), d_gr * (1 + kSpinnerSlack)}) {
        if (judgedAt(nudged).right)
            return {true, TaskHint::None};
    }

    if (judged.hint == SourceHint::OffTheLine && onAnotherOrder(*row, shown.order, lineNm, d_gr, format))
        return {false, TaskHint::WrongOrder};
    if (judged.hint == SourceHint::Arithmetic) {
        const ShownReadouts readouts{QString(), shown.grating, shown.distance, shown.order};
        const auto lambda = formulaWavelength(readouts, format);
        const auto exact = exactFormulaWavelength(readouts, format);
        const auto typed = decimalDigits(answer);
        if (lambda && exact && typed) {
            // Near either formula's value: a slip in rounding, whichever the pupil took.
            const long double small = (long double)lambda->numerator / (long double)lambda->denominator;
            for (const long double computed : {small, *exact}) {
                if (std::abs((long double)*typed - computed) <= kRoundingSlipNm)
                    return {false, TaskHint::Rounding};
            }
        }
    }
    return {false, hintOf(judged.hint)};
}

} // namespace bench
