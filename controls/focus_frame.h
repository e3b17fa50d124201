#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

// A frame shown around a control while it has the keyboard focus. It stands
// beneath every other control of the parent and paints only its rim, which
// lies outside the control, so the control's own pixels never change.
class FocusFrame : public QWidget {
    Q_OBJECT

public:
    // rim: the frame's outer edge in the parent's coordinates.
    FocusFrame(QWidget *watched, QRect rim, QWidget *parent);

    static constexpr int kWidth = 2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> watched_;
};
