// Selecting a maximum by clicking its invisible target on the bench picture.
#include "test_controls_fixture.h"

#include "image_control.h"

namespace {

class OrderTest : public ScreenTest {
protected:
    TImage *target(int order) { return screen().target(bench::targetOfOrder(order)); }

    // Clicks the part of a target that lies inside the bench's group box.
    void clickTarget(int order)
    {
        TImage *t = target(order);
        const QRect box(t->mapFrom(form().GroupBox3, QPoint(0, 0)), form().GroupBox3->size());
        const QRect visible = t->rect().intersected(box);
        ASSERT_FALSE(visible.isEmpty()) << "target of order " << order << " lies outside the group box";
        click(t, visible.center());
    }

    void setGratingToThree()
    {
        for (int i = 0; i < 20; ++i)
            session().SpinButton1UpClick();
        ASSERT_EQ(state().d_gr, 3.0);
    }
};

TEST_F(OrderTest, AllTargetsShowAHandCursor)
{
    for (int k = -8; k <= 8; ++k)
        EXPECT_EQ(target(k)->cursor().shape(), Qt::PointingHandCursor) << "order " << k;
}

struct Selection {
    int order;
    const char *distance;   // Ed_ym
    const char *shownOrder; // Ed_k
    bool arcUp;
    bool arcDown;
    int phiTop;
    int rayRow; // where the ray meets the screen at x = 847
};

class OrderSelection : public OrderTest, public ::testing::WithParamInterface<Selection> {};

// The initial bench: 380 nm, d = 1, q = 1.90 cm; the axis is at row 223.
TEST_P(OrderSelection, ClickSelectsTheOrderAndShowsIt)
{
    const Selection &s = GetParam();
    clickTarget(s.order);
    EXPECT_EQ(state().k_sel, s.order);
    EXPECT_EQ(form().Ed_ym->text(), QString::fromLatin1(s.distance));
    EXPECT_EQ(form().Ed_k->text(), QString::fromLatin1(s.shownOrder));
    EXPECT_EQ(form().Img_ugu->isVisibleTo(&screen()), s.arcUp);
    EXPECT_EQ(form().Img_ugd->isVisibleTo(&screen()), s.arcDown);
    EXPECT_EQ(form().Img_f->y(), s.phiTop);
    // The ray from the lens centre ends on the screen at the selected maximum.
    EXPECT_EQ(session().scene().benchCanvas().image().pixel(847, s.rayRow) & 0xFFFFFF, 0xB4B4B4u);
}

INSTANTIATE_TEST_SUITE_P(InitialBench, OrderSelection,
    ::testing::Values(Selection{0, "0,00", "0", false, false, 2000, 223},
        Selection{1, "1,90", "1", true, false, 185, 147}, Selection{-1, "-1,90", "1", false, true, 270, 299},
        Selection{2, "3,80", "2", true, false, 185, 71}, Selection{-2, "-3,80", "2", false, true, 270, 375}),
    [](const auto &info) {
    const int k = info.param.order;
    return k < 0 ? "Minus" + std::to_string(-k) : "Order" + std::to_string(k);
});

TEST_F(OrderTest, TargetsBeyondThePictureTakeClicksAndFallBackToOrderOne)
{
    // Orders 3 and -3 lie 228 pixels from the axis, just off the bench picture
    // but still reaching into its group box; beyond 200 pixels order 1 is
    // selected instead.
    for (int order : {3, -3}) {
        clickTarget(-1);
        ASSERT_EQ(state().k_sel, -1);
        clickTarget(order);
        EXPECT_EQ(state().k_sel, 1) << "order " << order;
        EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("1,90"));
    }
}

TEST_F(OrderTest, AtThreeOrdersUpToSevenCanBeSelected)
{
    setGratingToThree();
    clickTarget(7);
    EXPECT_EQ(state().k_sel, 7);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("4,43"));
    EXPECT_EQ(form().Ed_k->text(), QStringLiteral("7"));
    clickTarget(-8);
    EXPECT_EQ(state().k_sel, 1);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("0,63"));
}

TEST_F(OrderTest, SelectionSurvivesWavelengthAndGratingChanges)
{
    setGratingToThree();
    clickTarget(-3);
    ASSERT_EQ(state().k_sel, -3);
    dragSliderTo(416); // 480 nm: y(3) = 3 * 480 * 50e-4 / 3 = 2.4 cm
    EXPECT_EQ(state().k_sel, -3);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("-2,40"));
    EXPECT_EQ(form().Ed_k->text(), QStringLiteral("3"));
    session().SpinButton1DownClick(); // d = 2.9: y = 7.2 / 2.9 = 2.4827...
    EXPECT_EQ(state().k_sel, -3);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("-2,48"));
    // Down to d = 1.0 order 3 lies at 7.2 cm, off the scale: order 1 again.
    for (int i = 0; i < 19; ++i)
        session().SpinButton1DownClick();
    EXPECT_EQ(state().k_sel, 1);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("2,40"));
}

TEST_F(OrderTest, ClickWithATypedNonIntegerLeavesThePreviousReadoutsUntilTheSliderMoves)
{
    const int Y = 223;
    const QImage &canvas = session().scene().benchCanvas().image();
    ASSERT_NE(canvas.pixel(830, Y + 76) & 0xFFFFFF, 0u);
    const QRect targetBefore = target(-1)->geometry();
    QTest::keyClicks(form().Ed_mkm, QStringLiteral(",5"));
    clickTarget(-1);
    ASSERT_EQ(shownErrors().size(), 1);
    EXPECT_EQ(shownErrors().front(), QStringLiteral("'380,5' is not a valid integer value."));
    EXPECT_EQ(state().k_sel, -1);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("1,90"));
    EXPECT_EQ(form().Ed_k->text(), QStringLiteral("1"));
    EXPECT_TRUE(form().Img_ugu->isVisibleTo(&screen()));
    EXPECT_EQ(target(-1)->geometry(), targetBefore);
    EXPECT_EQ(canvas.pixel(830, Y + 76) & 0xFFFFFF, 0u) << "the maxima are not drawn";
    EXPECT_NE(canvas.pixel(800, Y) & 0xFFFFFF, 0u) << "the central maximum is";

    dragSliderTo(317);
    EXPECT_EQ(shownErrors().size(), 1);
    EXPECT_EQ(state().k_sel, -1);
    EXPECT_EQ(form().Ed_ym->text(), QStringLiteral("-1,91"));
    EXPECT_EQ(form().Ed_k->text(), QStringLiteral("1"));
    EXPECT_TRUE(form().Img_ugd->isVisibleTo(&screen()));
    EXPECT_NE(canvas.pixel(830, Y + 76) & 0xFFFFFF, 0u);
}

} // namespace
