// The bench lit by a lamp or by white light, and the measuring cursor: the
// same frame, grating and rays as paint_st, then every line or colour of the
// source at once. Nothing can be selected; the cursor plays the selected
// maximum's part for the ray and the angle marker.
#include "scene.h"

#include "lamp_spectra.h"
#include "measuring_cursor.h"
#include "quantities.h"
#include "scale_rule.h"
#include "scene_drawing.h"
#include "spectrum.h"

#include <algorithm>
#include <array>

namespace bench {

using namespace scene_drawing;

namespace {

constexpr TColor kCursorGrey = RGB(160, 160, 160);

// White light's bands fill the columns 790..849: as far right as a width-3
// maximum reaches, and 60 pixels long, shorter than the central maximum.
constexpr int kBandFirst = 790;
constexpr int kBandEnd = 850; // exclusive

// Light adds: each channel sums and saturates.
struct Sum {
    int r = 0, g = 0, b = 0;
    void add(TColor c)
    {
        r += redOf(c);
        g += greenOf(c);
        b += blueOf(c);
    }
    bool dark() const { return r == 0 && g == 0 && b == 0; }
    TColor colour() const { return RGB(std::min(r, 255), std::min(g, 255), std::min(b, 255)); }
};

} // namespace

TColor sourceColour(const QImage &strip, LightSource source)
{
    if (source == LightSource::White)
        return kWhite;
    if (source == LightSource::Mono)
        return kBlack;
    Sum sum;
    for (const SpectrumLine &l : lampSpectrum(source))
        sum.add(spektr_color(strip, l.nm - kMinWavelength));
    return sum.colour();
}

void BenchScene::paintSource(TBenchState &state, SceneBindings &bindings, LightSource source, int cursorOffset)
{
    TCanvas &bench = bench_.Canvas();
    const int Y = state.y_os;

    // The curve belongs to one wavelength: with many it is left out.
    TCanvas &curve = curve_.Canvas();
    curve.Brush.Color = kBlack;
    curve.FillRect(curve.ClipRect());

    startBench(Y);
    drawGratingAndRays(state.d_gr, sourceColour(strip_, source));
    line(bench, kMaxEnd, Y, 768, Y);
    state.mx_len = {};
    state.mx_len[0] = 80;

    if (source == LightSource::White)
        paintWhiteBands(state);
    else
        paintLampLines(state, source);

    for (int i = 0; i < kTargetCount; ++i)
        bindings.setTargetRect(i, QRect());

    bench.Pen.Color = kRayGrey;
    bench.Pen.setWidth(1);
    line(bench, 125, Y, kMaxEnd, Y - cursorOffset);
    bindings.setArcUpVisible(cursorOffset > 0);
    bindings.setArcDownVisible(cursorOffset < 0);
    bindings.setPhiTop(cursorOffset > 0 ? 185 : cursorOffset < 0 ? 270 : 2000);
    bindings.setDistanceText(cursorText(cursorOffset, format_));
}

void BenchScene::paintLampLines(const TBenchState &state, LightSource source)
{
    TCanvas &bench = bench_.Canvas();
    const int Y = state.y_os;
    const auto lines = lampSpectrum(source);
    // Brightest, so longest, first: a weaker line on the same row stays
    // visible at the screen end of the brighter one.
    for (const SpectrumLine &l : lines) {
        const int L = lineLength(l.intensity, lines.front().intensity);
        bench.Pen.Color = spektr_color(strip_, l.nm - kMinWavelength);
        bench.Pen.setWidth(3);
        for (int j = 1; j <= kMaxOrder; ++j) {
            const int r = int(maximumRowOffset(j, l.nm, state.d_gr, format_));
            line(bench, kMaxEnd, Y - r, kMaxEnd - L, Y - r);
            line(bench, kMaxEnd, Y + r, kMaxEnd - L, Y + r);
        }
    }
}

void BenchScene::paintWhiteBands(const TBenchState &state)
{
    TCanvas &bench = bench_.Canvas();
    const int Y = state.y_os;
    std::array<Sum, kBenchHeight> rows{};
    for (int k = 1; k <= kMaxOrder; ++k) {
        const std::int64_t first = maximumRowOffset(k, kMinWavelength, state.d_gr, format_);
        const std::int64_t last = maximumRowOffset(k, kMaxWavelength, state.d_gr, format_);
        for (std::int64_t r = std::max<std::int64_t>(first, 0); r <= last && r <= Y + kBenchHeight; ++r) {
            // The wavelength that lands r rows from the axis in order k:
            // y = k * lambda * 50 * 1e-4 / d cm, 40 rows per cm.
            const auto nm = std::clamp<std::int64_t>(Round(Extended(r) * 5 * Extended(state.d_gr) / k), kMinWavelength,
                kMaxWavelength);
            const TColor c = spektr_color(strip_, int(nm) - kMinWavelength);
            for (const std::int64_t row : {Y - r, Y + r}) {
                if (row >= 0 && row < kBenchHeight)
                    rows[size_t(row)].add(c);
            }
        }
    }
    for (int row = 0; row < kBenchHeight; ++row) {
        if (rows[size_t(row)].dark())
            continue;
        bench.Brush.Color = rows[size_t(row)].colour();
        bench.FillRect(TRect{kBandFirst, row, kBandEnd, row + 1});
    }
    bench.Brush.Color = kBlack;
}

void BenchScene::drawCursor(int Y, int cursorOffset)
{
    TCanvas &bench = bench_.Canvas();
    bench.Pen.Color = kCursorGrey;
    bench.Pen.setWidth(1);
    // A width-1 line leaves out its end: this one ends on the last column.
    line(bench, kCursorFirstColumn, Y - cursorOffset, kCursorLastColumn + 1, Y - cursorOffset);
}

} // namespace bench
