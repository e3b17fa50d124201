// The wavelength slider on the spectrum strip and the two arrows beside it.
#include "test_controls_fixture.h"

#include <vector>

namespace {

constexpr QPoint kGrip{2, 8};
constexpr QPoint kOnArrow{8, 13};

using SliderTest = ScreenTest;

TEST_F(SliderTest, StartsAtTheLeftEnd)
{
    EXPECT_EQ(form().Img_vizir->x(), 316);
    EXPECT_EQ(sliderOffset(), 0);
}

TEST_F(SliderTest, DragFollowsTheMouseKeepingTheGrip)
{
    QWidget *slider = form().Img_vizir;
    press(slider, kGrip);
    EXPECT_TRUE(state().fl_drag);
    EXPECT_EQ(state().x_drag, 2);
    const QPoint start = inWindow(slider, kGrip);
    for (int dx : {1, 2, 50, 49, 120}) {
        QTest::mouseMove(window(), start + QPoint(dx, 0));
        EXPECT_EQ(sliderOffset(), dx);
        // The pointer stays on the same pixel of the slider.
        EXPECT_EQ(slider->mapFrom(form_.get(), start + QPoint(dx, 0)), kGrip);
    }
    release(slider, kGrip);
    EXPECT_FALSE(state().fl_drag);
    EXPECT_EQ(sliderOffset(), 120);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("2,50")); // 500 nm at d = 1: 2.5 cm
}

TEST_F(SliderTest, DragBeyondTheEndsPinsTheSliderAndComesBackWithTheGrip)
{
    QWidget *slider = form().Img_vizir;
    press(slider, kGrip);
    const QPoint start = inWindow(slider, kGrip);
    QTest::mouseMove(window(), start + QPoint(500, 0));
    EXPECT_EQ(slider->x(), 696);
    EXPECT_EQ(sliderOffset(), 380);
    EXPECT_EQ(form().Ed_mkm->text(), QStringLiteral("760"));
    QTest::mouseMove(window(), start + QPoint(100, 0));
    EXPECT_EQ(slider->x(), 416);
    QTest::mouseMove(window(), start + QPoint(-300, 0));
    EXPECT_EQ(slider->x(), 316);
    EXPECT_EQ(sliderOffset(), 0);
    QTest::mouseMove(window(), start + QPoint(7, 0));
    EXPECT_EQ(sliderOffset(), 7);
    release(slider, kGrip);
}

TEST_F(SliderTest, ReleaseOutsideEndsTheDrag)
{
    QWidget *slider = form().Img_vizir;
    press(slider, kGrip);
    const QPoint start = inWindow(slider, kGrip);
    // Far below the strip the slider still follows the held button.
    QTest::mouseMove(window(), start + QPoint(30, 60));
    EXPECT_EQ(sliderOffset(), 30);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, start + QPoint(30, 60));
    heldButtons_ = {};
    EXPECT_FALSE(state().fl_drag);
    QTest::mouseMove(window(), start + QPoint(90, 0));
    EXPECT_EQ(sliderOffset(), 30);
}

TEST_F(SliderTest, RightButtonDragsToo)
{
    QWidget *slider = form().Img_vizir;
    press(slider, kGrip, Qt::RightButton);
    EXPECT_TRUE(state().fl_drag);
    move(slider, kGrip + QPoint(10, 0));
    EXPECT_EQ(sliderOffset(), 10);
    release(slider, kGrip, Qt::RightButton);
    EXPECT_FALSE(state().fl_drag);
}

TEST_F(SliderTest, MovingWithoutAPressDoesNothing)
{
    QWidget *slider = form().Img_vizir;
    move(slider, kGrip);
    move(slider, kGrip + QPoint(3, 0));
    EXPECT_EQ(sliderOffset(), 0);
}

TEST_F(SliderTest, RewritesAWavelengthTypedByThePupil)
{
    QTest::keyClicks(form().Ed_mkm, QStringLiteral("x"));
    ASSERT_EQ(form().Ed_mkm->text(), QStringLiteral("380x"));
    dragSliderTo(320);
    EXPECT_EQ(sliderOffset(), 4);
    EXPECT_TRUE(shownErrors().isEmpty());
}

class ArrowTest : public ScreenTest {
protected:
    TImage *left() { return form().Img_dl_dn; }
    TImage *right() { return form().Img_dl_up; }

    // Each step of an arrow writes the wavelength field once.
    WriteLog steps() { return WriteLog(session(), bench::TextField::Wavelength, clock_); }

    // When the steps of a press held for `ms` came.
    std::vector<std::int64_t> hold(TImage *arrow, int ms, Qt::MouseButton button = Qt::LeftButton)
    {
        const WriteLog log = steps();
        const std::int64_t start = clock_.now();
        press(arrow, kOnArrow, button);
        clock_.advance(ms);
        release(arrow, kOnArrow, button);
        std::vector<std::int64_t> times = log.times();
        for (std::int64_t &t : times)
            t -= start;
        return times;
    }
};

