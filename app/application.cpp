#include "application.h"

#include "bundled_fonts.h"
#include "qt_translation.h"

#include <QSettings>

using namespace Qt::Literals::StringLiterals;

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    installTranslations(*this);
    provideFonts(bundledFontFolder());
    // Qt's file dialogs save their history and last folder to the user's
    // QtProject.conf when they close. The program keeps no settings: user
    // settings go to a resource folder, which cannot be written, so the
    // history lives only in this run's memory. (On Windows the native
    // format is the registry, which no path moves: there the dialogs keep
    // their history under HKCU\Software\QtProject, as in any Qt program.)
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, u":/no-settings"_s);
}
