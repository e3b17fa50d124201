#include "interface_language.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString &chosen()
{
    static QString code = u"ru"_s;
    return code;
}

// "uk_UA.UTF-8", "kk_KZ", "en@quot" → "uk", "kk", "en"; "" when no
// translation is there for it.
QString translated(const QString &locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale[end].isLower())
        ++end;
    const QString code = locale.left(end);
    return interfaceLanguages().contains(code) ? code : QString();
}

} // namespace

QStringList interfaceLanguages()
{
    return {u"ru"_s, u"en"_s, u"uk"_s, u"kk"_s};
}

QString chooseLanguage(const QString &option, const QProcessEnvironment &env)
{
    if (!option.isEmpty())
        return option;
    for (const QString &entry : env.value(u"LANGUAGE"_s).split(u':', Qt::SkipEmptyParts)) {
        if (QString code = translated(entry); !code.isEmpty())
            return code;
    }
    // As the C library does: the first of these that is set is the locale of
    // messages, and the ones after it are not looked at.
    for (const QString &name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s}) {
        const QString locale = env.value(name);
        if (locale.isEmpty())
            continue;
        const QString code = translated(locale);
        return code.isEmpty() ? u"ru"_s : code;
    }
    return u"ru"_s;
}

void setInterfaceLanguage(const QString &code)
{
    chosen() = code;
}

QString interfaceLanguage()
{
    return chosen();
}
