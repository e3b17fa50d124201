// The bench lit by a lamp or by white light, and the measuring cursor, drawn
// by the scene: where the lines and bands land and what the default bench
// keeps.
#include "bench_session.h"
#include "lamp_spectra.h"
#include "light_source.h"
#include "manual_clock.h"
#include "measuring_cursor.h"
#include "picture_catalogue.h"

#include <gtest/gtest.h>

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

TEST_F(LitBench, MercuryLinesTakeTheStripColourAndTheirLengthFromTheirIntensity)
{
    session_.setSource(LightSource::Mercury);
    // d = 1,0: 546 nm alone on row Y - 109, 51 pixels long (1100 of 4000);
    // 436 nm on Y - 87, 80 long, the brightest.
    const TColor at546 = px(kEdge, Y - 109);
    EXPECT_EQ(at546, RGB(33, 248, 0)); // the strip at 546 nm, 6/10 of the way from 540 to 550
    EXPECT_EQ(px(848 - 51 - 1, Y - 109), at546);
    EXPECT_EQ(px(848 - 51 - 2, Y - 109), kBlack);
    const TColor at436 = px(kEdge, Y - 87);
    EXPECT_EQ(at436, RGB(0, 32, 249)); // 6/10 of the way from 430 to 440 nm
    EXPECT_EQ(px(848 - 80 - 1, Y - 87), at436);
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
    TColor probe; // the strip's colour of the wavelength landing there
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
    // A band of 60 columns up to the screen's edge of the maxima.
    EXPECT_EQ(px(790, Y - c.probeRow), c.probe);
    EXPECT_EQ(px(849, Y - c.probeRow), c.probe);
    EXPECT_EQ(px(789, Y - c.probeRow), kBlack);
}

INSTANTIATE_TEST_SUITE_P(White, WhiteBand,
    // A row r of order 1 gets 5 * d * r nm: 755 and 500 nm at d = 1,0, 750
    // and 590 nm at d = 2,0.
    ::testing::Values(WhiteCase{"D10", 10, 76, 152, RGB(122, 0, 0), 100, RGB(0, 248, 165)},
        WhiteCase{"D20", 20, 38, 76, RGB(130, 0, 0), 59, RGB(242, 247, 0)}),
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
