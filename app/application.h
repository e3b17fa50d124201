#pragma once

#include <QApplication>
#include <QString>

// The application object. It is the one place where an error that escapes
// an event handler is caught: the error is shown in a modal box and the
// program carries on with whatever the handler had changed.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Caption of the error box: the program file's name up to its first dot,
    // first letter as it is, the rest in lower case.
    QString title() const { return title_; }
    static QString titleFromProgramPath(const QString &path);

    // The box itself: error icon, one OK button, modal over the application.
    void showError(const QString &message);

private:
    QString title_;
};
