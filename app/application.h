#pragma once

#include <QApplication>

// The application object. Its one error box is showErrorBox() (error_box.h).
class Application : public QApplication {
    Q_OBJECT

public:
    // Installs Qt's Russian translation for Qt's own texts.
    Application(int &argc, char **argv);
};
