#include "case_name.h"
#include "scene.h"
#include "spectrum.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

using namespace bench;

namespace {

constexpr TColor kBlack = RGB(0, 0, 0);
constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kCurveGrey = RGB(120, 120, 120);
constexpr TColor kGratingGrey = RGB(200, 200, 200);
constexpr TColor kRayGrey = RGB(180, 180, 180);
constexpr TColor kViolet = RGB(182, 0, 182); // the strip at 380 nm
constexpr int Y = 223;

// A made-up lens: every pixel differs from its neighbours, and its
// bottom-left colour recurs inside, so a keyed copy would leave holes.
QImage syntheticLens()
{
    QImage lens(27, 323, QImage::Format_RGB32);
    for (int y = 0; y < 323; ++y)
        for (int x = 0; x < 27; ++x)
            lens.setPixel(x, y, qRgb(10 + 9 * x, y % 251, 60));
    for (int y = 300; y < 323; ++y)
        lens.setPixel(0, y, qRgb(10, 20, 30));
    return lens;
}

struct Bench {
    TBenchState state;
    PlainSceneBindings bindings;
    BenchScene scene{makeSpectrumStrip(), syntheticLens(), NumberFormat{u','}};

    // What the slider handler does before it renders.
    void setWavelength(int nm)
    {
        state.dl_ofs = nm - 380;
        bindings.slider.setX(316 + state.dl_ofs);
        bindings.wavelength = QString::number(nm);
    }
    void paint() { scene.paint_st(state, bindings); }
    TColor px(int x, int y) const { return scene.benchCanvas().Canvas().Pixel(x, y); }
    QImage image() const { return scene.benchCanvas().image(); }
};

struct SceneCase {
    const char *name;
    int nm;
    double grating;
    int order;
    std::vector<int> lengths; // mx_len[0..8]
    const char *distance;
    const char *orderText;
    int orderAfter;
    int rayRow; // row of the ray at column 847
    int phiTop;
    bool arcUp, arcDown;
    std::vector<int> offsets; // r of orders 1..8
};

void PrintTo(const SceneCase &c, std::ostream *os)
{
    *os << c.name;
}

class SceneStates : public ::testing::TestWithParam<SceneCase> {};

TEST_P(SceneStates, LengthsTextsTargetsAndRay)
{
    const SceneCase &c = GetParam();
    Bench b;
    b.paint();
    b.setWavelength(c.nm);
    b.state.d_gr = c.grating;
    b.state.k_sel = c.order;
    b.paint();

    EXPECT_EQ(std::vector<int>(b.state.mx_len.begin(), b.state.mx_len.end()), c.lengths);
    EXPECT_EQ(b.bindings.distance, QString::fromUtf8(c.distance));
    EXPECT_EQ(b.bindings.order, QString::fromUtf8(c.orderText));
    EXPECT_EQ(b.state.k_sel, c.orderAfter);
    EXPECT_EQ(b.bindings.arcUpVisible, c.arcUp);
    EXPECT_EQ(b.bindings.arcDownVisible, c.arcDown);
    EXPECT_EQ(b.bindings.phiTop, c.phiTop);

    EXPECT_EQ(b.bindings.targets[kImg0], QRect(784, Y + 10, 80, 10));
    for (int j = 1; j <= 8; ++j) {
        const int len = c.lengths[size_t(j)], r = c.offsets[size_t(j - 1)];
        EXPECT_EQ(b.bindings.targets[size_t(upperTarget(j))], QRect(864 - len, Y - r + 10, len, 10)) << j;
        EXPECT_EQ(b.bindings.targets[size_t(lowerTarget(j))], QRect(864 - len, Y + r + 10, len, 10)) << j;
    }
    // Each maximum is a width-3 line reaching from column 848 - L - 1 to
    // 849, the one below as long as the one above (the ray near its end aside).
    const TColor light = b.px(820, Y + 1);
    for (int j = 1; j <= 8; ++j) {
        const int len = c.lengths[size_t(j)], r = c.offsets[size_t(j - 1)];
        for (int row : {Y - r, Y + r}) {
            if (row < 0 || row >= 445 || (row == Y - r && j == c.orderAfter) || (row == Y + r && j == -c.orderAfter))
                continue;
            for (int x = 848 - len - 1; x <= 849; ++x)
                ASSERT_EQ(b.px(x, row), light) << j << " row " << row << " x " << x;
            EXPECT_NE(b.px(848 - len - 2, row), light) << j << " row " << row;
        }
    }
    // The ray ends just short of the screen, at its own rounded row.
    EXPECT_EQ(b.px(847, c.rayRow), kRayGrey);
    EXPECT_EQ(b.px(126, Y), kRayGrey);
}

INSTANTIATE_TEST_SUITE_P(Bench, SceneStates,
    ::testing::Values(SceneCase{"Initial", 380, 1.0, 1, {80, 52, 8, 8, 8, 8, 8, 8, 8}, "1,90", "1", 1, Y - 76, 185,
                          true, false, {76, 152, 228, 304, 380, 456, 532, 608}},
        SceneCase{"Red760", 760, 1.0, 1, {80, 53, 53, 53, 53, 53, 53, 53, 53}, "3,80", "1", 1, Y - 152, 185, true,
            false, {152, 304, 456, 608, 760, 912, 1064, 1216}},
        SceneCase{"Odd381RoundsHalfUp", 381, 1.0, 1, {80, 52, 7, 7, 7, 7, 7, 7, 7}, "1,91", "1", 1, Y - 76, 185, true,
            false, {76, 153, 229, 306, 382, 458, 535, 611}},
        SceneCase{"Green500AtD2", 500, 2.0, 1, {80, 73, 52, 28, 8, 8, 8, 8, 8}, "1,25", "1", 1, Y - 50, 185, true,
            false, {50, 100, 150, 200, 250, 300, 350, 400}},
        SceneCase{"Violet380AtD3", 380, 3.0, 1, {80, 77, 67, 52, 36, 20, 8, 2, 1}, "0,63", "1", 1, Y - 25, 185, true,
            false, {25, 50, 76, 101, 126, 151, 176, 202}},
        SceneCase{"Order7RayRoundedFromItsOwnDistance", 380, 3.0, 7, {80, 77, 67, 52, 36, 20, 8, 2, 1}, "4,43", "7", 7,
            Y - 177, 185, true, false, {25, 50, 76, 101, 126, 151, 176, 202}},
        SceneCase{"Order8FallsBackToOrder1", 380, 3.0, 8, {80, 77, 67, 52, 36, 20, 8, 2, 1}, "0,63", "1", 1, Y - 25,
            185, true, false, {25, 50, 76, 101, 126, 151, 176, 202}},
        SceneCase{"OrderMinus3FallsBackToOrder1", 380, 1.0, -3, {80, 52, 8, 8, 8, 8, 8, 8, 8}, "1,90", "1", 1, Y - 76,
            185, true, false, {76, 152, 228, 304, 380, 456, 532, 608}},
        SceneCase{"Order2", 380, 1.0, 2, {80, 52, 8, 8, 8, 8, 8, 8, 8}, "3,80", "2", 2, Y - 152, 185, true, false,
            {76, 152, 228, 304, 380, 456, 532, 608}},
        SceneCase{"CentralOrder", 380, 1.0, 0, {80, 52, 8, 8, 8, 8, 8, 8, 8}, "0,00", "0", 0, Y, 2000, false, false,
            {76, 152, 228, 304, 380, 456, 532, 608}},
        SceneCase{"OrderMinus1GoesBelow", 380, 1.0, -1, {80, 52, 8, 8, 8, 8, 8, 8, 8}, "-1,90", "1", -1, 299, 270,
            false, true, {76, 152, 228, 304, 380, 456, 532, 608}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Scene, LightColourFollowsTheSlider)
{
    Bench b;
    b.paint();
    EXPECT_EQ(b.px(820, Y), kViolet);
    b.setWavelength(500);
    b.paint();
    EXPECT_EQ(b.px(820, Y), RGB(0, 248, 165));
    EXPECT_EQ(b.px(30, 80), RGB(0, 248, 165));
    b.setWavelength(760);
    b.paint();
    EXPECT_EQ(b.px(820, Y - 1), RGB(114, 0, 0));
}

TEST(Scene, Order7LineAndRayLieOnDifferentRows)
{
    Bench b;
    b.state.d_gr = 3.0;
    b.state.k_sel = 7;
    b.paint();
    // The maximum (length 2) is centred on Y - 176, the ray reaches Y - 177.
    EXPECT_EQ(b.px(847, Y - 176), kViolet);
    EXPECT_EQ(b.px(847, Y - 177), kRayGrey);
    EXPECT_NE(b.px(847, Y - 176), kRayGrey);
}

TEST(Scene, CentralOrderRayRunsAlongTheAxis)
{
    Bench b;
    b.state.k_sel = 0;
    b.paint();
    for (int x : {126, 500, 770, 847})
        EXPECT_EQ(b.px(x, Y), kRayGrey) << x;
    EXPECT_EQ(b.px(848, Y), kViolet); // the central maximum's end stays
}

TEST(Scene, TypedNonIntegerStopsBeforeTheMaxima)
{
    Bench b;
    b.paint();
    const auto targetsBefore = b.bindings.targets;
    const auto lengthsBefore = b.state.mx_len;
    b.bindings.wavelength = QStringLiteral("4a0");
    b.state.k_sel = -1;
    try {
        b.paint();
        FAIL() << "no conversion error";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'4a0' is not a valid integer value."));
    }
    EXPECT_EQ(b.bindings.distance, QStringLiteral("1,90"));
    EXPECT_EQ(b.bindings.order, QStringLiteral("1"));
    EXPECT_EQ(b.bindings.targets, targetsBefore);
    EXPECT_EQ(b.state.mx_len, lengthsBefore);
    EXPECT_TRUE(b.bindings.arcUpVisible);
    EXPECT_FALSE(b.bindings.arcDownVisible);
    EXPECT_EQ(b.bindings.phiTop, 185);
    EXPECT_EQ(b.state.k_sel, -1);

    // Frame, curve, grating, rays and central maximum are there ...
    EXPECT_EQ(b.px(500, Y), kWhite);
    EXPECT_EQ(b.px(767, 225), kCurveGrey);
    EXPECT_EQ(b.px(80, 70), kGratingGrey);
    EXPECT_EQ(b.px(30, 80), kViolet);
    EXPECT_EQ(b.px(800, Y), kViolet);
    // ... but neither the maxima of order 1 nor any ray.
    EXPECT_EQ(b.px(830, Y - 76), kBlack);
    EXPECT_EQ(b.px(830, Y + 76), kBlack);
    EXPECT_NE(b.px(126, Y), kRayGrey);
    EXPECT_NE(b.px(847, Y + 76), kRayGrey);
}

struct HugeCase {
    const char *text;
    int rayFromRow, rayToRow; // column 125 carries the ray over these rows
    const char *distance;
};

void PrintTo(const HugeCase &c, std::ostream *os)
{
    *os << c.text;
}

class HugeTypedWavelength : public ::testing::TestWithParam<HugeCase> {};

// Order 1 itself lies millions of pixels off: one fall-back, then the pass ends.
TEST_P(HugeTypedWavelength, FallsBackOnceAndDrawsWhatLiesOnTheCanvas)
{
    const HugeCase &c = GetParam();
    Bench b;
    b.paint();
    b.bindings.wavelength = QString::fromUtf8(c.text);
    b.state.k_sel = 5;
    b.paint();
    EXPECT_EQ(b.state.k_sel, 1);
    EXPECT_EQ(b.bindings.order, QStringLiteral("1"));
    EXPECT_EQ(b.bindings.distance, QString::fromUtf8(c.distance));
    for (int j = 1; j <= 8; ++j)
        EXPECT_EQ(b.state.mx_len[size_t(j)], 0) << j; // nothing matched: the start length
    for (int y = c.rayFromRow; y <= c.rayToRow; ++y)
        ASSERT_EQ(b.px(125, y), kRayGrey) << y;
    EXPECT_NE(b.px(126, 0), kRayGrey);
    EXPECT_NE(b.px(126, 444), kRayGrey);
}

INSTANTIATE_TEST_SUITE_P(Bench, HugeTypedWavelength,
    ::testing::Values(HugeCase{"2147483647", 0, Y, "1,07E07"}, HugeCase{"$7FFFFFFF", 0, Y, "1,07E07"},
        HugeCase{"-2147483648", Y, 444, "-1,07E07"}),
    [](const auto &info) { return case_name::spelled(QString::fromUtf8(info.param.text)); });

TEST(Scene, LengthIsMeasuredFromTheCanvasNotComputed)
{
    // Typed 0: every maximum sits on the axis row, where no curve pixel lies
    // in the searched columns, so no length is ever found.
    Bench b;
    b.bindings.wavelength = QStringLiteral("0");
    b.paint();
    EXPECT_EQ(b.bindings.distance, QStringLiteral("0,00"));
    for (int j = 1; j <= 8; ++j)
        EXPECT_EQ(b.state.mx_len[size_t(j)], 0);
    EXPECT_FALSE(b.bindings.arcUpVisible);
    EXPECT_FALSE(b.bindings.arcDownVisible);
    EXPECT_EQ(b.bindings.phiTop, 2000);
}

TEST(SceneGeometry, AxisScreenTicksAndArrowhead)
{
    Bench b;
    b.paint();
    for (int x : {300, 600, 700, 766})
        EXPECT_EQ(b.px(x, Y), kWhite) << x;
    for (int y = Y - 210; y <= Y + 216; ++y)
        ASSERT_EQ(b.px(850, y), kWhite) << y;
    EXPECT_EQ(b.px(850, Y + 217), kBlack);
    for (int i = 0; i <= 20; ++i) {
        const int y = Y - 200 + 20 * i;
        EXPECT_EQ(b.px(857, y), kWhite) << i;
        EXPECT_EQ(b.px(858, y), i % 2 == 0 ? kWhite : kBlack) << i;
        EXPECT_EQ(b.px(865, y), i % 2 == 0 ? kWhite : kBlack) << i;
        EXPECT_EQ(b.px(866, y), kBlack) << i;
    }
    EXPECT_EQ(b.px(850, Y - 217), kWhite); // tip of the arrowhead
    EXPECT_EQ(b.px(850, Y - 218), kBlack);
    EXPECT_EQ(b.px(848, Y - 209), kWhite);
    EXPECT_EQ(b.px(853, Y - 205), kBlack); // the arrowhead's last point is left out
}

TEST(SceneGeometry, FocalLengthDimensionAndExtension)
{
    Bench b;
    b.paint();
    for (int x = 112; x <= 849; ++x) {
        if (x != 847) { // where the copied lower guide line crosses it
            ASSERT_EQ(b.px(x, Y + 210), kWhite) << x;
        }
    }
    EXPECT_EQ(b.px(847, Y + 210), kCurveGrey);
    for (int y = Y + 207; y <= Y + 213; ++y) {
        EXPECT_EQ(b.px(840, y), kWhite) << y;
        EXPECT_EQ(b.px(121, y), kWhite) << y;
    }
    EXPECT_EQ(b.px(850, Y + 210), kWhite); // the screen, not the dimension line
    for (int y = Y + 158; y <= Y + 217; ++y)
        ASSERT_EQ(b.px(111, y), kWhite) << y;
    EXPECT_EQ(b.px(111, Y + 218), kBlack);
    EXPECT_EQ(b.px(110, Y + 190), kBlack);
}

TEST(SceneGeometry, LensIsCopiedOpaqueAtItsPlace)
{
    Bench b;
    b.paint();
    const QImage lens = syntheticLens();
    for (int sy = 0; sy < 323; ++sy) {
        for (int sx = 0; sx < 27; ++sx) {
            if (sx + 98 == 111 && sy + 59 == Y + 158)
                continue; // the extension line crosses the lens's last row
            ASSERT_EQ(b.px(98 + sx, 59 + sy), fromQRgb(lens.pixel(sx, sy))) << sx << "," << sy;
        }
    }
    EXPECT_EQ(b.px(97, 200), kBlack);
}

TEST(SceneGeometry, ScaleLabelsAndCaptionsAreWhiteOnBlack)
{
    Bench b;
    b.paint();
    auto hasWhite = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (b.px(x, y) == kWhite)
                    return true;
        return false;
    };
    for (int n = -5; n <= 5; ++n)
        EXPECT_TRUE(hasWhite(870, Y - 10 - 40 * n, 885, Y + 12 - 40 * n)) << n;
    EXPECT_TRUE(hasWhite(800, Y - 220, 847, Y - 200));
    EXPECT_TRUE(hasWhite(470, Y + 190, 560, Y + 210));
    EXPECT_FALSE(hasWhite(886, 0, 945, 445)); // nothing right of the labels
}

TEST(SceneGeometry, CurveGuideLinesAndTransparentCopy)
{
    Bench b;
    b.setWavelength(500); // h = 130: curve rows 130..630
    b.paint();
    const TCanvas &curve = b.scene.curveCanvas().Canvas();
    EXPECT_TRUE(b.scene.curveCanvas().Transparent);
    for (int y = 0; y <= 130; ++y)
        ASSERT_EQ(curve.Pixel(80, y), kCurveGrey) << y;
    for (int y = 629; y <= 759; ++y)
        ASSERT_EQ(curve.Pixel(80, y), kCurveGrey) << y;
    EXPECT_EQ(curve.Pixel(80, 380), kBlack);
    EXPECT_EQ(curve.Pixel(0, 380), kCurveGrey);  // i = 250: cos(pi) = -1
    EXPECT_EQ(curve.Pixel(40, 255), kCurveGrey); // i = 125: cos(pi/2) = 0
    EXPECT_EQ(curve.Pixel(79, 129), kBlack);

    Bench initial;
    initial.paint();                             // h = 190
    EXPECT_EQ(initial.px(807, 130), kCurveGrey); // i = 95
    EXPECT_EQ(initial.px(787, 162), kCurveGrey); // i = 127
    EXPECT_EQ(initial.px(767, 225), kCurveGrey); // i = 190, just below the central maximum
    EXPECT_EQ(initial.px(817, 335), kCurveGrey); // i = 300
    for (int y = 0; y <= 35; ++y)
        ASSERT_EQ(initial.px(847, y), kCurveGrey) << y; // upper guide line
    // Black curve pixels leave what lies below: the dimension line and the
    // caption's glyphs survive under the copied rectangle.
    EXPECT_EQ(initial.px(800, Y + 210), kWhite);
    EXPECT_EQ(initial.px(767, Y + 210), kWhite);
}

TEST(SceneGeometry, GratingBarsAndIncidentRays)
{
    Bench b;
    b.paint(); // n = 10
    EXPECT_EQ(b.px(80, 70), kGratingGrey);
    EXPECT_EQ(b.px(79, 70), kGratingGrey);
    EXPECT_EQ(b.px(80, 80), kBlack);
    EXPECT_EQ(b.px(80, 370), kGratingGrey); // s = 300, the last bar
    EXPECT_EQ(b.px(80, 386), kBlack);
    EXPECT_EQ(b.px(30, 80), kViolet);
    EXPECT_EQ(b.px(30, 360), kViolet); // s = 280, the last ray
    EXPECT_EQ(b.px(30, 380), kBlack);
    EXPECT_EQ(b.px(45, 78), kViolet); // arrowhead

    Bench wider;
    wider.state.d_gr = 1.1; // n = 11, gap middle Round(16.5) = 16
    wider.paint();
    EXPECT_EQ(wider.px(60, 80), kViolet);
    EXPECT_EQ(wider.px(60, 82), kViolet);
    EXPECT_EQ(wider.px(60, 83), kBlack);
    EXPECT_EQ(wider.px(80, 65 + 11 + 5), kBlack); // inside the first gap
}

TEST(Scene, RedrawClearsEverythingOfThePreviousState)
{
    Bench fresh;
    fresh.paint();
    Bench reused;
    reused.setWavelength(500);
    reused.state.d_gr = 2.0;
    reused.state.k_sel = -3;
    reused.paint();
    reused.setWavelength(380);
    reused.state.d_gr = 1.0;
    reused.state.k_sel = 1;
    reused.paint();
    EXPECT_EQ(reused.image(), fresh.image());
    EXPECT_EQ(reused.state.mx_len, fresh.state.mx_len);
}

struct CacheStep {
    int nm;
    double grating;
    int order;
    const char *text; // typed after the slider, or nullptr
};

// The cached frame must give the very pixels of drawing it anew, pass after
// pass, including a pass cut short by a typed non-integer.
TEST(Scene, CachedFrameGivesTheSamePixelsAsDrawingIt)
{
    const std::vector<CacheStep> steps{{380, 1.0, 1, nullptr}, {760, 1.0, 1, nullptr}, {500, 2.0, -2, nullptr},
        {380, 3.0, 7, nullptr}, {380, 3.0, 8, nullptr}, {600, 1.5, 0, "1x"}, {450, 1.2, 3, nullptr},
        {400, 2.7, -1, "9999"}};
    Bench cached, drawn;
    drawn.scene.setCaching(false);
    for (const CacheStep &s : steps) {
        for (Bench *b : {&cached, &drawn}) {
            b->setWavelength(s.nm);
            if (s.text)
                b->bindings.wavelength = QString::fromUtf8(s.text);
            b->state.d_gr = s.grating;
            b->state.k_sel = s.order;
            try {
                b->paint();
            } catch (const EConvertError &) {
            }
        }
        ASSERT_EQ(cached.image(), drawn.image()) << s.nm << " " << s.order;
        ASSERT_EQ(cached.state.mx_len, drawn.state.mx_len);
        const TCanvas &c = cached.scene.benchCanvas().Canvas(), &d = drawn.scene.benchCanvas().Canvas();
        EXPECT_EQ(c.PenPos, d.PenPos);
        EXPECT_EQ(c.Pen.Color, d.Pen.Color);
        EXPECT_EQ(c.Pen.width(), d.Pen.width());
        EXPECT_EQ(c.Brush.Color, d.Brush.Color);
    }
}

// Curves kept per wavelength: coming back to a wavelength must give the curve
// of that wavelength, for every one on the strip.
TEST(Scene, KeptCurvesMatchTheComputedOnes)
{
    Bench cached, computed;
    computed.scene.setCaching(false);
    for (int nm = 380; nm <= 760; ++nm) {
        cached.setWavelength(nm);
        cached.paint();
    }
    for (int nm = 760; nm >= 380; nm -= 1) {
        for (Bench *b : {&cached, &computed}) {
            b->setWavelength(nm);
            b->paint();
        }
        ASSERT_EQ(cached.scene.curveCanvas().image(), computed.scene.curveCanvas().image()) << nm;
        ASSERT_EQ(cached.state.mx_len, computed.state.mx_len) << nm;
    }
}

} // namespace
