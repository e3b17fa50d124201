#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

void installQtRussianTranslation(QCoreApplication &app)
{
    // Loaded by name, not by the system locale: under C.UTF-8 the interface
    // is Russian all the same.
    auto *translator = new QTranslator(&app);
    if (translator->load(u"qtbase_ru"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
