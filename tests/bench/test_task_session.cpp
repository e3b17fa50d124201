// The bench session as a classroom task: the lamp stands in for the slider,
// the cursor measures y and the pupil types k, whichever front end calls the
// actions; the teacher's program judges the recorded checks alike.
#include "answer_check.h"
#include "bench_session.h"
#include "journal.h"
#include "journal_result.h"
#include "manual_clock.h"
#include "picture_catalogue.h"
#include "result_judging.h"
#include "task_texts.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using bench::Arrow;
using bench::BenchSession;
using bench::TaskHint;
using bench::TextField;
using bench::Verdict;

namespace {

constexpr int kSodium589 = 5; // in the frozen table of lines
constexpr int kHydrogen656 = 7;

class TaskSession : public ::testing::Test {
protected:
    void start(int line)
    {
        EXPECT_FALSE(session_.startTask(bench::Task{u"9Б"_s, 6, u"Иванов Пётр"_s, line}).has_value());
    }
    void SetUp() override { start(kSodium589); }

    void measure(int cursor, const QString &order, const QString &answer)
    {
        session_.moveCursorTo(cursor);
        session_.typeText(TextField::Order, order);
        session_.typeText(TextField::Answer, answer);
        session_.Button6Click();
    }

    ManualClock clock_;
    BenchSession session_{assets::scenePictures(), bench::NumberFormat{}, clock_};
};

TEST_F(TaskSession, TheBenchIsTheOneADragToTheLineGivesWithTheCursorOn)
{
    ManualClock clock;
    BenchSession dragged(assets::scenePictures(), bench::NumberFormat{}, clock);
    dragged.dragSliderTo(589);
    dragged.showCursor(true);

    EXPECT_EQ(session_.state().dl_ofs, 209);
    EXPECT_EQ(session_.sliderTopLeft().x(), 316 + 209);
    EXPECT_EQ(session_.lightColour(), dragged.lightColour());
    EXPECT_EQ(session_.scene().benchCanvas().image(), dragged.scene().benchCanvas().image());
    EXPECT_TRUE(session_.cursorShown());
    EXPECT_FALSE(session_.showCursor(false).has_value());
    EXPECT_TRUE(session_.cursorShown());
    // y is the cursor's read-out, k is left to the pupil.
    EXPECT_EQ(session_.text(TextField::Distance), u"0,00"_s);
    EXPECT_EQ(session_.text(TextField::Order), QString());
    EXPECT_EQ(session_.text(TextField::Wavelength), u"?"_s);
    EXPECT_EQ(session_.task()->code, u"9Б"_s);
    EXPECT_EQ(session_.task()->pupil, u"Иванов Пётр"_s);
}

TEST_F(TaskSession, TheSliderAndArrowsDoNothingAndAMaximumsClickFillsInNothing)
{
    const unsigned renders = session_.renders();
    unsigned n = 0;
    const QMetaObject::Connection counting = QObject::connect(&session_, &BenchSession::changed, [&n] { ++n; });
    const unsigned changes = [&] {
        session_.Img_vizirMouseDown(2);
        session_.Img_vizirMouseMove(50);
        session_.Img_vizirMouseUp();
        session_.dragSliderTo(700);
        for (const Arrow arrow : {Arrow::Left, Arrow::Right}) {
            session_.arrowPress(arrow);
            clock_.advance(1000);
            session_.arrowClick(arrow);
            session_.arrowRelease(arrow);
        }
        session_.typeText(TextField::Wavelength, u"4a0"_s);
        return n;
    }();
    QObject::disconnect(counting);
    EXPECT_EQ(changes, 0u);
    EXPECT_EQ(session_.renders(), renders);
    EXPECT_EQ(session_.state().dl_ofs, 209);
    EXPECT_FALSE(session_.state().fl_drag);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"?"_s);

    // The spinner and the maxima still work on the lamp's wavelength, but
    // the fields keep the cursor's read-out and the typed order.
    session_.moveCursorTo(118);
    session_.typeText(TextField::Order, u"3"_s);
    session_.typeText(TextField::Distance, u"5,90"_s);
    EXPECT_FALSE(session_.SpinButton1UpClick().has_value());
    EXPECT_FALSE(session_.selectOrder(-1).has_value());
    EXPECT_EQ(session_.state().k_sel, -1);
    EXPECT_TRUE(session_.arcDownVisible());
    EXPECT_EQ(session_.text(TextField::Distance), u"2,95"_s);
    EXPECT_EQ(session_.text(TextField::Order), u"3"_s);
    EXPECT_EQ(session_.renders(), renders + 3);
}

struct MeasureCase {
    const char *name;
    int line;
    int gratingSteps;   // up from 1,0; ten give 2
    int cursor;         // rows above the axis
    const char *order;  // typed
    const char *answer; // typed
    const char *distance;
    Verdict verdict;
    TaskHint hint;
    const char *said; // beside the verdict
};

class TaskMeasure : public TaskSession, public ::testing::WithParamInterface<MeasureCase> {};

