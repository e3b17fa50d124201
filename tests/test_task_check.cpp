// The check of a classroom task: right as the ordinary check judges it with
// the lamp in place of the hidden field, and a hint for a recognisable slip.
#include "task_check.h"

#include <gtest/gtest.h>

#include <ostream>

using bench::TaskHint;

namespace {

struct CheckCase {
    const char *name;
    const char16_t *answer;
    const char16_t *distance; // Ed_ym at d = 1,0
    int order;
    bool right;
    TaskHint hint;
};

void PrintTo(const CheckCase &c, std::ostream *os)
{
    *os << c.name;
}

class TaskCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TaskCheck, JudgesAgainstTheLamp)
{
    const CheckCase &c = GetParam();
    // The field shows "?"; the rule must not compare with it.
    const bench::ShownReadouts shown{QStringLiteral("?"), QStringLiteral("1,0"), QString::fromUtf16(c.distance),
        c.order};
    const bench::TaskJudgement j = bench::judgeTaskAnswer(QString::fromUtf16(c.answer), 589, shown, {});
    EXPECT_EQ(j.right, c.right);
    EXPECT_EQ(int(j.hint), int(c.hint));
}

// The sodium line, 589 nm, with d = 1,0: order 1 at 2,95 cm (200 * 1 * 2.95 =
// 590 nm from the read-outs), order 2 at 5,89 cm. 2 % of 589 is 11.78.
INSTANTIATE_TEST_SUITE_P(Cases, TaskCheck,
    ::testing::Values(CheckCase{"TheLine", u"589", u"2,95", 1, true, TaskHint::None},
        CheckCase{"FromTheReadOuts", u"590", u"2,95", 1, true, TaskHint::None},
        CheckCase{"SecondOrderReadOuts", u"589", u"5,89", 2, true, TaskHint::None},
        CheckCase{"TheQuestionMarkIsWrong", u"?", u"2,95", 1, false, TaskHint::None},
        CheckCase{"RoundedTooFarDown", u"580", u"2,95", 1, false, TaskHint::Rounding},
        CheckCase{"RoundedUpAtTheMargin", u"600", u"2,95", 1, false, TaskHint::Rounding},
        CheckCase{"JustBeyondTheMargin", u"601", u"2,95", 1, false, TaskHint::None},
        CheckCase{"CentralMaximumSelected", u"0", u"0,00", 0, false, TaskHint::CentralMaximum},
        CheckCase{"CentralMaximumEmptyAnswer", u"", u"0,00", 0, false, TaskHint::CentralMaximum},
        CheckCase{"CentralMaximumButTheLine", u"589", u"0,00", 0, true, TaskHint::None},
        CheckCase{"CentralMaximumButNearlyTheLine", u"592", u"0,00", 0, false, TaskHint::Rounding},
        // Order 2 computed with k = 1 or k = 3, or a neighbour's distance divided by 2.
        CheckCase{"DividedByOneInsteadOfTwo", u"1178", u"5,89", 2, false, TaskHint::NeighbourOrder},
        CheckCase{"DividedByThreeInsteadOfTwo", u"393", u"5,89", 2, false, TaskHint::NeighbourOrder},
        CheckCase{"FirstOrderDistanceOverTwo", u"295", u"5,89", 2, false, TaskHint::NeighbourOrder},
        CheckCase{"ThirdOrderDistanceOverTwo", u"884", u"5,89", 2, false, TaskHint::NeighbourOrder},
        CheckCase{"FirstOrderDividedByTwo", u"294", u"2,95", 1, false, TaskHint::NeighbourOrder},
        CheckCase{"TenTimes", u"5890", u"2,95", 1, false, TaskHint::Units},
        CheckCase{"HundredTimes", u"58900", u"2,95", 1, false, TaskHint::Units},
        CheckCase{"TenthRounded", u"59", u"2,95", 1, false, TaskHint::Units},
        CheckCase{"HundredthRounded", u"6", u"2,95", 1, false, TaskHint::Units},
        CheckCase{"NothingRecognisable", u"1000", u"2,95", 1, false, TaskHint::None},
        CheckCase{"PastedText", u"589 нм", u"2,95", 1, false, TaskHint::None},
        CheckCase{"Empty", u"", u"2,95", 1, false, TaskHint::None}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
