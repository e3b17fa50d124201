#include "qt_translation.h"

#include "interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace {

// The program's translators go by this name among the application's children.
constexpr auto kTranslatorName = "gratinglabTranslator";

bool installOne(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    translator->setObjectName(QLatin1StringView(kTranslatorName));
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void removeTranslations(QCoreApplication &app)
{
    for (QTranslator *earlier :
        app.findChildren<QTranslator *>(QLatin1StringView(kTranslatorName), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
}

void installTranslations(QCoreApplication &app)
{
    removeTranslations(app);
    const QString code = interfaceLanguage();
    installOne(app, u"qtbase_"_s + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (code != u"ru")
        installOne(app, u"gratinglab_"_s + code, u":/translations"_s);
}