// lambda = 200 * d * y / k nm (d in 1e-5 m, y in cm, F = 50 cm); the cursor
// reads rows / 40 cm. 589 nm at d = 1,0: order 1 at 2,95 cm, drawn 118 rows
// up; at d = 2 order 2 is drawn there. 656 nm: order 1 at 3,28 cm, 131 rows.
TEST_P(TaskMeasure, JudgesTheMeasurementThenTheArithmeticAsTheTeacherDoes)
{
    const MeasureCase &c = GetParam();
    start(c.line);
    for (int i = 0; i < c.gratingSteps; ++i)
        session_.SpinButton1UpClick();
    journal::Journal log(session_);
    measure(c.cursor, QString::fromUtf8(c.order), QString::fromUtf8(c.answer));
    EXPECT_EQ(session_.text(TextField::Distance), QString::fromUtf8(c.distance));
    EXPECT_EQ(session_.verdict(), c.verdict);
    EXPECT_EQ(session_.taskHint(), c.hint);
    const bench::LampLine &line = bench::kLampLines[size_t(c.line)];
    const QString said = c.verdict == Verdict::Right ? bench::lineName(line) : bench::hintText(c.hint);
    EXPECT_EQ(said, QString::fromUtf8(c.said));

    // The result file holds the cursor's y and the typed k, and the
    // teacher's program, judging it again, agrees with the pupil's window.
    const auto result = journal::resultOfJournal(log, session_, QDate(2026, 12, 9));
    ASSERT_TRUE(result.has_value());
    ASSERT_EQ(result->checks.size(), 1u);
    EXPECT_EQ(result->checks[0].distance, QString::fromUtf8(c.distance));
    EXPECT_EQ(result->checks[0].order, bench::typedOrder(QString::fromUtf8(c.order)).value_or(0));
    EXPECT_EQ(result->checks[0].hint, said);
    const classroom::JudgedResult judged = classroom::judgeResult(*result, line);
    EXPECT_TRUE(judged.agrees);
    EXPECT_EQ(judged.firstRight.has_value(), c.verdict == Verdict::Right);
}

INSTANTIATE_TEST_SUITE_P(Task, TaskMeasure,
    ::testing::Values(MeasureCase{"OnTheLine", kSodium589, 0, 118, "1", "590", "2,95", Verdict::Right, TaskHint::None,
                          "натрий, 589 нм"},
        // 400 * 2,95 / 2 = 590; order 1 stays selected, the typed 2 counts.
        MeasureCase{"SecondOrderBelowTheAxis", kSodium589, 10, -118, " 2", "590", "-2,95", Verdict::Right,
            TaskHint::None, "натрий, 589 нм"},
        // 200 * 3,03 = 606: the line's 589 is 3 pixels (15 nm) off.
        MeasureCase{"ThreePixelsOff", kSodium589, 0, 121, "1", "606", "3,03", Verdict::Wrong, TaskHint::OffTheLine,
            "визир не на линии"},
        MeasureCase{"Arithmetic", kSodium589, 0, 118, "1", "600", "2,95", Verdict::Wrong, TaskHint::Arithmetic,
            "ошибка в вычислении"},
        // On the second order's maximum with k = 1: 1180 nm, no line there.
        MeasureCase{"WrongOrder", kSodium589, 10, 118, "1", "1180", "2,95", Verdict::Wrong, TaskHint::WrongOrder,
            "проверьте k"},
        MeasureCase{"NoOrder", kSodium589, 0, 118, "", "590", "2,95", Verdict::Wrong, TaskHint::OrderMissing,
            "введите порядок k от 1 до 8"},
        // The read-outs give 590, and 588,97 by the exact formula: 591 is a slip of 1 nm.
        MeasureCase{"OneNanometreSlip", kSodium589, 0, 118, "1", "591", "2,95", Verdict::Wrong, TaskHint::Rounding,
            "Почти: проверьте округление."},
        MeasureCase{"TheLineByTheExactFormula", kSodium589, 0, 118, "1", "589", "2,95", Verdict::Right, TaskHint::None,
            "натрий, 589 нм"},
        // 200 * 3,28 = 656: 650 is a 1 % error, not a rounding slip.
        MeasureCase{"OnePercentOff", kHydrogen656, 0, 131, "1", "650", "3,28", Verdict::Wrong, TaskHint::Arithmetic,
            "ошибка в вычислении"},
        MeasureCase{"Hydrogen", kHydrogen656, 0, 131, "1", "656", "3,28", Verdict::Right, TaskHint::None,
            "водород, 656 нм"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TaskSession, ChecksAreCountedAndASolvedTaskStaysSolved)
{
    measure(118, u"1"_s, u"600"_s);
    EXPECT_EQ(session_.verdict(), Verdict::Wrong);
    EXPECT_EQ(session_.taskChecks(), 1u);
    EXPECT_FALSE(session_.taskSolved());

    session_.Button6Click(); // reset: the hint of the last check stays readable
    EXPECT_EQ(session_.verdict(), Verdict::None);
    EXPECT_EQ(session_.text(TextField::Answer), QString());
    EXPECT_EQ(session_.taskHint(), TaskHint::Arithmetic);
    EXPECT_EQ(session_.taskChecks(), 1u);

    measure(118, u"1"_s, u"590"_s);
    EXPECT_EQ(session_.verdict(), Verdict::Right);
    EXPECT_EQ(session_.taskChecks(), 2u);
    EXPECT_TRUE(session_.taskSolved());

    session_.Button6Click();
    measure(118, u"1"_s, u"1"_s);
    EXPECT_EQ(session_.taskChecks(), 3u);
    EXPECT_TRUE(session_.taskSolved()); // solved once stays solved
}

} // namespace
