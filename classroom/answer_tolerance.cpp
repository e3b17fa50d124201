#include "answer_tolerance.h"

#include "answer_check.h"
#include "bench_state.h"
#include "measuring_cursor.h"
#include "number_text.h"
#include "quantities.h"
#include "scale_rule.h"
#include "task_check.h"

#include <algorithm>
#include <cstdlib>

namespace classroom {

int acceptedSpreadNm(int lineNm)
{
    const bench::NumberFormat format{QChar(u',')};
    int widest = 0;
    for (double d = bench::kMinGrating;; d = bench::gratingStepUp(d)) {
        const QString grating = bench::FloatToStrGeneral(d, format);
        for (int k = 1; k <= 8; ++k) {
            const std::int64_t drawn = bench::maximumRowOffset(k, lineNm, d, format);
            if (!bench::onTheScale(drawn))
                continue;
            // The check takes the cursor two rows off the drawn maximum at most.
            for (std::int64_t row = drawn - 2; row <= drawn + 2; ++row) {
                const QString distance = bench::cursorText(bench::clampCursor(row), format);
                // Of each row's read-out the answers either formula gives, rounded either way.
                for (const std::int64_t answer : bench::formulaAnswers({{}, grating, distance, k}, format)) {
                    if (bench::judgeTaskAnswer(bench::IntToStr(answer), {grating, distance, k}, lineNm, format).right)
                        widest = std::max(widest, int(std::llabs(answer - lineNm)));
                }
            }
        }
        if (d >= bench::kMaxGrating)
            break;
    }
    return widest;
}

} // namespace classroom
