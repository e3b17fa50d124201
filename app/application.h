#pragma once

#include <QApplication>

// The application object. Its one error box is showErrorBox() (error_box.h).
class Application : public QApplication {
    Q_OBJECT

public:
    // Installs the translations of the chosen language (qt_translation.h).
    Application(int &argc, char **argv);
};
