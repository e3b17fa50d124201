// The experiment screen without a mouse: every key press is one action of
// the session, the one the mouse does, and renders once.
#include "test_controls_fixture.h"

#include "keyboard_help.h"
#include "ui_mainUnit.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

class KeyboardTest : public ScreenTest {
protected:
    // Keys go where the window system sends them: to the focus widget.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(window(), k, mods); }
    void focus(QWidget *w)
    {
        w->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    }
    unsigned renders() { return session().renders(); }
};

struct StripKey {
    const char *name;
    int fromNm;
    Qt::Key key;
    int toNm;
};

class StripKeyTest : public KeyboardTest, public ::testing::WithParamInterface<StripKey> {};

TEST_P(StripKeyTest, IsOneClickOrOneDragAndNothingRepeats)
{
    const StripKey k = GetParam();
    session().dragSliderTo(k.fromNm);
    focus(form().Img_vizir);
    const unsigned before = renders();
    key(k.key);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(sliderOffset(), k.toNm - 380);
    clock_.advance(2000);
    EXPECT_EQ(sliderOffset(), k.toNm - 380);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_FALSE(session().arrowRepeating(bench::Arrow::Left));
    EXPECT_FALSE(session().arrowRepeating(bench::Arrow::Right));
    EXPECT_EQ(form().Img_dl_up->picture(), form().Img_dlup->picture());
}

INSTANTIATE_TEST_SUITE_P(Keys, StripKeyTest,
    ::testing::Values(StripKey{"RightAddsOne", 500, Qt::Key_Right, 501},
        StripKey{"LeftTakesOne", 500, Qt::Key_Left, 499}, StripKey{"RightStopsAt760", 760, Qt::Key_Right, 760},
        StripKey{"LeftStopsAt380", 380, Qt::Key_Left, 380}, StripKey{"PageUpAddsTen", 500, Qt::Key_PageUp, 510},
        StripKey{"PageUpClamps", 755, Qt::Key_PageUp, 760}, StripKey{"PageDownTakesTen", 500, Qt::Key_PageDown, 490},
        StripKey{"PageDownClamps", 385, Qt::Key_PageDown, 380}, StripKey{"HomeGoesTo380", 600, Qt::Key_Home, 380},
        StripKey{"EndGoesTo760", 600, Qt::Key_End, 760}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, BenchKeysWalkTheSelectableOrdersAndStopAtTheLast)
{
    // Initially orders -2..2 stay on the scale; order 1 is selected.
    focus(form().Img_osn);
    struct Step {
        Qt::Key key;
        int order;
        unsigned renders;
    };
    const Step steps[] = {{Qt::Key_Up, 2, 1}, {Qt::Key_Up, 2, 0}, {Qt::Key_Down, 1, 1}, {Qt::Key_Down, 0, 1},
        {Qt::Key_Down, -1, 1}, {Qt::Key_Down, -2, 1}, {Qt::Key_Down, -2, 0}, {Qt::Key_Home, 0, 1},
        {Qt::Key_Home, 0, 1}};
    for (const Step &step : steps) {
        const unsigned before = renders();
        key(step.key);
        EXPECT_EQ(state().k_sel, step.order);
        EXPECT_EQ(renders(), before + step.renders) << "to order " << step.order;
        EXPECT_EQ(form().Ed_k->text(), QString::number(std::abs(step.order)));
    }
}

TEST_F(KeyboardTest, BenchUpNeverJumpsBackToOrderOne)
{
    // At d = 3.0 and 380 nm orders up to 7 stay on the scale (y7 = 4,43 cm).
    for (int i = 0; i < 20; ++i)
        session().SpinButton1UpClick();
    focus(form().Img_osn);
    for (int order = 2; order <= 7; ++order) {
        key(Qt::Key_Up);
        EXPECT_EQ(form().Ed_k->text(), QString::number(order));
    }
    const unsigned before = renders();
    key(Qt::Key_Up);
    EXPECT_EQ(state().k_sel, 7);
    EXPECT_EQ(renders(), before);
}

TEST_F(KeyboardTest, CtrlArrowsClickTheSpinnerFromAnyControlOfTheScreen)
{
    Ui::ExperimentScreen &f = form();
    for (QWidget *w : std::initializer_list<QWidget *>{f.Ed_d, f.Ed_ym, f.Ed_k, f.Edit5, f.Ed_mkm, f.Button6, f.Img_osn,
             f.Img_vizir}) {
        focus(w);
        const unsigned before = renders();
        key(Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(f.Ed_d->text(), u"1,1"_s) << w->objectName().toStdString();
        EXPECT_EQ(renders(), before + 1) << w->objectName().toStdString();
        key(Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(state().d_gr, 1.0) << w->objectName().toStdString();
        EXPECT_EQ(renders(), before + 2) << w->objectName().toStdString();
        EXPECT_FALSE(session().spinnerRepeating());
    }
}

TEST_F(KeyboardTest, CtrlArrowsDoNothingWhileAnotherScreenIsShown)
{
    form_->Button4Click();
    form_->ui().Button1->setFocus();
    const unsigned before = renders();
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(state().d_gr, 1.0);
    EXPECT_EQ(renders(), before);
}

TEST_F(KeyboardTest, EnterInTheAnswerFieldPressesTheCheckButton)
{
    focus(form().Edit5);
    QTest::keyClicks(form().Edit5, u"3a8,0"_s);
    EXPECT_EQ(form().Edit5->text(), u"380"_s); // still filtered
    const unsigned before = renders();
    key(Qt::Key_Return);
    EXPECT_EQ(form().Lbl_otv->text(), u"Верно !"_s);
    EXPECT_EQ(form().Button6->text(), u"Сброс"_s);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form().Lbl_otv->text(), QString());
    EXPECT_EQ(form().Edit5->text(), QString());
    EXPECT_EQ(form().Button6->text(), u"Проверить"_s);
    EXPECT_EQ(renders(), before);
}

// The pixels a focus frame changes, in the coordinates of `box`.
QRegion changedPixels(const QImage &before, const QImage &after)
{
    QRegion changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                changed += QRect(x, y, 1, 1);
        }
    }
    return changed;
}

