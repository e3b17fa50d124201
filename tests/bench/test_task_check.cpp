// The check of a classroom task as the teacher's program meets it: the texts
// of a result file, which may have been edited by hand, judged without a
// session. The measurement itself is tested in the session (test_task_session).
#include "task_check.h"

#include "answer_check.h"
#include "bench_state.h"
#include "lamp_lines.h"
#include "lamp_spectra.h"
#include "measuring_cursor.h"
#include "quantities.h"
#include "scale_rule.h"
#include "source_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

using namespace Qt::Literals::StringLiterals;
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
        RecordedCase{"PastedText", u"2", u"2,95", 2, u"590 нм", false, TaskHint::Arithmetic},
        // 400 * 4,4 / 3 / sqrt(1 + (4,4 / 50)^2) = 584,40: the exact formula.
        RecordedCase{"ExactFormulaRoundedDown", u"2", u"4,40", 3, u"584", true, TaskHint::None},
        RecordedCase{"ExactFormulaRoundedUp", u"2", u"4,40", 3, u"585", true, TaskHint::None},
        RecordedCase{"BelowBothFormulas", u"2", u"4,40", 3, u"583", false, TaskHint::Rounding}),
    [](const auto &info) { return std::string(info.param.name); });

// Every line a lamp shows, and every line a task can hide, measured with
// the cursor on its drawn maximum at every grating constant and every order
// on the scale: the small-angle answer 200 * d * y / k and the exact one,
// that over sqrt(1 + (y / 50)^2), both rounded to the nearest nm, are right
// in the lamp's check, in a task's and on the monochrome bench.
TEST(SoundMethods, BothFormulasAreRightForEveryLineAtEveryShownOrder)
{
    const bench::NumberFormat format{u','};
    struct Line {
        bench::LightSource source;
        int nm;
        bool inTasks;
    };
    std::vector<Line> lines;
    for (const bench::LightSourceInfo &info : bench::kLightSources) {
        for (const bench::SpectrumLine &l : bench::lampSpectrum(info.source))
            lines.push_back({info.source, l.wholeNm(), false});
    }
    for (const bench::LampLine &l : bench::kLampLines)
        lines.push_back({bench::LightSource::Mono, l.nm, true});
    ASSERT_GE(lines.size(), 60u);

    int judged = 0;
    for (double d = bench::kMinGrating;; d = bench::gratingStepUp(d)) {
        const QString grating = bench::FloatToStrGeneral(d, format);
        for (const Line &line : lines) {
            for (int k = 1; k <= bench::kMaxOrder; ++k) {
                const std::int64_t row = bench::maximumRowOffset(k, line.nm, d, format);
                if (!bench::onTheScale(row))
                    continue;
                const QString distance = bench::cursorText(int(row), format);
                const double y = QString(distance).replace(u',', u'.').toDouble();
                const double small = 200 * d * y / k;
                const double exact = small / std::sqrt(1 + (y / 50) * (y / 50));
                for (const double lambda : {small, exact}) {
                    const QString answer = QString::number(std::lround(lambda));
                    const auto where = [&] {
                        return QStringLiteral("%1 nm, d %2, k %3, y %4, answer %5")
                            .arg(line.nm)
                            .arg(grating)
                            .arg(k)
                            .arg(distance, answer)
                            .toStdString();
                    };
                    if (line.inTasks) {
                        EXPECT_TRUE(bench::judgeTaskAnswer(answer, {grating, distance, k}, line.nm, format).right)
                            << where();
                        EXPECT_TRUE(
                            bench::answerIsRight(answer, {QString::number(line.nm), grating, distance, k}, format))
                            << where();
                    } else {
                        const bench::CursorReadouts shown{grating, distance, QString::number(k), int(row), d};
                        EXPECT_TRUE(bench::judgeSourceAnswer(answer, shown, line.source, format).right) << where();
                    }
                    ++judged;
                }
            }
        }
        if (d >= bench::kMaxGrating)
            break;
    }
    EXPECT_GT(judged, 2000);
}

TEST(SoundMethods, MercuryGreenByTheExactFormula)
{
    // 1,0 * 1e4 * 2,73 / 50 = 546; exact 546 / sqrt(1 + 0,0546^2) = 545,19.
    const bench::NumberFormat format{u','};
    EXPECT_TRUE(bench::answerIsRight(u"545"_s, {u"546"_s, u"1"_s, u"2,73"_s, 1}, format));
    EXPECT_TRUE(
        bench::judgeSourceAnswer(u"545"_s, {u"1"_s, u"2,73"_s, u"1"_s, 109, 1.0}, bench::LightSource::Mercury, format)
            .right);
    EXPECT_FALSE(bench::answerIsRight(u"544"_s, {u"546"_s, u"1"_s, u"2,73"_s, 1}, format));
}

} // namespace
