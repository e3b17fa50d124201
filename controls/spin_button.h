#pragma once

#include "bench_session.h"

#include <QPointer>
#include <QWidget>

// The up/down spinner beside the grating field: two stacked push buttons,
// the up one over rows 0..13, the down one over rows 13..27 (it lies on top,
// so the shared row belongs to it). It reports the left button's press, the
// moves while held and the release, each with the button under the pointer;
// the bench session decides when that steps. It never takes the keyboard
// focus: a press hands it to its focus control instead.
class TSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit TSpinButton(QWidget *parent = nullptr);

    void setFocusControl(QWidget *control) { focusControl_ = control; }
    QWidget *focusControl() const { return focusControl_; }

    // The button drawn sunken, None for both raised.
    void setLooksPressed(bench::SpinPart part);
    bench::SpinPart looksPressed() const { return looksPressed_; }

    bench::SpinPart partAt(QPoint pos) const;
    QRect partRect(bench::SpinPart part) const;

    QSize sizeHint() const override { return {20, 28}; }

signals:
    void pressed(bench::SpinPart part);
    void moved(bench::SpinPart under);
    void released(bench::SpinPart under);
    // Hidden while held: the hold ends without a step.
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:

    QPointer<QWidget> focusControl_;
    bench::SpinPart looksPressed_ = bench::SpinPart::None;
    bool leftHeld_ = false;
};
