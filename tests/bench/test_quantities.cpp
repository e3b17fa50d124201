#include "case_name.h"
#include "number_text.h"
#include "quantities.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace Qt::Literals::StringLiterals;
using bench::Extended;

const bench::NumberFormat kComma{u','};

// ---- Grating spinner steps ---------------------------------------------------

struct Step {
    double value;
    const char16_t *text;
};

// The stored doubles after each step and the text the field shows for them.
constexpr std::array<Step, 20> kTwentyUpFromOne{{
    {1.1000000000000001, u"1,1"},
    {1.2000000000000002, u"1,2"},
    {1.3000000000000003, u"1,3"},
    {1.4000000000000004, u"1,4"},
    {1.5000000000000004, u"1,5"},
    {1.6000000000000005, u"1,6"},
    {1.7000000000000006, u"1,7"},
    {1.8000000000000007, u"1,8"},
    {1.9000000000000008, u"1,9"},
    {2.0000000000000009, u"2"},
    {2.100000000000001, u"2,1"},
    {2.2000000000000011, u"2,2"},
    {2.3000000000000012, u"2,3"},
    {2.4000000000000012, u"2,4"},
    {2.5000000000000013, u"2,5"},
    {2.6000000000000014, u"2,6"},
    {2.7000000000000015, u"2,7"},
    {2.8000000000000016, u"2,8"},
    {2.9000000000000017, u"2,9"},
    {3.0, u"3"},
}};

constexpr std::array<Step, 20> kTwentyDownFromThree{{
    {2.8999999999999999, u"2,9"},
    {2.7999999999999998, u"2,8"},
    {2.6999999999999997, u"2,7"},
    {2.5999999999999996, u"2,6"},
    {2.4999999999999996, u"2,5"},
    {2.3999999999999995, u"2,4"},
    {2.2999999999999994, u"2,3"},
    {2.1999999999999993, u"2,2"},
    {2.0999999999999992, u"2,1"},
    {1.9999999999999991, u"2"},
    {1.899999999999999, u"1,9"},
    {1.7999999999999989, u"1,8"},
    {1.6999999999999988, u"1,7"},
    {1.5999999999999988, u"1,6"},
    {1.4999999999999987, u"1,5"},
    {1.3999999999999986, u"1,4"},
    {1.2999999999999985, u"1,3"},
    {1.1999999999999984, u"1,2"},
    {1.0999999999999983, u"1,1"},
    {1.0, u"1"},
}};

TEST(GratingSteps, TwentyUpFromOneCarryErrorsButShowOneDecimal)
{
    double d = 1.0;
    for (std::size_t i = 0; i < kTwentyUpFromOne.size(); ++i) {
        d = bench::gratingStepUp(d);
        EXPECT_EQ(d, kTwentyUpFromOne[i].value) << "step " << i + 1;
        EXPECT_EQ(bench::FloatToStrGeneral(d, kComma), QString::fromUtf16(kTwentyUpFromOne[i].text))
            << "step " << i + 1;
    }
}

TEST(GratingSteps, TwentyDownFromThreeEndExactlyAtOne)
{
    double d = 3.0;
    for (std::size_t i = 0; i < kTwentyDownFromThree.size(); ++i) {
        d = bench::gratingStepDown(d);
        EXPECT_EQ(d, kTwentyDownFromThree[i].value) << "step " << i + 1;
        EXPECT_EQ(bench::FloatToStrGeneral(d, kComma), QString::fromUtf16(kTwentyDownFromThree[i].text))
            << "step " << i + 1;
    }
}

TEST(GratingSteps, ClampAtBothEnds)
{
    EXPECT_EQ(bench::gratingStepUp(3.0), 3.0);
    EXPECT_EQ(bench::gratingStepUp(2.9000000000000017), 3.0); // the sum is 3.0000000000000018
    EXPECT_EQ(bench::gratingStepDown(1.0), 1.0);
    EXPECT_EQ(bench::gratingStepDown(1.0999999999999983), 1.0); // the difference is below 1.0
    EXPECT_EQ(bench::FloatToStrGeneral(bench::gratingStepDown(1.0), kComma), u"1"_s);
}

// ---- Distances, their texts and pixel offsets -----------------------------------

