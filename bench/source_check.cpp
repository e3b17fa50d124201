#include "source_check.h"

#include "answer_check.h"
#include "bench_state.h"
#include "lamp_spectra.h"
#include "measuring_cursor.h"
#include "task_code.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace bench {

namespace {

std::vector<int> featuresOf(LightSource source)
{
    if (source == LightSource::White)
        return {kMinWavelength, kMaxWavelength};
    std::vector<int> nm;
    for (const SpectrumLine &line : lampSpectrum(source))
        nm.push_back(line.wholeNm());
    return nm;
}

} // namespace

std::optional<int> typedOrder(const QString &text)
{
    const auto k = decimalDigits(QStringView(text).trimmed());
    if (!k || *k < 1 || *k > kMaxOrder)
        return std::nullopt;
    return int(*k);
}

SourceJudgement judgeSourceAnswer(const QString &answer, const CursorReadouts &shown, LightSource source,
    const NumberFormat &format)
{
    const std::vector<int> features = featuresOf(source);
    return judgeMeasuredAnswer(answer, shown, features, format);
}

SourceJudgement judgeMeasuredAnswer(const QString &answer, const CursorReadouts &shown, std::span<const int> features,
    const NumberFormat &format)
{
    const auto k = typedOrder(shown.order);
    if (!k)
        return {false, SourceHint::OrderMissing, std::nullopt};
    const auto lambda = formulaWavelength(ShownReadouts{QString(), shown.grating, shown.distance, *k}, format);
    if (!lambda)
        return {false, SourceHint::OffTheLine, std::nullopt};
    const long double computed = (long double)lambda->numerator / (long double)lambda->denominator;
    const long double pixelNm = 5.0L * shown.d_gr / *k;
    const int row = std::abs(shown.cursorOffset);

    std::optional<int> feature;
    long double nearest = 0;
    for (const int nm : features) {
        const long double off = std::fabs(computed - nm);
        const bool near = off <= pixelNm || std::llabs(maximumRowOffset(*k, nm, shown.d_gr, format) - row) <= 1;
        if (near && (!feature || off < nearest)) {
            feature = nm;
            nearest = off;
        }
    }
    if (!feature)
        return {false, SourceHint::OffTheLine, std::nullopt};

    if (!formulaAccepts(answer, ShownReadouts{QString(), shown.grating, shown.distance, *k}, format))
        return {false, SourceHint::Arithmetic, feature};
    return {true, SourceHint::None, feature};
}

} // namespace bench
