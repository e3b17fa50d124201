#pragma once

#include <QObject>

class ExperimentScreen;

// The experiment screen without a mouse. Two tab stops follow Button6: the
// bench picture (Up, Down: the next selectable maximum up or down the
// screen; Home: the central one) and the spectrum strip (Right, Left: one
// click on that arrow; PageUp, PageDown: a drag 10 nm on; Home, End: to 380
// or 760 nm). Ctrl+Up and Ctrl+Down click the spinner from anywhere on the
// screen, and Enter in the answer field presses Button6. Each key press is
// one action of the bench session, the one the mouse does.
class BenchKeyboard : public QObject {
    Q_OBJECT

public:
    explicit BenchKeyboard(ExperimentScreen &screen);

    // The distance one PageUp or PageDown drags the slider.
    static constexpr int kPageNm = 10;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool benchKey(int key);
    bool stripKey(int key);

    ExperimentScreen &screen_;
};
