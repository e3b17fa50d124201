#include "spin_button.h"

#include "picture_catalogue.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

using bench::SpinPart;

namespace {

constexpr int kDownTop = 13;
constexpr int kUpHeight = 14;

} // namespace

TSpinButton::TSpinButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

SpinPart TSpinButton::partAt(QPoint pos) const
{
    if (!rect().contains(pos))
        return SpinPart::None;
    return pos.y() >= kDownTop ? SpinPart::Down : SpinPart::Up;
}

QRect TSpinButton::partRect(SpinPart part) const
{
    if (part == SpinPart::Up)
        return {0, 0, width(), kUpHeight};
    return {0, kDownTop, width(), height() - kDownTop};
}

void TSpinButton::setLooksPressed(SpinPart part)
{
    if (part == looksPressed_)
        return;
    looksPressed_ = part;
    update();
}

void TSpinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const SpinPart part : {SpinPart::Up, SpinPart::Down}) {
        const bool sunken = looksPressed_ == part;
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = partRect(part);
        option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        // Only the held button changes its look; no hover light on both.
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

        const QImage glyph = assets::showable(
            part == SpinPart::Up ? assets::PictureId::pic_spin_up : assets::PictureId::pic_spin_down);
        QPoint at = option.rect.topLeft()
            + QPoint((option.rect.width() - glyph.width() + 1) / 2, (option.rect.height() - glyph.height()) / 2);
        if (sunken)
            at += QPoint(1, 1);
        painter.drawImage(at, glyph);
    }
}

void TSpinButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (focusControl_ && focusControl_->isEnabled() && focusControl_->isVisible()
        && focusControl_->focusPolicy() != Qt::NoFocus && !focusControl_->hasFocus())
        focusControl_->setFocus(Qt::MouseFocusReason);
    leftHeld_ = true;
    emit pressed(partAt(event->position().toPoint()));
}

void TSpinButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void TSpinButton::mouseMoveEvent(QMouseEvent *event)
{
    if (leftHeld_)
        emit moved(partAt(event->position().toPoint()));
}

void TSpinButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !leftHeld_)
        return;
    leftHeld_ = false;
    emit released(partAt(event->position().toPoint()));
}

void TSpinButton::hideEvent(QHideEvent *event)
{
    if (leftHeld_) {
        leftHeld_ = false;
        emit cancelled();
    }
    QWidget::hideEvent(event);
}
