// The grating-constant spinner: the widget's timing and the steps it makes.
#include "test_controls_fixture.h"

#include "spin_button.h"

#include <vector>

namespace {

constexpr QPoint kOnUp{10, 5};
constexpr QPoint kOnDown{10, 20};

std::vector<QRgb> gratingColumn(const QImage &canvas)
{
    std::vector<QRgb> column;
    for (int y = 60; y < 390; ++y)
        column.push_back(canvas.pixel(80, y));
    return column;
}

class SpinnerTest : public ScreenTest {
protected:
    TSpinButton *spinner() { return form().SpinButton1; }
    // Each step of the spinner writes the grating field once.
    WriteLog steps() { return WriteLog(session(), bench::TextField::Grating, clock_); }
};

TEST_F(SpinnerTest, ClickStepsOnceOnRelease)
{
    const WriteLog log = steps();
    press(spinner(), kOnUp);
    EXPECT_EQ(log.count(), 0u);
    EXPECT_EQ(state().d_gr, 1.0);
    release(spinner(), kOnUp);
    EXPECT_EQ(log.count(), 1u);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,1"));
}

struct RowCase {
    int row;
    bool up;
};

class SpinnerRows : public SpinnerTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(SpinnerRows, EachRowBelongsToOneButton)
{
    for (int i = 0; i < 5; ++i)
        session().SpinButton1UpClick();
    const WriteLog log = steps();
    click(spinner(), {3, GetParam().row});
    EXPECT_EQ(log.count(), 1u);
    EXPECT_EQ(form().Ed_d->text(), GetParam().up ? QStringLiteral("1,6") : QStringLiteral("1,4"));
}

// The down button lies over the up button's last row.
INSTANTIATE_TEST_SUITE_P(Rows, SpinnerRows,
    ::testing::Values(RowCase{0, true}, RowCase{12, true}, RowCase{13, false}, RowCase{14, false}, RowCase{27, false}),
    [](const auto &info) { return "Row" + std::to_string(info.param.row) + (info.param.up ? "IsUp" : "IsDown"); });

TEST_F(SpinnerTest, TwentyStepsUpReachExactlyThree)
{
    const std::vector<const char *> shown{"1,1", "1,2", "1,3", "1,4", "1,5", "1,6", "1,7", "1,8", "1,9", "2", "2,1",
        "2,2", "2,3", "2,4", "2,5", "2,6", "2,7", "2,8", "2,9", "3"};
    for (const char *text : shown) {
        click(spinner(), kOnUp);
        EXPECT_EQ(form().Ed_d->text(), QString::fromLatin1(text));
    }
    EXPECT_EQ(state().d_gr, 3.0);
    click(spinner(), kOnUp);
    EXPECT_EQ(state().d_gr, 3.0);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("3"));
    // d = 3: y = 380 * 50e-4 / 3 = 0.633 cm.
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("0,63"));
    for (int i = 0; i < 20; ++i)
        click(spinner(), kOnDown);
    EXPECT_EQ(state().d_gr, 1.0);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1"));
}

TEST_F(SpinnerTest, StepDownAtTheLowerEndStaysAndRewritesTheField)
{
    click(spinner(), kOnDown);
    EXPECT_EQ(state().d_gr, 1.0);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1"));
}

TEST_F(SpinnerTest, HoldingNineHundredFiftyMillisecondsStepsSevenTimes)
{
    // Steps at 400, 500, ..., 900 ms, and one on release.
    const WriteLog log = steps();
    press(spinner(), kOnUp);
    clock_.advance(950);
    release(spinner(), kOnUp);
    EXPECT_EQ(log.times(), (std::vector<std::int64_t>{400, 500, 600, 700, 800, 900, 950}));
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,7"));
    EXPECT_FALSE(session().spinnerRepeating());
}

TEST_F(SpinnerTest, ShortClickStepsOnceOnly)
{
    press(spinner(), kOnUp);
    clock_.advance(250);
    release(spinner(), kOnUp);
    clock_.advance(300);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,1"));
    EXPECT_FALSE(session().spinnerRepeating());
}

TEST_F(SpinnerTest, SlidingOffSuspendsAndSlidingBackResumes)
{
    const WriteLog log = steps();
    press(spinner(), kOnUp);
    move(spinner(), kOnDown); // the other button does not count as over
    EXPECT_EQ(spinner()->looksPressed(), bench::SpinPart::None);
    clock_.advance(700);
    EXPECT_EQ(log.count(), 0u);
    move(spinner(), kOnUp);
    EXPECT_EQ(spinner()->looksPressed(), bench::SpinPart::Up);
    clock_.advance(350); // the repeats due at 800, 900 and 1000 ms
    EXPECT_EQ(log.times(), (std::vector<std::int64_t>{800, 900, 1000}));
    move(spinner(), kOnUp + QPoint(40, 0));
    clock_.advance(300);
    EXPECT_EQ(log.count(), 3u);
    // Released away from the button: no step on release either.
    release(spinner(), kOnUp + QPoint(40, 0));
    EXPECT_EQ(log.count(), 3u);
    EXPECT_FALSE(session().spinnerRepeating());
}

