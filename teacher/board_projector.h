#pragma once

#include <QWidget>

class QLabel;

// What the class sees on the projector: the board code, the task's title
// and the class, filling the screen so that the back row reads them, and
// nothing of the key. Esc closes it.
class BoardProjector : public QWidget {
    Q_OBJECT

public:
    BoardProjector(const QString &code, const QString &title, const QString &form, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *code_;
    QLabel *title_;
    QLabel *form_;
    QLabel *hint_;
};
