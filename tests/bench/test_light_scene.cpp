// The bench lit by a lamp or by white light, and the measuring cursor, drawn
// by the scene: where the lines and bands land and what the default bench
// keeps.
#include "bench_session.h"
#include "lamp_spectra.h"
#include "light_source.h"
#include "manual_clock.h"
#include "measuring_cursor.h"
#include "order_envelope.h"
#include "picture_catalogue.h"
#include "scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using bench::BenchSession;
using bench::LightSource;
using bench::RGB;
using bench::TColor;
using bench::TextField;

namespace {

constexpr int Y = 223;
constexpr TColor kBlack = RGB(0, 0, 0);
constexpr int kEdge = 848; // where every maximum meets the screen

class LitBench : public ::testing::Test {
protected:
    TColor px(int x, int y) const { return session_.scene().benchCanvas().Canvas().Pixel(x, y); }
    void setGrating(int tenths)
    {
        while (session_.state().d_gr < tenths / 10.0 - 1e-9)
            session_.SpinButton1UpClick();
    }

    ManualClock clock_;
    BenchSession session_{assets::scenePictures(), bench::NumberFormat{}, clock_};
};

struct MercuryRows {
    const char *name;
    int gratingTenths;
    // Rows above the axis where the monochrome bench draws orders 1..8 of
    // each line, on the canvas (worked from the two-decimal distance texts).
    std::vector<std::pair<int, std::vector<int>>> rows;
};

class MercuryEdge : public LitBench, public ::testing::WithParamInterface<MercuryRows> {};

TEST_P(MercuryEdge, EveryRowOfEveryLineIsLitAtTheEdgeColumn)
{
    setGrating(GetParam().gratingTenths);
    session_.setSource(LightSource::Mercury);
    for (const auto &[nm, rows] : GetParam().rows) {
        // The monochrome bench agrees on where that wavelength's maxima are.
        for (const int r : rows) {
            EXPECT_NE(px(kEdge, Y - r), kBlack) << nm << " nm, row " << Y - r;
            if (Y + r < 445) {
                EXPECT_NE(px(kEdge, Y + r), kBlack) << nm << " nm, row " << Y + r;
            }
        }
    }
    // Between the central maximum and the first line nothing is lit.
    const int firstRow = GetParam().rows.front().second.front();
    for (int r = 2; r < firstRow - 1; ++r)
        EXPECT_EQ(px(kEdge, Y - r), kBlack) << r;
}

INSTANTIATE_TEST_SUITE_P(Lamp, MercuryEdge,
    ::testing::Values(
        MercuryRows{"D10", 10, {{405, {81, 162}}, {436, {87, 174}}, {546, {109, 218}}, {577, {116}}, {579, {116}}}},
        MercuryRows{"D20", 20,
            {{405, {40, 81, 121, 162, 202}}, {436, {44, 87, 131, 174, 218}}, {546, {55, 110, 164, 219}},
                {577, {58, 115, 173}}, {579, {58, 116, 174}}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LitBench, MercuryLinesTakeTheStripColourAndTheirLengthFromTheirBrightnessToTheEye)
{
    session_.setSource(LightSource::Mercury);
    // d = 1,0. To the eye 546 nm is the brightest (1100 x V = 1082 against
    // 4000 x 0,0178 = 71 for 436 nm): 80 pixels, and 16 + 64 lg(1 + 9 x 71 /
    // 1082) = 29 for 436 nm. Both first orders lie at 0,399 of the way to
    // the slit's first zero (y = lambda / 80 cm), under cos^2 = 0,656 of it:
    // 1 + 52 = 53 pixels on row Y - 109, 1 + 19 = 20 on Y - 87.
    const TColor at546 = px(kEdge, Y - 109);
    EXPECT_EQ(at546, RGB(33, 248, 0)); // the strip at 546 nm, 6/10 of the way from 540 to 550
    EXPECT_EQ(px(848 - 53 - 1, Y - 109), at546);
    EXPECT_EQ(px(848 - 53 - 2, Y - 109), kBlack);
    const TColor at436 = px(kEdge, Y - 87);
    EXPECT_EQ(at436, RGB(0, 32, 249)); // 6/10 of the way from 430 to 440 nm
    EXPECT_EQ(px(848 - 20 - 1, Y - 87), at436);
    EXPECT_EQ(px(848 - 20 - 2, Y - 87), kBlack);
    // No curve: the columns of the monochrome curve stay dark off the lines.
    for (int x = 768; x < 847; ++x)
        EXPECT_EQ(px(x, Y - 30), kBlack) << x;
    // The maxima take no clicks.
    for (int i = 0; i < bench::kTargetCount; ++i)
        EXPECT_TRUE(session_.targetRect(i).isEmpty()) << i;
}

struct WhiteCase {
    const char *name;
    int gratingTenths;
    int violetRow, redRow; // first-order rows of 380 and 760 nm
    TColor redInside;      // a row inside the red edge
    int probeRow;
    TColor probe;  // the strip's colour of the wavelength landing there
    int probeLeft; // where the envelope lets that row's band begin
};

class WhiteBand : public LitBench, public ::testing::WithParamInterface<WhiteCase> {};

TEST_P(WhiteBand, FirstOrderRunsFromVioletToRedWithADarkGapToTheCentre)
{
    const WhiteCase &c = GetParam();
    setGrating(c.gratingTenths);
    session_.setSource(LightSource::White);
    session_.moveCursorTo(-150); // the cursor and its ray well away
    EXPECT_EQ(px(kEdge, Y), RGB(255, 255, 255));
    EXPECT_EQ(px(kEdge, Y - c.violetRow), RGB(182, 0, 182));
    EXPECT_EQ(px(kEdge, Y - c.violetRow + 1), kBlack);
    for (int r = 2; r < c.violetRow; ++r)
        ASSERT_EQ(px(kEdge, Y - r), kBlack) << r;
    // On the red edge itself the second order begins (2 x 380 = 760), so
    // its violet adds to the red there.
    EXPECT_EQ(px(kEdge, Y - c.redRow + 1), c.redInside);
    EXPECT_EQ(px(kEdge, Y - c.redRow), RGB(255, 0, 182));
    EXPECT_EQ(px(kEdge, Y - c.probeRow), c.probe);
    EXPECT_EQ(px(kEdge, Y + c.probeRow), c.probe);
    // A band up to the screen's edge of the maxima, shortened by the envelope.
    EXPECT_EQ(px(c.probeLeft, Y - c.probeRow), c.probe);
    EXPECT_EQ(px(849, Y - c.probeRow), c.probe);
    EXPECT_EQ(px(c.probeLeft - 1, Y - c.probeRow), kBlack);
}

INSTANTIATE_TEST_SUITE_P(White, WhiteBand,
    // A row r of order 1 gets 5 * d * r nm: 755 and 500 nm at d = 1,0, 750
    // and 590 nm at d = 2,0. The band reaches 1 + 58 cos^2(pi/2 * 80 y /
    // lambda) columns left of column 849: 500 nm at 2,50 cm is at 0,4 of the
    // way to the first zero (cos^2 = 0,655, 39 columns), 590 nm at 1,475 cm
    // at 0,2 (0,905, 53 columns).
    ::testing::Values(WhiteCase{"D10", 10, 76, 152, RGB(122, 0, 0), 100, RGB(0, 248, 165), 810},
        WhiteCase{"D20", 20, 38, 76, RGB(130, 0, 0), 59, RGB(242, 247, 0), 796}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LitBench, WhiteOrdersOverlapFromTheSecondAndThirdOnAndTheirColoursAdd)
{
    session_.setSource(LightSource::White);
    session_.moveCursorTo(-150);
    // d = 1,0, row Y - 200: order 2 at 500 nm (0, 248, 165); order 3 would
    // give 333 nm, below the strip (it starts on row 228).
    EXPECT_EQ(px(kEdge, Y - 200), RGB(0, 248, 165));
    // Row Y + 220: order 2 at 550 nm (52, 248, 0) and order 3 at 367 nm, none.
    EXPECT_EQ(px(kEdge, Y + 220), RGB(52, 248, 0));
    // d = 3,0: order 2 spans rows 50..102, order 3 rows 76..152; row 90 has
    // 675 nm (249, 0, 0) of order 2 and 450 nm (0, 102, 249) of order 3.
    setGrating(30);
    EXPECT_EQ(px(kEdge, Y - 90), RGB(249, 102, 249));
}

TEST_F(LitBench, TheDefaultBenchKeepsEveryPixelUntilTheCursorIsTurnedOn)
{
    ManualClock clock;
    const BenchSession untouched(assets::scenePictures(), bench::NumberFormat{}, clock);
    const QImage reference = untouched.scene().benchCanvas().image();
    EXPECT_FALSE(session_.cursorShown());

    // A hidden cursor moves without a render; a lamp and back leaves nothing.
    const unsigned renders = session_.renders();
    session_.moveCursorTo(80);
    EXPECT_EQ(session_.renders(), renders);
    session_.setSource(LightSource::Sodium);
    session_.setSource(LightSource::Mono);
    EXPECT_EQ(session_.scene().benchCanvas().image(), reference);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"380"_s);
    EXPECT_EQ(session_.text(TextField::Distance), u"1,90"_s);
    EXPECT_EQ(session_.text(TextField::Order), u"1"_s);

    // On, it adds its hairline on row Y - 80 from the screen to the right
    // edge and nothing else.
    session_.showCursor(true);
    const QImage &shown = session_.scene().benchCanvas().image();
    int changed = 0;
    for (int y = 0; y < 445; ++y) {
        for (int x = 0; x < 945; ++x) {
            if (shown.pixel(x, y) == reference.pixel(x, y))
                continue;
            ++changed;
            EXPECT_EQ(y, Y - 80) << x;
            EXPECT_GE(x, 850);
            EXPECT_EQ(shown.pixel(x, y), qRgb(160, 160, 160)) << x;
        }
    }
    EXPECT_GT(changed, 80);
    EXPECT_EQ(session_.text(TextField::Distance), u"1,90"_s);
    session_.showCursor(false);
    EXPECT_EQ(session_.scene().benchCanvas().image(), reference);
}

struct LampRows {
    const char *name;
    LightSource source;
    int gratingTenths;
    std::vector<double> rows; // first order, every line shortest wavelength first
    int brightestNm;          // to the eye; none of the first order is longer
};

class LampLines : public LitBench, public ::testing::WithParamInterface<LampRows> {};

TEST_P(LampLines, EveryLineLandsWhereTheGratingSendsItAndTheEyeSeesItsBrightest)
{
    const LampRows &c = GetParam();
    setGrating(c.gratingTenths);
    session_.setSource(c.source);
    session_.moveCursorTo(-150);
    std::vector<bench::DrawnMaximum> first;
    for (const bench::DrawnMaximum &m : bench::lampMaxima(c.source, session_.state().d_gr, bench::NumberFormat{})) {
        if (m.order == 1)
            first.push_back(m);
    }
    ASSERT_EQ(first.size(), c.rows.size());
    const auto brightest = std::find_if(first.begin(), first.end(),
        [&](const bench::DrawnMaximum &m) { return m.nm == c.brightestNm; });
    ASSERT_NE(brightest, first.end());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_LE(std::abs(double(first[i].row) - c.rows[i]), 1.0) << first[i].nm << " nm";
        const int r = int(std::lround(c.rows[i]));
        EXPECT_TRUE(px(kEdge, Y - r - 1) != kBlack || px(kEdge, Y - r) != kBlack || px(kEdge, Y - r + 1) != kBlack)
            << first[i].nm << " nm";
        // None longer; hydrogen's red line, 4 % dimmer to the eye than the
        // blue-green, rounds to the same length at d = 1,0.
        EXPECT_LE(first[i].length, brightest->length) << first[i].nm << " nm";
    }
}

// Worked apart from the program: row = 40 * k * lambda * F / d with F = 50 cm,
// d in 1e-5 m and NIST's air wavelengths (Hg 404,656 ... Cd 643,847 nm).
INSTANTIATE_TEST_SUITE_P(Lamp, LampLines,
    ::testing::Values(LampRows{"HgD10", LightSource::Mercury, 10, {80.9, 81.6, 87.2, 98.3, 109.2, 115.4, 115.8}, 546},
        LampRows{"HgD20", LightSource::Mercury, 20, {40.5, 40.8, 43.6, 49.2, 54.6, 57.7, 57.9}, 546},
        LampRows{"HgD30", LightSource::Mercury, 30, {27.0, 27.2, 29.1, 32.8, 36.4, 38.5, 38.6}, 546},
        LampRows{"NaD10", LightSource::Sodium, 10, {117.8, 117.9}, 589},
        LampRows{"NaD20", LightSource::Sodium, 20, {58.9, 59.0}, 589},
        LampRows{"NaD30", LightSource::Sodium, 30, {39.3, 39.3}, 589},
        LampRows{"HD10", LightSource::Hydrogen, 10, {82.0, 86.8, 97.2, 131.3}, 486},
        LampRows{"HD20", LightSource::Hydrogen, 20, {41.0, 43.4, 48.6, 65.6}, 486},
        LampRows{"HD30", LightSource::Hydrogen, 30, {27.3, 28.9, 32.4, 43.8}, 486},
        LampRows{"HeD10", LightSource::Helium, 10,
            {77.8, 80.5, 89.4, 94.3, 98.4, 100.3, 101.0, 117.5, 133.6, 141.3, 145.6}, 588},
        LampRows{"HeD20", LightSource::Helium, 20, {38.9, 40.3, 44.7, 47.1, 49.2, 50.2, 50.5, 58.8, 66.8, 70.7, 72.8},
            588},
        LampRows{"HeD30", LightSource::Helium, 30, {25.9, 26.8, 29.8, 31.4, 32.8, 33.4, 33.7, 39.2, 44.5, 47.1, 48.5},
            588},
        LampRows{"NeD10", LightSource::Neon, 10,
            {108.0, 117.0, 117.6, 118.9, 119.5, 120.6, 121.5, 121.9, 122.9, 123.3, 124.3, 125.3, 126.7, 127.7, 128.0,
                130.1, 132.0, 133.6, 134.3, 138.6, 140.6, 143.5, 144.9},
            585},
        LampRows{"NeD20", LightSource::Neon, 20,
            {54.0, 58.5, 58.8, 59.4, 59.8, 60.3, 60.7, 61.0, 61.4, 61.6, 62.2, 62.7, 63.3, 63.8, 64.0, 65.1, 66.0, 66.8,
                67.2, 69.3, 70.3, 71.7, 72.5},
            585},
        LampRows{"NeD30", LightSource::Neon, 30,
            {36.0, 39.0, 39.2, 39.6, 39.8, 40.2, 40.5, 40.6, 41.0, 41.1, 41.4, 41.8, 42.2, 42.6, 42.7, 43.4, 44.0, 44.5,
                44.8, 46.2, 46.9, 47.8, 48.3},
            585},
        LampRows{"CdD10", LightSource::Cadmium, 10, {93.6, 96.0, 101.7, 128.8}, 509},
        LampRows{"CdD20", LightSource::Cadmium, 20, {46.8, 48.0, 50.9, 64.4}, 509},
        LampRows{"CdD30", LightSource::Cadmium, 30, {31.2, 32.0, 33.9, 42.9}, 509}),
    [](const auto &info) { return std::string(info.param.name); });

// The monochrome bench reads its maxima's lengths off its curve; lamps and
// white light take them from orderEnvelope(). Over the strip, every grating
// constant and every order on the canvas the two agree within two pixels
// (the curve is drawn two rows off the axis and rounded to whole columns).
TEST_F(LitBench, TheMonochromeCurveIsTheEnvelopeOfEverySource)
{
    for (int step = 0; step <= 20; ++step) {
        if (step > 0)
            session_.SpinButton1UpClick();
        for (int nm = 380; nm <= 760; nm += 19) {
            session_.dragSliderTo(nm);
            const double d = session_.state().d_gr;
            for (int j = 1; j <= 8; ++j) {
                const std::int64_t r = bench::maximumRowOffset(j, nm, d, bench::NumberFormat{});
                if (r > Y)
                    break;
                const int expected = bench::maximumLength(bench::orderEnvelope(nm, double(r) / 40), 80);
                EXPECT_LE(std::abs(session_.state().mx_len[size_t(j)] - expected), 2)
                    << nm << " nm, d = " << d << ", k = " << j;
            }
        }
    }
}

TEST(LampSpectra, LengthsFollowIntensityOnALogarithmicScale)
{
    // 16 + 64 * log10(1 + 9 * I / Imax), rounded.
    EXPECT_EQ(bench::lineLength(4000, 4000), 80);
    EXPECT_EQ(bench::lineLength(1800, 4000), 61);
    EXPECT_EQ(bench::lineLength(1100, 4000), 51);
    EXPECT_EQ(bench::lineLength(240, 4000), 28);
    EXPECT_EQ(bench::lineLength(40000, 80000), 63);
    EXPECT_EQ(bench::lineLength(20, 500), 25);
    EXPECT_EQ(bench::lineLength(0, 500), 16);
}

TEST(LightSources, KeysAndNamesAsTheControlAndCommandLineUseThem)
{
    EXPECT_EQ(bench::sourceKeys(), u"mono|white|hg|na|h|he|ne|cd"_s);
    EXPECT_EQ(bench::sourceOfKey(u"hg"), LightSource::Mercury);
    EXPECT_EQ(bench::sourceOfKey(u"cd"), LightSource::Cadmium);
    EXPECT_EQ(bench::sourceOfKey(u"white"), LightSource::White);
    EXPECT_FALSE(bench::sourceOfKey(u"HG").has_value());
    EXPECT_FALSE(bench::sourceOfKey(u"").has_value());
    EXPECT_EQ(bench::sourceInfo(LightSource::Neon).name, u"Лампа: неоновая");
}

} // namespace
