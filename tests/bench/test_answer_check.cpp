#include "answer_check.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace {

struct AnswerCase {
    const char *name;
    const char16_t *answer;
    const char16_t *wavelength; // Ed_mkm
    const char16_t *grating;    // Ed_d
    const char16_t *distance;   // Ed_ym
    int order;
    bool right;
};

void PrintTo(const AnswerCase &c, std::ostream *os)
{
    *os << c.name;
}

class AnswerCheck : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerCheck, JudgesTheTypedAnswer)
{
    const AnswerCase &c = GetParam();
    const bench::ShownReadouts shown{QString::fromUtf16(c.wavelength), QString::fromUtf16(c.grating),
        QString::fromUtf16(c.distance), c.order};
    EXPECT_EQ(bench::answerIsRight(QString::fromUtf16(c.answer), shown, bench::NumberFormat{}), c.right);
}

// Expected wavelengths worked out by hand with lambda = 200 * d * y / |k| nm.
INSTANTIATE_TEST_SUITE_P(Cases, AnswerCheck,
    ::testing::Values(AnswerCase{"SetWavelength", u"380", u"380", u"1,0", u"1,90", 1, true},
        AnswerCase{"LeadingZeroIsWrong", u"0380", u"380", u"1,0", u"1,90", 1, false},
        AnswerCase{"EmptyIsWrong", u"", u"380", u"1,0", u"1,90", 1, false},
        AnswerCase{"OneOffIsWrong", u"381", u"380", u"1,0", u"1,90", 1, false},
        // 3 * 0.63 * 200 = 378: the shown distance is rounded, the pupil is not wrong.
        AnswerCase{"RoundedDistanceAt3", u"378", u"380", u"3", u"0,63", 1, true},
        AnswerCase{"SetWavelengthStillRightAt3", u"380", u"380", u"3", u"0,63", 1, true},
        AnswerCase{"NeighbourOfComputedIsWrong", u"379", u"380", u"3", u"0,63", 1, false},
        // 1.5 * 1.60 * 200 = 480.
        AnswerCase{"RoundedDistanceAt1_5", u"480", u"481", u"1,5", u"1,60", 1, true},
        AnswerCase{"SetWavelengthAt1_5", u"481", u"481", u"1,5", u"1,60", 1, true},
        AnswerCase{"TwoOffAt1_5", u"482", u"481", u"1,5", u"1,60", 1, false},
        // 1.3 * 1.46 * 200 = 379.6: both whole neighbours are accepted.
        AnswerCase{"RoundedDown", u"379", u"380", u"1,3", u"1,46", 1, true},
        AnswerCase{"RoundedUp", u"380", u"381", u"1,3", u"1,46", 1, true},
        AnswerCase{"BeyondRounding", u"378", u"380", u"1,3", u"1,46", 1, false},
        // Order 2: 1 * 3.80 * 200 / 2 = 380; below the axis the distance is negative.
        AnswerCase{"SecondOrder", u"380", u"381", u"1", u"3,80", 2, true},
        AnswerCase{"SecondOrderBelowAxis", u"380", u"381", u"1", u"-3,80", -2, true},
        AnswerCase{"OrderNotDividedIsWrong", u"760", u"381", u"1", u"3,80", 2, false},
        // 2.3 * 1.00 * 200 / 3 = 153.33...
        AnswerCase{"ThirdOrderDown", u"153", u"460", u"2,3", u"1,00", 3, true},
        AnswerCase{"ThirdOrderUp", u"154", u"460", u"2,3", u"1,00", 3, true},
        AnswerCase{"ThirdOrderTwoOff", u"155", u"460", u"2,3", u"1,00", 3, false},
        // The central maximum gives no formula: only the wavelength text counts.
        AnswerCase{"CentralMaximumExact", u"380", u"380", u"1", u"0,00", 0, true},
        AnswerCase{"CentralMaximumZero", u"0", u"380", u"1", u"0,00", 0, false},
        // A wavelength field typed over by the pupil is compared as it stands.
        AnswerCase{"TypedWavelengthText", u"38a", u"38a", u"1", u"1,90", 1, true},
        // Read-outs the formula cannot use leave only the exact comparison.
        AnswerCase{"GratingTypedOver", u"378", u"380", u"abc", u"0,63", 1, false},
        AnswerCase{"GratingWithPoint", u"378", u"380", u"3.0", u"0,63", 1, false},
        AnswerCase{"DistanceInExponentForm", u"378", u"380", u"3", u"6,3E-01", 1, false},
        AnswerCase{"DistanceEmpty", u"378", u"380", u"3", u"", 1, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AnswerCheckSeparator, ReadsTheLocaleSeparator)
{
    const bench::NumberFormat point{u'.'};
    EXPECT_TRUE(bench::answerIsRight(u"378"_s, {u"380"_s, u"3.0"_s, u"0.63"_s, 1}, point));
    EXPECT_FALSE(bench::answerIsRight(u"378"_s, {u"380"_s, u"3,0"_s, u"0,63"_s, 1}, point));
}

} // namespace
