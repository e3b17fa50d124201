// The bench lit by a lamp or by white light, and the measuring cursor: the
// same frame, grating and rays as paint_st, then every line or colour of the
// source at once. Nothing can be selected; the cursor plays the selected
// maximum's part for the ray and the angle marker.
#include "scene.h"

#include "colorimetry.h"
#include "lamp_spectra.h"
#include "measuring_cursor.h"
#include "order_envelope.h"
#include "quantities.h"
#include "scale_rule.h"
#include "scene_drawing.h"
#include "spectrum.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace bench {

using namespace scene_drawing;

namespace {

constexpr TColor kCursorGrey = RGB(160, 160, 160);

// White light's bands end on column 849, as far right as a width-3 maximum
// reaches, and are at most 60 pixels long (columns 790..849), shorter than
// the central maximum; the envelope shortens them as it does the maxima.
constexpr int kBandFirst = 790;
constexpr int kBandEnd = 850; // exclusive
constexpr int kBandLongest = kBandEnd - kBandFirst - 2;

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

TColor sourceColour(LightSource source)
{
    if (source == LightSource::White)
        return kWhite;
    if (source == LightSource::Mono)
        return kBlack;
    std::vector<EmissionLine> lines;
    for (const SpectrumLine &l : lampSpectrum(source))
        lines.push_back({l.nm(), double(l.intensity)});
    return mixedColour(lines);
}

std::vector<DrawnMaximum> lampMaxima(LightSource source, double d_gr, const NumberFormat &format)
{
    const auto lines = lampSpectrum(source);
    double brightest = 0;
    for (const SpectrumLine &l : lines)
        brightest = std::max(brightest, brightness(l));
    std::vector<DrawnMaximum> maxima;
    for (const SpectrumLine &l : lines) {
        const int longest = lineLength(brightness(l), brightest);
        for (int j = 1; j <= kMaxOrder; ++j) {
            const std::int64_t r = maximumRowOffset(j, l.wholeNm(), d_gr, format);
            const double envelope = orderEnvelope(l.nm(), double(r) / kCursorRowsPerCm);
            maxima.push_back({l.wholeNm(), j, r, maximumLength(envelope, longest)});
        }
    }
    return maxima;
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
    drawGratingAndRays(state.d_gr, sourceColour(source));
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
    std::vector<DrawnMaximum> maxima = lampMaxima(source, state.d_gr, format_);
    // Longest first: a shorter maximum on the same row stays visible at the
    // screen end of the longer one.
    std::stable_sort(maxima.begin(), maxima.end(),
        [](const DrawnMaximum &a, const DrawnMaximum &b) { return a.length > b.length; });
    bench.Pen.setWidth(3);
    for (const DrawnMaximum &m : maxima) {
        bench.Pen.Color = spektr_color(strip_, m.nm - kMinWavelength);
        const int r = int(m.row);
        line(bench, kMaxEnd, Y - r, kMaxEnd - m.length, Y - r);
        line(bench, kMaxEnd, Y + r, kMaxEnd - m.length, Y + r);
    }
}

void BenchScene::paintWhiteBands(const TBenchState &state)
{
    TCanvas &bench = bench_.Canvas();
    const int Y = state.y_os;
    // Per row, each order's colour and how many columns left of the last it reaches.
    std::array<std::vector<std::pair<int, TColor>>, kBenchHeight> rows{};
    for (int k = 1; k <= kMaxOrder; ++k) {
        const std::int64_t first = maximumRowOffset(k, kMinWavelength, state.d_gr, format_);
        const std::int64_t last = maximumRowOffset(k, kMaxWavelength, state.d_gr, format_);
        for (std::int64_t r = std::max<std::int64_t>(first, 0); r <= last && r <= Y + kBenchHeight; ++r) {
            // The wavelength that lands r rows from the axis in order k:
            // y = k * lambda * 50 * 1e-4 / d cm, 40 rows per cm.
            const auto nm = std::clamp<std::int64_t>(Round(Extended(r) * 5 * Extended(state.d_gr) / k), kMinWavelength,
                kMaxWavelength);
            const TColor c = spektr_color(strip_, int(nm) - kMinWavelength);
            const int reach = maximumLength(orderEnvelope(double(nm), double(r) / kCursorRowsPerCm), kBandLongest);
            for (const std::int64_t row : {Y - r, Y + r}) {
                if (row >= 0 && row < kBenchHeight)
                    rows[size_t(row)].emplace_back(reach, c);
            }
        }
    }
    for (int row = 0; row < kBenchHeight; ++row) {
        for (int x = kBandFirst; x < kBandEnd; ++x) {
            Sum sum;
            for (const auto &[reach, c] : rows[size_t(row)]) {
                if (kBandEnd - 1 - x <= reach)
                    sum.add(c);
            }
            if (!sum.dark())
                bench.SetPixel(x, row, sum.colour());
        }
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
