#include "bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Shipped {
    QString files;  // the file names in the folder
    QString wanted; // the family the program asks for
};

} // namespace

QStringList provideFonts(const QString &fontFolder)
{
    const QDir folder(fontFolder);
    const QStringList present = QFontDatabase::families();
    QStringList registered;
    for (const Shipped &font :
        {Shipped{u"LiberationSans-*.ttf"_s, u"Arial"_s}, Shipped{u"DejaVuSans*.ttf"_s, u"DejaVu Sans"_s}}) {
        if (present.contains(font.wanted, Qt::CaseInsensitive))
            continue;
        QString family;
        for (const QString &name : folder.entryList({font.files}, QDir::Files, QDir::Name)) {
            const int id = QFontDatabase::addApplicationFont(folder.filePath(name));
            if (id < 0) {
                qWarning("font %s could not be loaded", qUtf8Printable(name));
                continue;
            }
            if (const QStringList families = QFontDatabase::applicationFontFamilies(id); !families.isEmpty())
                family = families.first();
        }
        if (family.isEmpty())
            continue;
        if (family.compare(font.wanted, Qt::CaseInsensitive) != 0)
            QFont::insertSubstitution(font.wanted, family);
        registered.append(family);
    }
    return registered;
}

QString bundledFontFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"fonts"_s);
}
