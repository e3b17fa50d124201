// The bench session on its own, without a window: what every front end
// relies on when it calls the session's actions.
#include "bench_session.h"
#include "manual_clock.h"
#include "picture_catalogue.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;
using bench::Arrow;
using bench::BenchSession;
using bench::SpinPart;
using bench::TextField;

namespace {

class SessionTest : public ::testing::Test {
protected:
    ManualClock clock_;
    BenchSession session_{assets::scenePictures(), bench::NumberFormat{}, clock_};
};

TEST_F(SessionTest, AFailedRenderStopsEveryRepetitionBeforeItIsReported)
{
    session_.arrowPress(Arrow::Left);
    session_.arrowPress(Arrow::Right);
    session_.spinnerPress(SpinPart::Up);
    session_.typeText(TextField::Wavelength, u"38 0"_s);

    std::vector<QString> events;
    QObject::connect(&session_, &BenchSession::changed, [&] { events.push_back(u"changed"_s); });
    QObject::connect(&session_, &BenchSession::conversionFailed, [&](const QString &message) {
        events.push_back(message);
        EXPECT_FALSE(session_.arrowRepeating(Arrow::Left));
        EXPECT_FALSE(session_.arrowRepeating(Arrow::Right));
        EXPECT_FALSE(session_.spinnerRepeating());
        EXPECT_FALSE(session_.arrowLooksPressed(Arrow::Left));
        EXPECT_EQ(session_.spinnerLooksPressed(), SpinPart::None);
    });
    const bench::ActionResult result = session_.selectOrder(2);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, u"'38 0' is not a valid integer value."_s);
    EXPECT_EQ(events, (std::vector<QString>{u"changed"_s, *result}));
    // The state as the action left it, and nothing runs on.
    EXPECT_EQ(session_.state().k_sel, 2);
    EXPECT_EQ(session_.text(TextField::Distance), u"1,90"_s);
    clock_.advance(2000);
    EXPECT_EQ(session_.state().dl_ofs, 0);
    EXPECT_EQ(session_.state().d_gr, 1.0);
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(SessionTest, ADragToAWavelengthIsOneRenderAndStaysOnTheStrip)
{
    struct Drag {
        int nm;
        int left;
    };
    for (const Drag drag :
        {Drag{589, 525}, Drag{1000, 696}, Drag{-2147483647, 316}, Drag{2147483647, 696}, Drag{380, 316}}) {
        const unsigned before = session_.renders();
        EXPECT_FALSE(session_.dragSliderTo(drag.nm).has_value());
        EXPECT_EQ(session_.renders(), before + 1) << drag.nm;
        EXPECT_EQ(session_.sliderTopLeft().x(), drag.left) << drag.nm;
        EXPECT_EQ(session_.text(TextField::Wavelength), QString::number(drag.left - 316 + 380));
        EXPECT_FALSE(session_.state().fl_drag);
    }
}

TEST_F(SessionTest, TypingRendersNothingAndTheProgramsWritesAreCounted)
{
    const unsigned renders = session_.renders();
    const unsigned writes = session_.textWrites(TextField::Wavelength);
    session_.typeText(TextField::Wavelength, u"380"_s);
    EXPECT_EQ(session_.renders(), renders);
    EXPECT_EQ(session_.textWrites(TextField::Wavelength), writes);
    // At the strip's end the arrow writes the same "380" again: a write all the same.
    session_.Img_dl_dnClick();
    EXPECT_EQ(session_.renders(), renders + 1);
    EXPECT_EQ(session_.textWrites(TextField::Wavelength), writes + 1);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"380"_s);
}

TEST_F(SessionTest, TheAnswerButtonChecksThenResets)
{
    session_.typeText(TextField::Answer, u"380"_s);
    session_.Button6Click();
    EXPECT_EQ(session_.verdict(), bench::Verdict::Right);
    EXPECT_EQ(session_.checkButton(), bench::CheckButton::Reset);
    EXPECT_EQ(session_.text(TextField::Answer), u"380"_s);
    session_.Button6Click();
    EXPECT_EQ(session_.verdict(), bench::Verdict::None);
    EXPECT_EQ(session_.checkButton(), bench::CheckButton::Check);
    EXPECT_EQ(session_.text(TextField::Answer), QString());
}

} // namespace