TEST_F(ArrowTest, ClickStepsOnePixel)
{
    click(right(), kOnArrow);
    EXPECT_EQ(sliderOffset(), 1);
    click(right(), kOnArrow);
    click(left(), kOnArrow);
    EXPECT_EQ(sliderOffset(), 1);
}

TEST_F(ArrowTest, ClicksStopAtTheEndsWithoutTheStopFlag)
{
    click(left(), kOnArrow);
    EXPECT_EQ(form().Img_vizir->x(), 316);
    EXPECT_EQ(form().Ed_mkm->text(), QStringLiteral("380"));
    EXPECT_EQ(state().fl_stop, 0);
    dragSliderTo(696);
    click(right(), kOnArrow);
    EXPECT_EQ(form().Img_vizir->x(), 696);
    EXPECT_EQ(sliderOffset(), 380);
    EXPECT_EQ(state().fl_stop, 0);
}

TEST_F(ArrowTest, PressedAndReleasedPictures)
{
    for (auto [arrow, pressed, released] :
        {std::tuple{left(), form().Img_ldn, form().Img_dldn}, std::tuple{right(), form().Img_rdn, form().Img_dlup}}) {
        ASSERT_TRUE(pressed->hasPicture());
        ASSERT_NE(pressed->picture(), released->picture());
        EXPECT_EQ(arrow->picture(), released->picture());
        press(arrow, kOnArrow);
        EXPECT_EQ(arrow->picture(), pressed->picture());
        release(arrow, kOnArrow);
        EXPECT_EQ(arrow->picture(), released->picture());
        // The hidden controls keep their own pictures.
        EXPECT_NE(pressed->picture(), released->picture());
    }
}

TEST_F(ArrowTest, DoubleClickMovesOnePixel)
{
    doubleClick(right(), kOnArrow);
    clock_.advance(350);
    EXPECT_EQ(sliderOffset(), 1);
}

TEST_F(ArrowTest, QuickClickStartsNoRepeatAfterTheRelease)
{
    click(right(), kOnArrow);
    clock_.advance(450);
    EXPECT_EQ(sliderOffset(), 1);
}

TEST_F(ArrowTest, HoldingRepeatsOnePixelPerTickAfterTheDelay)
{
    // Press, 100 ms delay, then a tick every 100 ms: steps at 200, 300, ...
    // ms after the press, and one more step when released over the arrow.
    dragSliderTo(400);
    const int before = sliderOffset();
    EXPECT_EQ(hold(right(), 650), (std::vector<std::int64_t>{200, 300, 400, 500, 600, 650}));
    EXPECT_EQ(sliderOffset(), before + 6);
    EXPECT_FALSE(session().arrowRepeating(bench::Arrow::Right));
}

TEST_F(ArrowTest, LeftArrowRepeatsDownwards)
{
    dragSliderTo(400);
    EXPECT_EQ(hold(left(), 450), (std::vector<std::int64_t>{200, 300, 400, 450}));
    EXPECT_EQ(sliderOffset(), 84 - 4);
}

TEST_F(ArrowTest, RepeatStopsAtTheEndUntilReleased)
{
    dragSliderTo(696);
    press(right(), kOnArrow);
    clock_.advance(450);
    EXPECT_EQ(state().fl_stop, 2);
    EXPECT_EQ(sliderOffset(), 380);
    release(right(), kOnArrow);
    EXPECT_EQ(state().fl_stop, 0);
    EXPECT_EQ(sliderOffset(), 380);

    dragSliderTo(317);
    press(left(), kOnArrow);
    clock_.advance(450);
    EXPECT_EQ(state().fl_stop, 2);
    EXPECT_EQ(sliderOffset(), 0);
    release(left(), kOnArrow);
    EXPECT_EQ(state().fl_stop, 0);
}

TEST_F(ArrowTest, ReleaseOutsideEndsTheRepeatWithoutAStep)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        dragSliderTo(400);
        press(right(), kOnArrow, button);
        clock_.advance(450);
        move(right(), kOnArrow + QPoint(0, 60));
        release(right(), kOnArrow + QPoint(0, 60), button);
        const int atRelease = sliderOffset();
        EXPECT_EQ(atRelease, 84 + 3) << "button " << button;
        EXPECT_EQ(state().fl_stop, 0);
        clock_.advance(350);
        EXPECT_EQ(sliderOffset(), atRelease) << "the repeat outlived the release of button " << button;
    }
}

TEST_F(ArrowTest, OtherButtonsRepeatButGiveNoClickStep)
{
    dragSliderTo(400);
    const int before = sliderOffset();
    EXPECT_EQ(hold(right(), 450, Qt::RightButton), (std::vector<std::int64_t>{200, 300, 400}));
    EXPECT_EQ(sliderOffset(), before + 3);
}

TEST_F(ArrowTest, RewritesAWavelengthTypedByThePupil)
{
    form().Ed_mkm->setText(QStringLiteral("4.5"));
    click(right(), kOnArrow);
    EXPECT_EQ(sliderOffset(), 1);
    EXPECT_TRUE(shownErrors().isEmpty());
}

} // namespace
