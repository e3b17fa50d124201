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

    const CursorReadouts cursor{shown.grating, shown.distance, IntToStr(shown.order), *row, d_gr};
    const std::array<int, 1> line{lineNm};
    const SourceJudgement judged = judgeMeasuredAnswer(answer, cursor, line, format);
    if (judged.right)
        return {true, TaskHint::None};

    if (judged.hint == SourceHint::OffTheLine && onAnotherOrder(*row, shown.order, lineNm, d_gr, format))
        return {false, TaskHint::WrongOrder};
    if (judged.hint == SourceHint::Arithmetic) {
        const auto lambda = formulaWavelength(ShownReadouts{QString(), shown.grating, shown.distance, shown.order},
            format);
        const auto typed = decimalDigits(answer);
        if (lambda && typed) {
            const long double computed = (long double)lambda->numerator / (long double)lambda->denominator;
            if (std::abs((long double)*typed - computed) <= kRoundingSlipNm)
                return {false, TaskHint::Rounding};
        }
    }
    return {false, hintOf(judged.hint)};
}

} // namespace bench
