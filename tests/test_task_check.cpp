// The check of a classroom task as the teacher's program meets it: the texts
// of a result file, which may have been edited by hand, judged without a
// session. The measurement itself is tested in the session (test_task_session).
#include "task_check.h"

#include <gtest/gtest.h>

#include <ostream>

using bench::TaskHint;

namespace {

struct RecordedCase {
    const char *name;
    const char16_t *grating;
    const char16_t *distance;
    int order;
    const char16_t *answer;
    bool right;
    TaskHint hint;
};

void PrintTo(const RecordedCase &c, std::ostream *os)
{
    *os << c.name;
}

class RecordedCheck : public ::testing::TestWithParam<RecordedCase> {};

TEST_P(RecordedCheck, IsJudgedFromItsTextsAlone)
{
    const RecordedCase &c = GetParam();
    const bench::TaskReadouts shown{QString::fromUtf16(c.grating), QString::fromUtf16(c.distance), c.order};
    const bench::TaskJudgement j = bench::judgeTaskAnswer(QString::fromUtf16(c.answer), shown, 589, {});
    EXPECT_EQ(j.right, c.right);
    EXPECT_EQ(int(j.hint), int(c.hint));
}

// 589 nm at d = 2: order 1 at 1,47 cm, drawn 59 rows up, order 2 at 118
// rows (2,95 cm), order 3 at 176 rows (4,40 cm); one row is worth 10 / k nm.
INSTANTIATE_TEST_SUITE_P(Task, RecordedCheck,
    ::testing::Values(RecordedCase{"SecondOrder", u"2", u"2,95", 2, u"590", true, TaskHint::None},
        // 400 * 4,4 / 3 = 586,67, 2,33 nm off the line: within a row.
        RecordedCase{"ThirdOrderRoundedDown", u"2", u"4,40", 3, u"586", true, TaskHint::None},
        RecordedCase{"ThirdOrderRoundedUp", u"2", u"4,40", 3, u"587", true, TaskHint::None},
        RecordedCase{"WithinTwoNanometresIsASlip", u"2", u"4,40", 3, u"588", false, TaskHint::Rounding},
        RecordedCase{"TheLineItselfIsNotFromTheReadOuts", u"2", u"4,40", 3, u"589", false, TaskHint::Arithmetic},
        RecordedCase{"NeighbourOrder", u"2", u"2,95", 3, u"393", false, TaskHint::WrongOrder},
        RecordedCase{"NoMaximumThere", u"2", u"4,00", 1, u"1600", false, TaskHint::OffTheLine},
        RecordedCase{"OrderZero", u"2", u"2,95", 0, u"590", false, TaskHint::OrderMissing},
        RecordedCase{"GratingNotANumber", u"два", u"2,95", 2, u"590", false, TaskHint::OffTheLine},
        RecordedCase{"GratingInfinite", u"INF", u"2,95", 2, u"590", false, TaskHint::OffTheLine},
        RecordedCase{"GratingHuge", u"1e300", u"2,95", 2, u"590", false, TaskHint::OffTheLine},
        RecordedCase{"GratingNegative", u"-2", u"2,95", 2, u"590", false, TaskHint::OffTheLine},
        RecordedCase{"DistanceNotANumber", u"2", u"2.95", 2, u"590", false, TaskHint::OffTheLine},
        RecordedCase{"DistanceBeyondTheScale", u"2", u"1e300", 2, u"590", false, TaskHint::OffTheLine},
        RecordedCase{"PastedText", u"2", u"2,95", 2, u"590 нм", false, TaskHint::Arithmetic}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
