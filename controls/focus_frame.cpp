#include "focus_frame.h"

#include <QEvent>
#include <QPainter>

FocusFrame::FocusFrame(QWidget *watched, QRect rim, QWidget *parent) : QWidget(parent), watched_(watched)
{
    setGeometry(rim);
    setFocusPolicy(Qt::NoFocus);
    // Clicks on the rim reach what lies under it, as before.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
    hide();
    watched->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == watched_) {
        if (event->type() == QEvent::FocusIn)
            show();
        else if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)
            hide();
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::Highlight);
    const int w = width(), h = height();
    painter.fillRect(0, 0, w, kWidth, colour);
    painter.fillRect(0, h - kWidth, w, kWidth, colour);
    painter.fillRect(0, 0, kWidth, h, colour);
    painter.fillRect(w - kWidth, 0, kWidth, h, colour);
}
