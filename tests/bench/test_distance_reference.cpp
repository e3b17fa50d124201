// The distance text against the slow exact-decimal model, over random values
// and over the values the bench itself produces, which often sit on ties.

#include "decimal_reference.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using bench::Extended;

int compareAll(const std::vector<Extended> &values, int reportLimit = 10)
{
    const bench::NumberFormat comma;
    int mismatches = 0;
    for (Extended y : values) {
        const std::string fast = bench::FormatDistance(y, comma).toStdString();
        const std::string slow = reference::formatDistanceSlow(y, ',');
        if (fast != slow && mismatches++ < reportLimit)
            ADD_FAILURE() << "value " << static_cast<double>(y) << " (hex " << std::hexfloat << y << std::defaultfloat
                          << "): got " << fast << ", expected " << slow;
    }
    return mismatches;
}

TEST(DistanceTextReference, ModelKnowsTheWorkedExamples)
{
    // Guards the model itself before it judges anything.
    EXPECT_EQ(reference::formatDistanceSlow(1.9L, ','), "1,90");
    EXPECT_EQ(reference::formatDistanceSlow(0.125L, ','), "0,13");
    EXPECT_EQ(reference::formatDistanceSlow(-0.004L, ','), "0,00");
    EXPECT_EQ(reference::formatDistanceSlow(123.456L, ','), "123,00");
    EXPECT_EQ(reference::formatDistanceSlow(1234.5L, ','), "1,23E03");
    EXPECT_EQ(reference::formatDistanceSlow(99999.0L, ','), "1E05");
    const reference::ExactDecimal eighth = reference::expandExactly(0.125L);
    EXPECT_EQ(eighth.digits, "125");
    EXPECT_EQ(eighth.exponent, 0);
    const reference::ExactDecimal tenth = reference::expandExactly(0.1);
    EXPECT_EQ(tenth.digits, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(tenth.exponent, 0);
    EXPECT_EQ(reference::roundTiesToEven({false, "125", 0}, 2).digits, "12");
    EXPECT_EQ(reference::roundTiesToEven({false, "135", 0}, 2).digits, "14");
    EXPECT_EQ(reference::roundTiesToEven({false, "1251", 0}, 2).digits, "13");
}

TEST(DistanceTextReference, RandomMagnitudesFromTenThousandthsToTenThousands)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> decade(-4.0, 4.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::vector<Extended> values;
    for (int i = 0; i < 100000; ++i) {
        // A full 64-bit mantissa, scaled to a log-uniform magnitude.
        const Extended magnitude = std::pow(10.0L, Extended(decade(random)));
        const Extended mantissa = Extended(bits(random) | (std::uint64_t(1) << 63)) * 0x1p-64L;
        int exponent = 0;
        std::frexp(magnitude, &exponent);
        Extended y = std::ldexp(mantissa, exponent);
        values.push_back(i % 2 == 0 ? y : -y);
    }
    EXPECT_EQ(compareAll(values), 0);
}

TEST(DistanceTextReference, DecimalHalvesAndTheirNeighbours)
{
    // m / 2000 puts y on or next to the half of a hundredth, tenth or unit
    // that the text rounds at; the neighbours one ulp away must round apart.
    std::vector<Extended> values;
    for (int m = -2000000; m <= 2000000; m += 53) {
        const Extended y = Extended(m) / 2000.0L;
        values.push_back(y);
        values.push_back(std::nextafter(y, 1e9L));
        values.push_back(std::nextafter(y, -1e9L));
        values.push_back(Extended(double(y)));
    }
    for (Extended y : {0.005L, 0.0005L, 999.5L, 99.95L, 9.995L, 0.995L, 0.125L, 0.375L, 1000.0L}) {
        for (Extended s : {1.0L, -1.0L}) {
            values.push_back(s * y);
            values.push_back(std::nextafter(s * y, 0.0L));
            values.push_back(std::nextafter(s * y, s * 2e4L));
        }
    }
    EXPECT_EQ(compareAll(values), 0);
}

TEST(DistanceTextReference, EveryDistanceTheSpinnerAndSliderCanProduce)
{
    // All grating constants the spinner reaches, every wavelength of the
    // strip and a band of typed ones, every order.
    std::vector<double> gratings{1.0};
    for (int i = 0; i < 20; ++i)
        gratings.push_back(double(Extended(gratings.back()) + 0.1L));
    gratings.back() = 3.0;
    for (int i = 0; i < 20; ++i)
        gratings.push_back(double(Extended(gratings.back()) - 0.1L));
    gratings.back() = 1.0;

    std::vector<Extended> values;
    for (double d : gratings)
        for (int lambda = 300; lambda <= 800; ++lambda)
            for (int k = -8; k <= 8; ++k)
                values.push_back(Extended(k * lambda * 50) * 1e-4L / Extended(d));
    EXPECT_EQ(values.size(), 41u * 501u * 17u);
    EXPECT_EQ(compareAll(values), 0);
}

} // namespace
