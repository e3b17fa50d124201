#include "cursor_control.h"

#include "bench_session.h"
#include "measuring_cursor.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

CursorControl::CursorControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::SizeVerCursor);
    // Tab only: a click on the scale keeps the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

int CursorControl::offsetAt(int y) const
{
    return session_ ? session_->state().y_os - y : 0;
}

void CursorControl::putAt(int y)
{
    session_->showCursor(true);
    session_->moveCursorTo(offsetAt(y));
}

void CursorControl::mousePressEvent(QMouseEvent *event)
{
    if (!session_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    putAt(event->position().toPoint().y());
}

void CursorControl::contextMenuEvent(QContextMenuEvent *)
{
    if (session_)
        session_->showCursor(false);
}

void CursorControl::mouseMoveEvent(QMouseEvent *event)
{
    if (session_ && (event->buttons() & Qt::LeftButton))
        putAt(event->position().toPoint().y());
}

void CursorControl::keyPressEvent(QKeyEvent *event)
{
    if (!session_ || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QWidget::keyPressEvent(event);
    const auto step = [this](int rows) {
        session_->showCursor(true);
        session_->moveCursorBy(rows);
    };
    switch (event->key()) {
    case Qt::Key_Up:
        step(bench::kCursorStep);
        break;
    case Qt::Key_Down:
        step(-bench::kCursorStep);
        break;
    case Qt::Key_PageUp:
        step(bench::kCursorPage);
        break;
    case Qt::Key_PageDown:
        step(-bench::kCursorPage);
        break;
    case Qt::Key_Home:
        session_->showCursor(true);
        session_->moveCursorTo(0);
        break;
    case Qt::Key_Escape:
        session_->showCursor(false);
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
}
