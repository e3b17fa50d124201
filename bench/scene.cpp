#include "scene.h"

#include "bench_texts.h"
#include "quantities.h"
#include "scale_rule.h"
#include "scene_drawing.h"
#include "spectrum.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace bench {

using namespace scene_drawing;

namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;

// Where the curve canvas lands on the bench canvas.
constexpr int kCurveLeft = 767;
constexpr int kCurveTop = -155;

// The columns searched for the curve.
constexpr int kSearchFirst = 768;
constexpr int kSearchLast = 849;

// Farther than this from the axis a row lies far off both surfaces, and a ray
// aimed there draws the same pixels as one aimed at the true row. Clamping
// keeps the coordinates of absurd typed wavelengths within int range.
constexpr std::int64_t kFarOffset = std::int64_t(1) << 22;

int clampOffset(std::int64_t r)
{
    return int(std::clamp(r, -kFarOffset, kFarOffset));
}

} // namespace

BenchScene::BenchScene(QImage strip, QImage lens, NumberFormat format)
    : strip_(std::move(strip)), lens_(std::move(lens)), format_(format)
{
    curve_.Transparent = true;
}

void BenchScene::paint_st(TBenchState &state, SceneBindings &bindings)
{
    paintPass(state, bindings, true);
}

// The bench canvas after its clear and the fixed drawing: lens, axis, screen,
// scale with labels, captions, arrowhead and the focal-length dimension.
void BenchScene::drawFrame(TCanvas &canvas, int Y) const
{
    canvas.Pen.setWidth(1);
    canvas.Brush.Color = kBlack;
    canvas.FillRect(canvas.ClipRect());

    canvas.Pen.setWidth(1);
    canvas.Pen.Color = kWhite;
    canvas.Draw(98, 59, lens_);
    line(canvas, 125, Y, 850, Y);
    line(canvas, 850, Y - 210, 850, Y + 217);

    for (int i = 0; i <= 20; ++i) {
        const int length = i % 2 == 1 ? 8 : 16;
        const int y = Y - 200 + 20 * i;
        line(canvas, 850, y, 850 + length, y);
    }

    canvas.Font.Name = QStringLiteral("Arial");
    canvas.Font.Size = 14;
    canvas.Font.Color = kWhite;
    for (int n = 0; n <= 5; ++n)
        canvas.TextOut(870, Y - 10 - 40 * n, IntToStr(n));
    for (int n = 1; n <= 5; ++n)
        canvas.TextOut(870, Y - 10 + 40 * n, IntToStr(n));

    canvas.TextOut(800, Y - 220, BenchTexts::tr("y, см"));
    canvas.TextOut(470, Y + 190, BenchTexts::tr("F = 50см"));

    canvas.MoveTo(847, Y - 205);
    canvas.LineTo(850, Y - 217);
    canvas.LineTo(853, Y - 205);

    canvas.MoveTo(849, Y + 210);
    canvas.LineTo(840, Y + 213);
    canvas.LineTo(840, Y + 207);
    canvas.LineTo(849, Y + 210);
    canvas.LineTo(112, Y + 210);
    canvas.LineTo(121, Y + 213);
    canvas.LineTo(121, Y + 207);
    canvas.LineTo(112, Y + 210);
    line(canvas, 111, Y + 217, 111, Y + 157);
}

void BenchScene::startBench(int Y)
{
    TCanvas &bench = bench_.Canvas();
    if (!caching_) {
        drawFrame(bench, Y);
        return;
    }
    // The copy leaves the pixels and the tools exactly as drawing it would.
    const TBitmap &cached = frame(Y);
    bench.Draw(0, 0, cached);
    bench.Pen = cached.Canvas().Pen;
    bench.Brush = cached.Canvas().Brush;
    bench.Font = cached.Canvas().Font;
    bench.PenPos = cached.Canvas().PenPos;
}

// The grating's bars in grey, then one incident ray through the middle of
// each gap in the light's colour; the pen stays 3 wide in that colour.
void BenchScene::drawGratingAndRays(double d_gr, TColor light)
{
    TCanvas &bench = bench_.Canvas();
    bench.Pen.Color = kGratingGrey;
    bench.Pen.setWidth(3);
    const int n = int(Round(10 * Extended(d_gr)));
    const int period = std::max(2 * n, 1); // bars and gaps; never 0, or no loop would end
    for (int s = 0; s <= 310; s += period)
        line(bench, 80, 65 + s, 80, 65 + s + n);

    bench.Pen.Color = light;
    const int gapMiddle = int(Round(Extended(1.5) * n));
    for (int s = 0; s <= 290; s += period) {
        const int u = gapMiddle + 65 + s;
        line(bench, 20, u, 75, u);
        bench.MoveTo(40, u - 4);
        bench.LineTo(50, u);
        bench.LineTo(40, u + 4);
    }
}

const TBitmap &BenchScene::frame(int Y)
{
    if (!frame_ || frameAxis_ != Y) {
        frame_ = std::make_unique<TBitmap>(kBenchWidth, kBenchHeight);
        drawFrame(frame_->Canvas(), Y);
        frameAxis_ = Y;
    }
    return *frame_;
}

