#include "application.h"

#include "mainUnit.h"
#include "qt_translation.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    installTranslations(*this);
    // Qt's file dialogs save their history and last folder to the user's
    // QtProject.conf when they close. The program keeps no settings: user
    // settings go to a resource folder, which cannot be written, so the
    // history lives only in this run's memory. (On Windows the native
    // format is the registry, which no path moves.)
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, u":/no-settings"_s);
}

void Application::showError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, TForm1::boxTitle(), message, QMessageBox::Ok, QApplication::activeWindow());
    // The caption is the box's own, not the translation's or a desktop theme's.
    box.button(QMessageBox::Ok)->setText(u"OK"_s);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
