// A pupil who works with a screen reader or only the keyboard finds every
// control by a Russian name and a short description.
#include "window_fixture.h"

#include "image_control.h"
#include "spin_button.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>

namespace {

// Everything a pupil can type into, press or click.
bool isUsable(const QWidget *w)
{
    if (w->isHidden()) // the hidden picture holders and the curve canvas
        return false;
    if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const TSpinButton *>(w))
        return true;
    if (const auto *image = qobject_cast<const TImage *>(w))
        return image->cursor().shape() == Qt::PointingHandCursor || image->canvas() != nullptr;
    return false;
}

bool isCyrillic(const QString &text)
{
    for (QChar c : text)
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    return false;
}

} // namespace

TEST_F(WindowTest, EveryUsableControlHasARussianNameAndDescription)
{
    showWindow();
    int checked = 0;
    for (QWidget *w : form().findChildren<QWidget *>()) {
        if (!isUsable(w))
            continue;
        ++checked;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr) << w->objectName().toStdString();
        const QString name = a->text(QAccessible::Name);
        EXPECT_TRUE(isCyrillic(name)) << w->objectName().toStdString() << ": '" << name.toStdString() << "'";
        EXPECT_TRUE(isCyrillic(a->text(QAccessible::Description))) << w->objectName().toStdString();
    }
    // Five buttons below, and on the bench: the canvas, two fields per
    // quantity pair, spinner, arrows, slider, answer, check button and the
    // seventeen maxima.
    EXPECT_GE(checked, 5 + 1 + 5 + 1 + 2 + 1 + 1 + 17);
}

TEST_F(WindowTest, OrderTargetsAreNamedAfterTheirMaximum)
{
    EXPECT_EQ(exp().Img0->accessibleName(), QStringLiteral("Центральный максимум"));
    EXPECT_EQ(exp().Img3u->accessibleName(), QStringLiteral("Максимум 3-го порядка над осью"));
    EXPECT_EQ(exp().Img8d->accessibleName(), QStringLiteral("Максимум 8-го порядка под осью"));
}
