// The experiment screen with a lamp or white light and the measuring cursor:
// that the source control, the cursor's grip, the keys and the accessibility
// interfaces reach the session, and what the screen shows for each source.
#include "test_controls_fixture.h"

#include "cursor_control.h"
#include "source_look.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QContextMenuEvent>

using namespace Qt::Literals::StringLiterals;
using bench::LightSource;

namespace {

constexpr int Y = 223;

class LightScreenTest : public ScreenTest {
protected:
    void key(QWidget *w, Qt::Key k, int times = 1)
    {
        w->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < times; ++i)
            QTest::keyClick(w, k);
    }
    void check(const QString &k, const QString &answer)
    {
        form().Ed_k->setText(k);
        form().Edit5->setText(answer);
        key(form().Edit5, Qt::Key_Return);
    }
};

TEST_F(LightScreenTest, TheMercuryGreenLineMeasuredWithTheKeyboardAlone)
{
    Ui::ExperimentScreen &f = form();
    key(f.Cmb_source, Qt::Key_Down);
    ASSERT_EQ(session().source(), LightSource::Mercury);
    // The strip, its slider and arrows give way to the lamp's name.
    EXPECT_FALSE(f.Img_spektr->isVisible());
    EXPECT_FALSE(f.Img_vizir->isVisible());
    EXPECT_FALSE(f.Img_dl_up->isVisible());
    EXPECT_TRUE(f.Lbl_source_lamp->isVisible());
    EXPECT_EQ(f.Lbl_source_lamp->text(), u"Ртутная лампа"_s);
    EXPECT_EQ(f.Ed_mkm->text(), u"Hg"_s);
    EXPECT_TRUE(f.Ed_mkm->isReadOnly());
    EXPECT_TRUE(f.Ed_ym->isReadOnly());

    // Two pages and 29 rows up: 109 rows, 2,73 cm.
    key(f.Img_cursor, Qt::Key_PageUp, 2);
    key(f.Img_cursor, Qt::Key_Up, 29);
    EXPECT_EQ(f.Ed_ym->text(), u"2,73"_s);
    check(u"1"_s, u"546"_s);
    EXPECT_EQ(f.Lbl_otv->text(), u"Верно !"_s);
    EXPECT_TRUE(f.Lbl_source_hint->isVisible());
    EXPECT_EQ(f.Lbl_source_hint->text(), u"ртуть, 546 нм"_s);
    EXPECT_EQ(f.Lbl_source_hint->accessibleDescription(), u"ртуть, 546 нм"_s);

    key(f.Button6, Qt::Key_Space);
    key(f.Img_cursor, Qt::Key_Down, 9);
    check(u"1"_s, u"500"_s);
    EXPECT_EQ(f.Lbl_otv->text(), u"Неверно !"_s);
    EXPECT_EQ(f.Lbl_source_hint->text(), u"визир не на линии"_s);
}

TEST_F(LightScreenTest, TheMouseDragsTheCursorAndAMaximumTakesNoClick)
{
    Ui::ExperimentScreen &f = form();
    f.Cmb_source->setCurrentIndex(1);
    emit f.Cmb_source->activated(1);
    ASSERT_EQ(session().source(), LightSource::Mercury);
    // The grip stands level with the canvas: its row y is canvas row y.
    press(f.Img_cursor, {40, Y - 50});
    move(f.Img_cursor, {40, Y - 109});
    release(f.Img_cursor, {40, Y - 109});
    EXPECT_EQ(session().cursorOffset(), 109);
    EXPECT_EQ(f.Ed_ym->text(), u"2,73"_s);
    EXPECT_EQ(f.Img_osn->canvas()->pixel(900, Y - 109), qRgb(160, 160, 160));
    for (int i = 0; i < bench::kTargetCount; ++i)
        EXPECT_TRUE(screen().target(i)->geometry().isEmpty()) << i;

    // White light keeps the strip, without its slider and arrows.
    f.Cmb_source->setCurrentIndex(7);
    emit f.Cmb_source->activated(7);
    EXPECT_TRUE(f.Img_spektr->isVisible());
    EXPECT_FALSE(f.Img_vizir->isVisible());
    EXPECT_FALSE(f.Img_dl_dn->isVisible());
    EXPECT_FALSE(f.Lbl_source_lamp->isVisible());
    EXPECT_EQ(f.Ed_mkm->text(), u"—"_s);
}

TEST_F(LightScreenTest, WithMonoLightTheCursorIsTurnedOnAndOffByThePupil)
{
    Ui::ExperimentScreen &f = form();
    EXPECT_FALSE(f.Lbl_cursor->isVisible());
    click(f.Img_cursor, {10, Y - 80});
    EXPECT_TRUE(session().cursorShown());
    EXPECT_TRUE(f.Lbl_cursor->isVisible());
    EXPECT_EQ(f.Lbl_cursor->text(), u"визир y = 2,00 см"_s);
    // The maximum's read-outs are the selected order's, as without it.
    EXPECT_EQ(f.Ed_ym->text(), u"1,90"_s);
    EXPECT_EQ(f.Ed_k->text(), u"1"_s);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 10), f.Img_cursor->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(f.Img_cursor, &menu);
    EXPECT_FALSE(session().cursorShown());
    EXPECT_FALSE(f.Lbl_cursor->isVisible());
    key(f.Img_cursor, Qt::Key_Up);
    EXPECT_TRUE(session().cursorShown());
    EXPECT_EQ(session().cursorOffset(), 81);
    key(f.Img_cursor, Qt::Key_Escape);
    EXPECT_FALSE(session().cursorShown());
}

TEST_F(LightScreenTest, AScreenReaderFindsTheSourceControlAndSetsTheCursor)
{
    Ui::ExperimentScreen &f = form();
    QAccessibleInterface *source = QAccessible::queryAccessibleInterface(f.Cmb_source);
    EXPECT_EQ(source->role(), QAccessible::ComboBox);
    EXPECT_EQ(source->text(QAccessible::Name), u"Источник света"_s);
    EXPECT_EQ(source->text(QAccessible::Value), u"Монохроматический"_s);
    ASSERT_EQ(source->childCount(), 1);
    EXPECT_EQ(source->child(0)->childCount(), 8); // the list, one item per source

    QAccessibleInterface *cursor = QAccessible::queryAccessibleInterface(f.Img_cursor);
    EXPECT_EQ(cursor->role(), QAccessible::Slider);
    EXPECT_EQ(cursor->text(QAccessible::Name), u"Визир"_s);
    QAccessibleValueInterface *value = cursor->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->maximumValue().toDouble(), 5.0);
    EXPECT_EQ(value->minimumValue().toDouble(), -5.0);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 0.025);

    // Each source is an action of the control: no list to open.
    source->actionInterface()->doAction(u"Лампа: ртутная"_s);
    EXPECT_EQ(session().source(), LightSource::Mercury);
    EXPECT_EQ(f.Cmb_source->currentText(), u"Лампа: ртутная"_s);
    EXPECT_EQ(source->text(QAccessible::Value), u"Лампа: ртутная"_s);
    value->setCurrentValue(2.73);
    EXPECT_EQ(session().cursorOffset(), 109);
    EXPECT_EQ(value->currentValue().toDouble(), 2.725);
    EXPECT_EQ(cursor->text(QAccessible::Value), u"2,73 см"_s);
    EXPECT_EQ(f.Img_osn->accessibleDescription(), u"Лампа: ртутная; d = 1,0; визир y = 2,73 см"_s);
    cursor->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(session().cursorOffset(), 108);
}

} // namespace
