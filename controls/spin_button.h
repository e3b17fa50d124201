#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

// The up/down spinner beside the grating field: two stacked push buttons,
// the up one over rows 0..13, the down one over rows 13..27 (it lies on top,
// so the shared row belongs to it). A left press shows the button pressed
// and steps nothing; the button then steps 400 ms after the press and every
// 100 ms after that while the mouse stays over it, and once more when the
// mouse is released over it. It never takes the keyboard focus: a press
// hands it to its focus control instead, and keys never step it.
class TSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit TSpinButton(QWidget *parent = nullptr);

    void setFocusControl(QWidget *control) { focusControl_ = control; }
    QWidget *focusControl() const { return focusControl_; }

    // A button is held and its repetition timer is running.
    bool isRepeating() const { return repeat_.isActive(); }

    QSize sizeHint() const override { return {20, 28}; }

signals:
    void upClick();
    void downClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Part { None, Up, Down };

    Part partAt(QPoint pos) const;
    QRect partRect(Part part) const;
    void press(QPoint pos);
    void repeatTick();
    void fire(Part part);
    void stop();

    QPointer<QWidget> focusControl_;
    QTimer repeat_;
    Part held_ = Part::None;
    bool over_ = false;
};
