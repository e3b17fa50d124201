#include "application.h"

#include "qt_translation.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv), title_(titleFromProgramPath(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString()))
{
    installQtRussianTranslation(*this);
    // Qt's file dialogs save their history and last folder to the user's
    // QtProject.conf when they close. The program keeps no settings: user
    // settings go to a resource folder, which cannot be written, so the
    // history lives only in this run's memory. (On Windows the native
    // format is the registry, which no path moves.)
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, u":/no-settings"_s);
}

QString Application::titleFromProgramPath(const QString &path)
{
    // Both separators: a Windows path names the same program.
    QString name = path.mid(qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    name = name.left(name.indexOf(u'.'));
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

void Application::showError(const QString &message)
{
    const QString title = titleFromProgramPath(QCoreApplication::arguments().value(0));
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, QApplication::activeWindow());
    // The caption is the box's own, not the translation's or a desktop theme's.
    box.button(QMessageBox::Ok)->setText(u"OK"_s);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