TEST_F(SpinnerTest, ReleaseOutsideStepsNothing)
{
    press(spinner(), kOnDown);
    move(spinner(), {10, 60});
    release(spinner(), {10, 60});
    press(spinner(), kOnUp);
    release(spinner(), {-30, 5});
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,0"));
    EXPECT_EQ(state().d_gr, 1.0);
}

TEST_F(SpinnerTest, DoubleClickStepsTwice)
{
    doubleClick(spinner(), kOnUp);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,2"));
}

TEST_F(SpinnerTest, OtherButtonsDoNothing)
{
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        press(spinner(), kOnUp, button);
        EXPECT_FALSE(session().spinnerRepeating());
        clock_.advance(500);
        release(spinner(), kOnUp, button);
    }
    EXPECT_EQ(state().d_gr, 1.0);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,0"));
}

TEST_F(SpinnerTest, PressPutsTheCaretIntoTheGratingFieldAndKeysNeverStep)
{
    EXPECT_EQ(spinner()->focusPolicy(), Qt::NoFocus);
    form().Edit5->setFocus();
    click(spinner(), kOnUp);
    EXPECT_TRUE(form().Ed_d->hasFocus());
    EXPECT_FALSE(spinner()->hasFocus());
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Space, Qt::Key_Plus})
        QTest::keyClick(&screen(), key);
    QTest::keyClick(spinner(), Qt::Key_Up);
    EXPECT_EQ(state().d_gr, 1.1);
}

TEST_F(SpinnerTest, ShowsBothGlyphsAndThePressedButton)
{
    // Black triangles on the push-button faces; the colour key of the glyphs
    // never shows. Up glyph: its widest row is 7 pixels in the upper button.
    auto blackIn = [](const QImage &image, int top, int bottom) {
        int n = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(0, 0, 0);
        return n;
    };
    auto olive = [](const QImage &image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(128, 128, 0))
                    return true;
        return false;
    };
    const QImage released = spinner()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(released.size(), QSize(20, 28));
    EXPECT_EQ(blackIn(released, 0, 12), 16); // 1 + 3 + 5 + 7
    EXPECT_EQ(blackIn(released, 14, 27), 16);
    EXPECT_FALSE(olive(released));
    press(spinner(), kOnUp);
    const QImage pressed = spinner()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(pressed.copy(0, 0, 20, 13), released.copy(0, 0, 20, 13));
    EXPECT_EQ(pressed.copy(0, 14, 20, 14), released.copy(0, 14, 20, 14));
    release(spinner(), kOnUp);
}

TEST_F(SpinnerTest, ErrorDuringARepetitionStopsIt)
{
    // The pupil typed a wavelength that is no integer: the render of a step
    // fails. The step itself stays made, and nothing repeats behind the box.
    form().Ed_mkm->setText(QStringLiteral("38,5"));
    press(spinner(), kOnUp);
    clock_.advance(700);
    EXPECT_FALSE(session().spinnerRepeating());
    EXPECT_EQ(spinner()->looksPressed(), bench::SpinPart::None);
    ASSERT_EQ(shownErrors().size(), 1);
    EXPECT_EQ(shownErrors().front(), QStringLiteral("'38,5' is not a valid integer value."));
    EXPECT_EQ(state().d_gr, 1.1);
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,1"));
    release(spinner(), kOnUp);
    EXPECT_EQ(shownErrors().size(), 1);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("1,90")) << "the distance keeps its last text";
}

TEST_F(SpinnerTest, StepWithATypedNonIntegerLeavesAPartialBenchUntilTheSliderMoves)
{
    const int Y = 223;
    const bench::TBitmap &canvas = session().scene().benchCanvas();
    ASSERT_NE(canvas.image().pixel(830, Y - 76) & 0xFFFFFF, 0u) << "order 1 drawn at the start";
    const std::vector<QRgb> gratingBefore = gratingColumn(canvas.image());
    QTest::keyClicks(form().Ed_mkm, QStringLiteral("x"));
    click(spinner(), kOnUp);
    ASSERT_EQ(shownErrors().size(), 1);
    EXPECT_EQ(shownErrors().front(), QStringLiteral("'380x' is not a valid integer value."));
    EXPECT_EQ(form().Ed_d->text(), QStringLiteral("1,1"));
    EXPECT_EQ(state().d_gr, 1.1);
    // The grating was drawn anew with longer bars, the maxima were not.
    EXPECT_NE(gratingColumn(canvas.image()), gratingBefore);
    EXPECT_EQ(canvas.image().pixel(830, Y - 76) & 0xFFFFFF, 0u);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("1,90"));

    dragSliderTo(317);
    EXPECT_EQ(shownErrors().size(), 1);
    EXPECT_EQ(sliderOffset(), 1);
    // 381 nm at d = 1.1: y = 381 * 50e-4 / 1.1 = 1.7318 cm, r(1) = Round(1.73 * 40) = 69.
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("1,73"));
    EXPECT_NE(canvas.image().pixel(840, Y - 69) & 0xFFFFFF, 0u);
}

} // namespace
