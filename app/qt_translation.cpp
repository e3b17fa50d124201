#include "qt_translation.h"

#include "interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace {

bool installOne(QObject &owner, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&owner);
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslations(QObject &owner)
{
    const QString code = interfaceLanguage();
    installOne(owner, u"qtbase_"_s + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (code != u"ru")
        installOne(owner, u"gratinglab_"_s + code, u":/translations"_s);
}
