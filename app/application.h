#pragma once

#include <QApplication>
#include <QString>

// The application object and its one error box.
class Application : public QApplication {
    Q_OBJECT

public:
    // Installs Qt's Russian translation for Qt's own texts.
    Application(int &argc, char **argv);

    // Caption of the error box: the program file's name up to its first dot,
    // first letter as it is, the rest in lower case.
    QString title() const { return title_; }
    static QString titleFromProgramPath(const QString &path);

    // The box itself: error icon, one OK button, modal over the application,
    // captioned with the title of the running program. Call it from an
    // ordinary slot, never from inside an event handler's delivery.
    static void showError(const QString &message);

private:
    QString title_;
};
