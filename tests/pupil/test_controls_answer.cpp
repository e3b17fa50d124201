// The answer field and the check button.
#include "test_controls_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include <memory>

namespace {

class AnswerTest : public ScreenTest {
protected:
    QLineEdit *answer() { return form().Edit5; }

    void pressButton() { click(form().Button6, form().Button6->rect().center()); }

    QColor verdictColour() { return form().Lbl_otv->palette().color(QPalette::WindowText); }

    void checkAnswer(const QString &typed)
    {
        answer()->clear();
        QTest::keyClicks(answer(), typed);
        ASSERT_EQ(answer()->text(), typed);
        ASSERT_EQ(form().Button6->text(), QStringLiteral(u"Проверить"));
        pressButton();
    }
};

TEST_F(AnswerTest, TypingTakesOnlyDigitsAndBackspace)
{
    QTest::keyClicks(answer(), QStringLiteral("3a8-0 ,.x+e"));
    QKeyEvent cyrillic(QEvent::KeyPress, Qt::Key(0x416), Qt::NoModifier, QStringLiteral(u"Ж"));
    QApplication::sendEvent(answer(), &cyrillic);
    QKeyEvent arabicDigit(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral(u"\u0663"));
    QApplication::sendEvent(answer(), &arabicDigit);
    EXPECT_EQ(answer()->text(), QStringLiteral("380"));
    QTest::keyClick(answer(), Qt::Key_Backspace);
    EXPECT_EQ(answer()->text(), QStringLiteral("38"));
    // Keys that type nothing still edit.
    QTest::keyClick(answer(), Qt::Key_Home);
    QTest::keyClick(answer(), Qt::Key_Delete);
    EXPECT_EQ(answer()->text(), QStringLiteral("8"));
}

TEST_F(AnswerTest, ControlShortcutsDoNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("12ab"));
    QTest::keyClicks(answer(), QStringLiteral("380"));
    QTest::keyClick(answer(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(answer()->text(), QStringLiteral("380"));
    QTest::keyClick(answer(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(answer()->text(), QStringLiteral("380"));
    answer()->selectAll();
    QTest::keyClick(answer(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(answer(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(answer()->text(), QStringLiteral("380"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12ab"));
}

TEST_F(AnswerTest, ShiftInsertAndTheContextMenuPasteAnything)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("3,8 a"));
    QTest::keyClick(answer(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(answer()->text(), QStringLiteral("3,8 a"));

    answer()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("-380"));
    const std::unique_ptr<QMenu> menu(answer()->createStandardContextMenu());
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().remove(u'&').startsWith(QStringLiteral(u"Вставить")))
            paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(answer()->text(), QStringLiteral("-380"));
    pressButton();
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Неверно !"));
}

struct AnswerCase {
    const char *typed;
    bool right;
};

class AnswerAtStart : public AnswerTest, public ::testing::WithParamInterface<AnswerCase> {};

// 380 nm, d = 1, order 1, y = 1,90: 200 * 1 * 1.9 = 380 nm exactly, and
// 379,73 by the exact formula, 380 / sqrt(1 + (1,9 / 50)^2).
TEST_P(AnswerAtStart, Verdict)
{
    checkAnswer(QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(form().Button6->text(), QStringLiteral(u"Сброс"));
    if (GetParam().right) {
        EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Верно !"));
        EXPECT_EQ(verdictColour(), QColor(0, 128, 0));
    } else {
        EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Неверно !"));
        EXPECT_EQ(verdictColour(), QColor(255, 0, 0));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AnswerAtStart,
    ::testing::Values(AnswerCase{"380", true}, AnswerCase{"0380", false}, AnswerCase{"", false},
        AnswerCase{"379", true}, AnswerCase{"378", false}, AnswerCase{"381", false}, AnswerCase{"38", false}),
    [](const auto &info) {
    const std::string typed = info.param.typed;
    return (typed.empty() ? std::string("Empty") : "Typed" + typed) + (info.param.right ? "IsRight" : "IsWrong");
});

TEST_F(AnswerTest, SecondPressResets)
{
    checkAnswer(QStringLiteral("380"));
    pressButton();
    EXPECT_EQ(answer()->text(), QString());
    EXPECT_EQ(form().Button6->text(), QStringLiteral(u"Проверить"));
    EXPECT_EQ(form().Lbl_otv->text(), QString());
    // And checks again.
    checkAnswer(QStringLiteral("1"));
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Неверно !"));
}

TEST_F(AnswerTest, VerdictLabelFitsItsCaption)
{
    checkAnswer(QStringLiteral("380"));
    const int rightWidth = form().Lbl_otv->width();
    pressButton();
    checkAnswer(QStringLiteral("1"));
    EXPECT_GT(form().Lbl_otv->width(), rightWidth);
    EXPECT_EQ(form().Lbl_otv->pos(), QPoint(762, 64));
    const QFontMetrics metrics(form().Lbl_otv->font());
    EXPECT_GE(form().Lbl_otv->width(), metrics.horizontalAdvance(QStringLiteral(u"Неверно !")));
}

TEST_F(AnswerTest, VerdictSurvivesSliderAndGratingChangesAndNothingIsRedrawn)
{
    checkAnswer(QStringLiteral("380"));
    dragSliderTo(400);
    click(form().SpinButton1, {10, 5});
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Верно !"));
    EXPECT_EQ(form().Button6->text(), QStringLiteral(u"Сброс"));

    // A pixel no pass would leave: a redraw would wipe it.
    bench::TBitmap &canvas = session().scene().benchCanvas();
    canvas.Canvas().SetPixel(500, 400, bench::RGB(1, 2, 3));
    pressButton();
    checkAnswer(QStringLiteral("464"));
    EXPECT_EQ(canvas.Canvas().Pixel(500, 400), bench::RGB(1, 2, 3));
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Верно !"));
}

TEST_F(AnswerTest, AnswerComputedFromTheRoundedDistanceIsRight)
{
    // 380 nm at d = 3: the distance shows as 0,63 cm, and 3 * 0.63 * 200 = 378
    // (377,97 by the exact formula).
    for (int i = 0; i < 20; ++i)
        click(form().SpinButton1, {10, 5});
    ASSERT_EQ(form().Ed_ym->text(), QStringLiteral("0,63"));
    checkAnswer(QStringLiteral("378"));
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Верно !"));
    pressButton();
    checkAnswer(QStringLiteral("376"));
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Неверно !"));
}

TEST_F(AnswerTest, AnswerFromAnotherOrderIsRightToo)
{
    // 481 nm at d = 1.5, order -2: y = 2 * 481 * 50e-4 / 1.5 = 3.2067, shown as
    // -3,21; 1.5 * 3.21 * 200 / 2 = 481.5, so 481 and 482 are both right, and
    // 480 by the exact formula (480,51).
    dragSliderTo(417);
    for (int i = 0; i < 5; ++i)
        click(form().SpinButton1, {10, 5});
    ASSERT_EQ(form().Ed_d->text(), QStringLiteral("1,5"));
    click(form().Img2d, form().Img2d->rect().center());
    ASSERT_EQ(form().Ed_ym->text(), QStringLiteral("-3,21"));
    for (const auto &[typed, right] : {std::pair{"481", true}, std::pair{"482", true}, std::pair{"480", true},
             std::pair{"479", false}, std::pair{"962", false}}) {
        checkAnswer(QString::fromLatin1(typed));
        EXPECT_EQ(form().Lbl_otv->text(), right ? QStringLiteral(u"Верно !") : QStringLiteral(u"Неверно !")) << typed;
        pressButton();
    }
    // Order 1 at the same bench: 1,60 cm gives 480 nm.
    click(form().Img1u, form().Img1u->rect().center());
    ASSERT_EQ(form().Ed_ym->text(), QStringLiteral("1,60"));
    checkAnswer(QStringLiteral("480"));
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Верно !"));
}

TEST_F(AnswerTest, AWavelengthTypedByThePupilIsComparedAsItStands)
{
    form().Ed_mkm->setText(QStringLiteral("0400"));
    checkAnswer(QStringLiteral("0400"));
    EXPECT_EQ(form().Lbl_otv->text(), QStringLiteral(u"Верно !"));
}

} // namespace
