#include "bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

using namespace Qt::Literals::StringLiterals;

QString provideArial(const QString &fontFolder)
{
    if (QFontDatabase::families().contains(u"Arial"_s, Qt::CaseInsensitive))
        return {};
    const QDir folder(fontFolder);
    QString family;
    for (const QString &name : folder.entryList({u"LiberationSans-*.ttf"_s}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(folder.filePath(name));
        if (id < 0) {
            qWarning("font %s could not be loaded", qUtf8Printable(name));
            continue;
        }
        if (const QStringList families = QFontDatabase::applicationFontFamilies(id); !families.isEmpty())
            family = families.first();
    }
    if (!family.isEmpty())
        QFont::insertSubstitution(u"Arial"_s, family);
    return family;
}

QString bundledFontFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"fonts"_s);
}
