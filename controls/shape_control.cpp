#include "shape_control.h"

#include <QPainter>

TShape::TShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void TShape::setPenColor(const QColor &color)
{
    pen_ = color;
    update();
}

void TShape::setBrushColor(const QColor &color)
{
    brush_ = color;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), pen_);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), brush_);
}
