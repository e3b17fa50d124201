#include "spin_button.h"

#include "picture_catalogue.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int kFirstDelayMs = 400;
constexpr int kRepeatMs = 100;
constexpr int kDownTop = 13;
constexpr int kUpHeight = 14;

} // namespace

TSpinButton::TSpinButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    repeat_.setTimerType(Qt::PreciseTimer);
    connect(&repeat_, &QTimer::timeout, this, &TSpinButton::repeatTick);
}

TSpinButton::Part TSpinButton::partAt(QPoint pos) const
{
    if (!rect().contains(pos))
        return Part::None;
    return pos.y() >= kDownTop ? Part::Down : Part::Up;
}

QRect TSpinButton::partRect(Part part) const
{
    if (part == Part::Up)
        return {0, 0, width(), kUpHeight};
    return {0, kDownTop, width(), height() - kDownTop};
}

void TSpinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Part part : {Part::Up, Part::Down}) {
        const bool sunken = held_ == part && over_;
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = partRect(part);
        option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        // Only the held button changes its look; no hover light on both.
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

        const QImage glyph = assets::showable(part == Part::Up ? assets::PictureId::pic_spin_up
                                                                : assets::PictureId::pic_spin_down);
        QPoint at = option.rect.topLeft()
            + QPoint((option.rect.width() - glyph.width() + 1) / 2, (option.rect.height() - glyph.height()) / 2);
        if (sunken)
            at += QPoint(1, 1);
        painter.drawImage(at, glyph);
    }
}

void TSpinButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        press(event->position().toPoint());
    event->accept();
}

void TSpinButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void TSpinButton::press(QPoint pos)
{
    if (focusControl_ && focusControl_->isEnabled() && focusControl_->isVisible()
        && focusControl_->focusPolicy() != Qt::NoFocus && !focusControl_->hasFocus())
        focusControl_->setFocus(Qt::MouseFocusReason);
    held_ = partAt(pos);
    over_ = held_ != Part::None;
    if (held_ != Part::None)
        repeat_.start(kFirstDelayMs);
    update();
}

void TSpinButton::mouseMoveEvent(QMouseEvent *event)
{
    if (held_ == Part::None)
        return;
    // Off the button the repetition is suspended, back over it it resumes.
    const bool over = partAt(event->position().toPoint()) == held_;
    if (over != over_) {
        over_ = over;
        update();
    }
}

void TSpinButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || held_ == Part::None)
        return;
    const Part part = held_;
    const bool over = partAt(event->position().toPoint()) == part;
    stop();
    if (over)
        fire(part);
}

void TSpinButton::hideEvent(QHideEvent *event)
{
    stop();
    QWidget::hideEvent(event);
}

void TSpinButton::repeatTick()
{
    repeat_.setInterval(kRepeatMs);
    if (!over_)
        return;
    try {
        fire(held_);
    } catch (...) {
        // The error box is shown further up; no step may run behind it.
        stop();
        throw;
    }
}

void TSpinButton::fire(Part part)
{
    if (part == Part::Up)
        emit upClick();
    else if (part == Part::Down)
        emit downClick();
}

void TSpinButton::stop()
{
    repeat_.stop();
    held_ = Part::None;
    over_ = false;
    update();
}
