#pragma once

#include <QColor>
#include <QWidget>

// A framed rectangle: a one-pixel frame in the pen colour around a filled
// inside in the brush colour.
class TShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor)
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)

public:
    explicit TShape(QWidget *parent = nullptr);

    QColor penColor() const { return pen_; }
    void setPenColor(const QColor &color);
    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The end colour of an inactive title bar's gradient in the usual
    // desktop theme: a pale grey-blue.
    QColor pen_{215, 228, 242};
    QColor brush_{Qt::white};
};