// Curve column of the point on row h + i, i = 0..lambda. One period of the
// cosine spans lambda rows: the curve's shape is the wavelength itself, and
// the maxima are measured against it.
const std::vector<std::uint8_t> &BenchScene::curveColumns(int lambda)
{
    if (lambda < 1) { // no curve for a state outside the strip's range
        scratchCurve_.clear();
        return scratchCurve_;
    }
    const bool keep = caching_ && lambda >= kMinWavelength && lambda <= kMaxWavelength;
    if (keep && curves_.empty())
        curves_.resize(size_t(kMaxOffset + 1));
    std::vector<std::uint8_t> &columns = keep ? curves_[size_t(lambda - kMinWavelength)] : scratchCurve_;
    if (keep && !columns.empty())
        return columns;
    columns.assign(size_t(lambda) + 1, 0);
    for (int i = 0; i <= lambda; ++i) {
        const double theta = double(Extended(i) * 2 * kPi / lambda);
        columns[size_t(i)] = std::uint8_t(Round(40 * std::cos(Extended(theta)) + 40));
    }
    return columns;
}

void BenchScene::paintPass(TBenchState &state, SceneBindings &bindings, bool orderGuard)
{
    TCanvas &bench = bench_.Canvas();
    TCanvas &curve = curve_.Canvas();
    const int Y = state.y_os;
    const int lambda = wavelength(state);

    curve.Brush.Color = kBlack;
    curve.FillRect(curve.ClipRect());
    curve.Pen.Color = kCurveGrey;

    const int h = int(Round(Extended(760 - lambda) / 2));
    line(curve, 80, 0, 80, h + 1);
    line(curve, 80, 759 - h, 80, 760);

    startBench(Y);

    const std::vector<std::uint8_t> &columns = curveColumns(lambda);
    for (size_t i = 0; i < columns.size(); ++i)
        curve.SetPixel(columns[i], h + int(i), kCurveGrey);
    bench.Draw(kCurveLeft, kCurveTop, curve_);

    const TColor light = spektr_color_at(strip_, bindings.sliderTopLeft(), bindings.stripTopLeft());
    drawGratingAndRays(state.d_gr, light);

    bench.Pen.Color = spektr_color_at(strip_, bindings.sliderTopLeft(), bindings.stripTopLeft());
    bench.Pen.setWidth(3);
    line(bench, kMaxEnd, Y, 768, Y);
    state.mx_len[0] = 80;

    // Throws on a typed non-integer: nothing below has been touched yet.
    const std::int32_t lambdaT = StrToInt(bindings.wavelengthText());
    bindings.setDistanceText(distanceText(state.k_one, lambdaT, state.d_gr, format_));
    const Extended q = StrToFloat(bindings.distanceText(), format_);

    std::array<int, 9> offset{};
    int L = 0;
    for (int j = 1; j <= kMaxOrder; ++j) {
        const int r = clampOffset(pixelOffset(j, q));
        offset[size_t(j)] = r;
        for (int x = kSearchFirst; x <= kSearchLast; ++x) {
            if (bench.Pixel(x, Y - r) == kCurveGrey) {
                L = kMaxEnd - x;
                break;
            }
        }
        bench.Pen.Color = light;
        bench.Pen.setWidth(3);
        line(bench, kMaxEnd, Y - r, kMaxEnd - L, Y - r);
        line(bench, kMaxEnd, Y + r, kMaxEnd - L, Y + r);
        state.mx_len[size_t(j)] = L;
    }

    // Each target ends where its maximum ends, 10 rows high and centred on
    // it; they live in GroupBox3, where the bench canvas stands.
    const auto target = [Y](int rowOffset, int len) {
        return QRect(kMaxEnd - len, Y + rowOffset - 5, len, 10).translated(kBenchCanvasTopLeft);
    };
    bindings.setTargetRect(kImg0, target(0, state.mx_len[0]));
    for (int j = 1; j <= kMaxOrder; ++j) {
        const int len = state.mx_len[size_t(j)];
        const int r = offset[size_t(j)];
        bindings.setTargetRect(upperTarget(j), target(-r, len));
        bindings.setTargetRect(lowerTarget(j), target(r, len));
    }

    bindings.setDistanceText(distanceText(state.k_sel, lambdaT, state.d_gr, format_));
    const std::int64_t R = shownRowOffset(bindings.distanceText(), format_);

    bench.Pen.Color = kRayGrey;
    bench.Pen.setWidth(1);
    bench.MoveTo(125, Y);
    if (orderGuard && !onTheScale(R)) {
        // Beyond the scale: select order 1 as its target's click does. The
        // second pass keeps whatever it finds, so this cannot repeat.
        state.k_sel = 1;
        paintPass(state, bindings, false);
        return;
    }
    bench.LineTo(kMaxEnd, Y - clampOffset(R));

    if (R == 0) {
        bindings.setArcUpVisible(false);
        bindings.setArcDownVisible(false);
        bindings.setPhiTop(kPhiTopHidden);
    }
    if (R > 0) {
        bindings.setArcUpVisible(true);
        bindings.setArcDownVisible(false);
        bindings.setPhiTop(kPhiTopAbove);
    }
    if (R < 0) {
        bindings.setArcUpVisible(false);
        bindings.setArcDownVisible(true);
        bindings.setPhiTop(kPhiTopBelow);
    }

    bindings.setOrderText(IntToStr(std::abs(std::int64_t(state.k_sel))));
}

} // namespace bench
