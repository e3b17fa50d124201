#include "case_name.h"
#include "spectrum.h"

#include <gtest/gtest.h>

using namespace bench;

namespace {

struct Sample {
    int nm, r, g, b;
};

// The strip's colour every 10 nm, as printed on the reference strip.
const Sample kEveryTenNm[] = {
    {380, 182, 0, 182},
    {390, 247, 0, 244},
    {400, 188, 0, 248},
    {410, 125, 0, 249},
    {420, 53, 0, 249},
    {430, 0, 4, 248},
    {440, 0, 51, 249},
    {450, 0, 102, 249},
    {460, 0, 150, 249},
    {470, 0, 200, 250},
    {480, 0, 248, 250},
    {490, 0, 248, 210},
    {500, 0, 248, 165},
    {510, 0, 248, 122},
    {520, 0, 248, 76},
    {530, 0, 247, 32},
    {540, 4, 248, 0},
    {550, 52, 248, 0},
    {560, 100, 249, 0},
    {570, 147, 248, 0},
    {580, 195, 249, 0},
    {590, 242, 247, 0},
    {600, 248, 220, 0},
    {610, 248, 146, 0},
    {620, 247, 59, 0},
    {630, 249, 0, 0},
    {640, 248, 0, 0},
    {650, 249, 0, 0},
    {660, 249, 0, 0},
    {670, 250, 0, 0},
    {680, 242, 0, 0},
    {690, 228, 0, 0},
    {700, 211, 0, 0},
    {710, 196, 0, 0},
    {720, 179, 0, 0},
    {730, 162, 0, 0},
    {740, 147, 0, 0},
    {750, 130, 0, 0},
    {760, 114, 0, 0},
};

} // namespace

class SpectrumEveryTenNm : public ::testing::TestWithParam<Sample> {};

TEST_P(SpectrumEveryTenNm, LightColourIsTheStripColour)
{
    const Sample s = GetParam();
    const QImage strip = makeSpectrumStrip();
    EXPECT_EQ(spektr_color(strip, s.nm - 380), RGB(s.r, s.g, s.b)) << s.nm << " nm";
}

INSTANTIATE_TEST_SUITE_P(Strip, SpectrumEveryTenNm, ::testing::ValuesIn(kEveryTenNm),
    [](const auto &info) { return "Nm" + case_name::number(info.param.nm); });

TEST(Spectrum, StripIsOpaqueTrueColourOfTheRightSize)
{
    const QImage strip = makeSpectrumStrip();
    EXPECT_EQ(strip.size(), QSize(385, 24));
    EXPECT_FALSE(strip.hasAlphaChannel());
}

TEST(Spectrum, KeyColumnsAndBandsHoldTheirExactColours)
{
    const QImage strip = makeSpectrumStrip();
    const struct {
        int column, r, g, b;
    } keys[] = {
        {0, 171, 0, 171},
        {1, 169, 0, 169},
        {2, 174, 0, 174},
        {15, 249, 0, 252},
        {25, 172, 0, 249},
        {52, 1, 1, 248},
        {104, 0, 251, 250},
        {145, 0, 248, 66},
        {162, 0, 247, 0},
        {215, 250, 249, 0},
        {218, 249, 250, 0},
        {221, 248, 238, 0},
        {252, 248, 0, 0},
        {300, 248, 0, 0},
        {384, 112, 0, 0},
    };
    for (const auto &k : keys)
        EXPECT_EQ(fromQRgb(strip.pixel(k.column, 8)), RGB(k.r, k.g, k.b)) << "column " << k.column;
    EXPECT_EQ(spektr_color(strip, 215), RGB(249, 250, 0)); // 595 nm
}

TEST(Spectrum, EveryWavelengthIsVisibleOnBlackAndNeverWhiteOrGrey)
{
    const QImage strip = makeSpectrumStrip();
    for (int dl = 0; dl <= 380; ++dl) {
        const TColor c = spektr_color(strip, dl);
        const int top = std::max({redOf(c), greenOf(c), blueOf(c)});
        EXPECT_GT(top, 110) << 380 + dl;
        EXPECT_LE(top, 252) << 380 + dl;
        EXPECT_FALSE(redOf(c) == greenOf(c) && greenOf(c) == blueOf(c)) << 380 + dl;
    }
}

TEST(Spectrum, TextureStaysWithinTwoLevelsOfTheBaseColour)
{
    const QImage strip = makeSpectrumStrip();
    for (int x = 0; x < strip.width(); ++x) {
        const QRgb base = strip.pixel(x, 8);
        for (int y = 0; y < strip.height(); ++y) {
            const QRgb p = strip.pixel(x, y);
            ASSERT_LE(std::abs(qRed(p) - qRed(base)) + std::abs(qGreen(p) - qGreen(base))
                    + std::abs(qBlue(p) - qBlue(base)),
                2)
                << x << "," << y;
            if (y % 2 == 0) {
                ASSERT_EQ(p, base) << x << "," << y;
            }
        }
    }
}

TEST(Spectrum, LookupThroughControlPlacesAgreesWithTheOffset)
{
    const QImage strip = makeSpectrumStrip();
    for (int dl : {0, 1, 70, 215, 379, 380})
        EXPECT_EQ(spektr_color_at(strip, QPoint(316 + dl, 25), QPoint(316, 17)), spektr_color(strip, dl));
    // Off the strip there is no colour at all.
    EXPECT_EQ(spektr_color_at(strip, QPoint(316 + 382, 25), QPoint(316, 17)), kNoColor);
}
