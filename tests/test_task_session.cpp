// The bench session as a classroom task: the lamp stands in for the slider,
// whichever front end calls the actions.
#include "bench_session.h"
#include "manual_clock.h"
#include "picture_catalogue.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using bench::Arrow;
using bench::BenchSession;
using bench::TextField;

namespace {

class TaskSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 9Б, variant 6: the sodium line at 589 nm (the independent vectors).
        const bench::TaskParse parse = bench::parseTask(u"9б"_s, u"6"_s, u"Иванов Пётр"_s);
        ASSERT_EQ(parse.error, bench::TaskInputError::None);
        EXPECT_FALSE(session_.startTask(parse.task).has_value());
    }

    void check(const QString &answer)
    {
        session_.typeText(TextField::Answer, answer);
        session_.Button6Click();
    }

    ManualClock clock_;
    BenchSession session_{assets::scenePictures(), bench::NumberFormat{}, clock_};
};

TEST_F(TaskSession, TheBenchIsTheOneADragToTheLineGives)
{
    ManualClock clock;
    BenchSession dragged(assets::scenePictures(), bench::NumberFormat{}, clock);
    dragged.dragSliderTo(589);

    EXPECT_EQ(session_.state().dl_ofs, 209);
    EXPECT_EQ(session_.sliderTopLeft().x(), 316 + 209);
    EXPECT_EQ(session_.lightColour(), dragged.lightColour());
    EXPECT_EQ(session_.scene().benchCanvas().image(), dragged.scene().benchCanvas().image());
    EXPECT_EQ(session_.text(TextField::Distance), u"2,95"_s);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"?"_s);
    EXPECT_EQ(session_.task()->code, u"9Б"_s);
    EXPECT_EQ(session_.task()->pupil, u"Иванов Пётр"_s);
}

TEST_F(TaskSession, TheSliderAndArrowsDoNothingAndTypingCannotBreakARender)
{
    const unsigned renders = session_.renders();
    const unsigned changes = [&] {
        unsigned n = 0;
        QObject::connect(&session_, &BenchSession::changed, [&n] { ++n; });
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
    EXPECT_EQ(changes, 0u);
    EXPECT_EQ(session_.renders(), renders);
    EXPECT_EQ(session_.state().dl_ofs, 209);
    EXPECT_FALSE(session_.state().fl_drag);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"?"_s);

    // The spinner and the orders work on the lamp's wavelength.
    EXPECT_FALSE(session_.SpinButton1UpClick().has_value());
    EXPECT_EQ(session_.text(TextField::Distance), u"2,68"_s);
    EXPECT_FALSE(session_.selectOrder(-1).has_value());
    EXPECT_EQ(session_.text(TextField::Distance), u"-2,68"_s);
    EXPECT_EQ(session_.renders(), renders + 2);
}

TEST_F(TaskSession, ChecksAreCountedHintedAndTheLineNamedAfterARightOne)
{
    check(u"5890"_s);
    EXPECT_EQ(session_.verdict(), bench::Verdict::Wrong);
    EXPECT_EQ(session_.taskHint(), bench::TaskHint::Units);
    EXPECT_EQ(session_.taskChecks(), 1u);
    EXPECT_FALSE(session_.taskSolved());

    session_.Button6Click(); // reset: the hint of the last check stays readable
    EXPECT_EQ(session_.verdict(), bench::Verdict::None);
    EXPECT_EQ(session_.text(TextField::Answer), QString());
    EXPECT_EQ(session_.taskHint(), bench::TaskHint::Units);
    EXPECT_EQ(session_.taskChecks(), 1u);

    check(u"590"_s); // from the read-outs: 200 * 1,0 * 2,95
    EXPECT_EQ(session_.verdict(), bench::Verdict::Right);
    EXPECT_EQ(session_.taskHint(), bench::TaskHint::None);
    EXPECT_EQ(session_.taskChecks(), 2u);
    EXPECT_TRUE(session_.taskSolved());

    session_.Button6Click();
    check(u"1"_s);
    EXPECT_EQ(session_.taskChecks(), 3u);
    EXPECT_TRUE(session_.taskSolved()); // solved once stays solved
}

} // namespace