TEST_F(KeyboardTest, FocusFramesLieOutsideTheCanvasAndTheStrip)
{
    Ui::ExperimentScreen &f = form();
    struct Stop {
        QWidget *control;
        QWidget *box;
        QRect untouched; // the control's own pixels and those beside it
    };
    const Stop stops[] = {
        {f.Img_osn, f.GroupBox3, f.Img_osn->geometry()},
        {f.Img_vizir, f.GroupBox4, f.Img_dl_dn->geometry() | f.Shp_spektr->geometry() | f.Img_dl_up->geometry()},
    };
    focus(f.Button6);
    for (const Stop &stop : stops) {
        const QImage before = stop.box->grab().toImage();
        focus(stop.control);
        const QImage framed = stop.box->grab().toImage();
        const QRegion changed = changedPixels(before, framed);
        EXPECT_GT(changed.boundingRect().width(), stop.untouched.width()) << stop.control->objectName().toStdString();
        EXPECT_GT(changed.boundingRect().height(), stop.untouched.height());
        EXPECT_TRUE((changed & stop.untouched).isEmpty()) << stop.control->objectName().toStdString();
        focus(f.Button6);
        EXPECT_EQ(stop.box->grab().toImage(), before) << stop.control->objectName().toStdString();
    }
}

TEST_F(KeyboardTest, F1ListsEveryKeyInADialog)
{
    key(Qt::Key_F1);
    auto *dialog = form_->findChild<KeyboardHelpDialog *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), u"Управление с клавиатуры"_s);
    QString listed;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        listed += label->text() + u'\n';
    for (const QString &k :
        {u"Tab"_s, u"Ctrl+↑"_s, u"PageUp"_s, u"Home, End"_s, u"→, ←"_s, u"↑, ↓"_s, u"Enter"_s, u"Ctrl+O"_s})
        EXPECT_TRUE(listed.contains(k)) << k.toStdString();
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    // The offscreen platform has no window manager to hand the activation back.
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    key(Qt::Key_F1);
    EXPECT_EQ(form_->findChildren<KeyboardHelpDialog *>().size(), 1);
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject();
}

} // namespace
