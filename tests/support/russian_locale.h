#pragma once

// Where the C library finds ru_RU.UTF-8: an empty path when the system has
// it, else a scratch folder it was compiled into (give it as LOCPATH); none
// when neither works.

#include <QString>
#include <QTemporaryDir>

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <optional>

inline bool russianLocaleLoads()
{
    const locale_t loaded = newlocale(LC_ALL_MASK, "ru_RU.UTF-8", locale_t(nullptr));
    if (loaded == locale_t(nullptr))
        return false;
    freelocale(loaded);
    return true;
}

inline std::optional<QString> russianLocalePath(const QTemporaryDir &scratch)
{
    if (russianLocaleLoads())
        return QString();
    if (!scratch.isValid())
        return std::nullopt;
    const QString command = QStringLiteral("localedef -i ru_RU -f UTF-8 '%1/ru_RU.UTF-8' >/dev/null 2>&1")
                                .arg(scratch.path());
    if (std::system(command.toLocal8Bit().constData()) != 0)
        return std::nullopt;
    qputenv("LOCPATH", scratch.path().toLocal8Bit());
    const bool loads = russianLocaleLoads();
    qunsetenv("LOCPATH");
    if (!loads)
        return std::nullopt;
    return scratch.path();
}