struct BenchCase {
    std::int32_t lambdaT;
    double d_gr;
    std::int32_t order;
    const char16_t *text;
    Extended q;
    std::int64_t r1;
    std::int64_t r2;
};

class DistanceOfOrder : public testing::TestWithParam<BenchCase> {};

TEST_P(DistanceOfOrder, TextParsedBackAndPixelOffsets)
{
    const BenchCase &c = GetParam();
    const QString text = bench::FormatDistance(bench::distance(c.order, c.lambdaT, c.d_gr), kComma);
    EXPECT_EQ(text, QString::fromUtf16(c.text));
    const Extended q = bench::StrToFloat(text, kComma);
    EXPECT_EQ(q, c.q);
    EXPECT_EQ(bench::pixelOffset(1, q), c.r1);
    EXPECT_EQ(bench::pixelOffset(2, q), c.r2);
}

INSTANTIATE_TEST_SUITE_P(BenchSettings, DistanceOfOrder,
    testing::Values(BenchCase{380, 1.0, 1, u"1,90", 1.9L, 76, 152}, // the initial state
        BenchCase{760, 1.0, 1, u"3,80", 3.8L, 152, 304},
        BenchCase{380, 3.0, 1, u"0,63", 0.63L, 25, 50},                 // Round(25.2), Round(50.4)
        BenchCase{381, 1.0, 1, u"1,91", 1.91L, 76, 153},                // 1.905 rounds away from zero
        BenchCase{450, 1.2000000000000002, 1, u"1,87", 1.87L, 75, 150}, // 1.87499999...
        BenchCase{450, 1.2, 1, u"1,88", 1.88L, 75, 150},                // 1.2 itself lies below 1.2
        BenchCase{380, 3.0, 7, u"4,43", 4.43L, 177, 354}, BenchCase{380, 3.0, 8, u"5,07", 5.07L, 203, 406},
        BenchCase{380, 1.0, -1, u"-1,90", -1.9L, -76, -152}, BenchCase{380, 1.0, 0, u"0,00", 0.0L, 0, 0},
        // A typed wavelength this large wrapped the old 32-bit product.
        BenchCase{2147483647, 1.0, 8, u"8,59E07", 85900000.0L, 3436000000, 6872000000},
        BenchCase{-2147483647 - 1, 1.0, 8, u"-8,59E07", -85900000.0L, -3436000000, -6872000000}),
    [](const auto &info) {
    return "Wavelength" + case_name::number(info.param.lambdaT) + "_Grating" + case_name::number(info.param.d_gr)
        + "_Order" + case_name::number(info.param.order);
});

TEST(DistanceOfOrder, OrderSevenAtGratingThreeRoundsLinesAndRayApart)
{
    // Lines use j*q with q of order one, the ray the text of order seven.
    EXPECT_EQ(bench::pixelOffset(7, 0.63L), 176); // Round(176.4)
    EXPECT_EQ(bench::pixelOffset(1, 4.43L), 177); // Round(177.2)
}

TEST(DistanceOfOrder, EveryWavelengthAtGratingOneRoundsHalfAway)
{
    // At d = 1 the distance is lambda / 200 cm: an odd wavelength lies on a
    // half hundredth, which the text rounds up. In hundredths: ceil(lambda/2).
    for (std::int32_t lambda = 380; lambda <= 760; ++lambda) {
        const std::int64_t hundredths = (lambda + 1) / 2;
        const QString expected = QString::number(hundredths / 100) + u','
            + QString::number(hundredths % 100).rightJustified(2, u'0');
        const QString text = bench::FormatDistance(bench::distance(1, lambda, 1.0), kComma);
        ASSERT_EQ(text, expected) << "lambda " << lambda;
        const Extended q = bench::StrToFloat(text, kComma);
        for (std::int32_t j = 1; j <= 8; ++j) {
            // j * q * 40 = hundredths * 2j / 5: never a tie, nearest integer.
            const std::int64_t expectedOffset = (hundredths * 4 * j + 5) / 10;
            ASSERT_EQ(bench::pixelOffset(j, q), expectedOffset) << "lambda " << lambda << " j " << j;
        }
    }
}

TEST(Wavelength, IsTheOffsetAbove380)
{
    bench::TBenchState state;
    EXPECT_EQ(bench::wavelength(state), 380);
    state.dl_ofs = 380;
    EXPECT_EQ(bench::wavelength(state), 760);
}

} // namespace
