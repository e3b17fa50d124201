#pragma once

#include <QDialog>
#include <QString>

#include <vector>

// What each key does, in Russian, as the F1 dialog lists it.
struct KeyHelp {
    QString keys;
    QString action;
};
std::vector<KeyHelp> keyboardHelp();

// The dialog «Управление с клавиатуры»: the list of keys and a close button.
class KeyboardHelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit KeyboardHelpDialog(QWidget *parent = nullptr);

    static QString title();
};

// F1 anywhere in the window opens the dialog (one, kept for the window).
void installKeyboardHelp(QWidget &window);
