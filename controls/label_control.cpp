#include "label_control.h"

#include <QEvent>

#include <algorithm>

TLabel::TLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fitToCaption();
}

void TLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    fitToCaption();
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToCaption();
}

void TLabel::fitToCaption()
{
    if (!autoSize_)
        return;
    // Width of the caption as drawn (blanks included, and the overhang of a
    // last italic letter), height of one line.
    const QFontMetrics metrics(font());
    const int ink = text().isEmpty() ? 0 : metrics.boundingRect(text()).right() + 1;
    resize(std::max(metrics.horizontalAdvance(text()), ink), metrics.height());
}
