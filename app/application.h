#pragma once

#include <QApplication>
#include <QString>

// The application object and its one error box.
class Application : public QApplication {
    Q_OBJECT

public:
    // Installs the translations of the chosen language (qt_translation.h).
    Application(int &argc, char **argv);

    // The box itself: error icon, one OK button, modal over the application,
    // captioned with the program's name (TForm1::boxTitle()). Call it from an
    // ordinary slot, never from inside an event handler's delivery.
    static void showError(const QString &message);
};
