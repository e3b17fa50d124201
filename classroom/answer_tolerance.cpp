#include "answer_tolerance.h"

#include "answer_check.h"
#include "bench_state.h"
#include "number_text.h"
#include "quantities.h"
#include "scale_rule.h"

#include <algorithm>

namespace classroom {

namespace {

using Wide = unsigned __int128;

Wide distanceFrom(Wide value, int nm)
{
    return value > Wide(nm) ? value - Wide(nm) : Wide(nm) - value;
}

} // namespace

int acceptedSpreadNm(int lineNm)
{
    const bench::NumberFormat format{QChar(u',')};
    Wide widest = 0;
    for (double d = bench::kMinGrating;; d = bench::gratingStepUp(d)) {
        for (int k = 1; k <= 8; ++k) {
            const QString distance = bench::distanceText(k, lineNm, d, format);
            if (!bench::onTheScale(bench::shownRowOffset(distance, format)))
                continue;
            const bench::ShownReadouts shown{{}, bench::FloatToStrGeneral(d, format), distance, k};
            const auto lambda = bench::formulaWavelength(shown, format);
            if (!lambda || lambda->numerator == 0)
                continue;
            // The check accepts the fraction rounded either way.
            const Wide down = lambda->numerator / lambda->denominator;
            const Wide up = down + (lambda->numerator % lambda->denominator != 0 ? 1 : 0);
            widest = std::max({widest, distanceFrom(down, lineNm), distanceFrom(up, lineNm)});
        }
        if (d >= bench::kMaxGrating)
            break;
    }
    return int(widest);
}

} // namespace classroom
