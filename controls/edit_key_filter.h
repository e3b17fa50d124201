#pragma once

#include <QObject>

class QKeyEvent;

// Lets only digits and Backspace through of what is typed into the answer
// field. Control characters count as typed too, so Ctrl+C, Ctrl+V, Ctrl+X and
// Ctrl+Z do nothing there; keys that type nothing (arrows, Delete,
// Shift+Insert) and the context menu's paste are left alone.
class DigitKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // True when the key would type a character other than a digit or Backspace.
    static bool discards(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
