#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The language of the interface: Russian, the language the texts are written
// in, or one of the translations embedded in the program.

// The codes --language takes, Russian first.
QStringList interfaceLanguages();

// The language to run in: the --language value when given (already checked),
// else the first entry of LANGUAGE (a colon list) with a translation, else
// the locale messages are shown in (LC_ALL, LC_MESSAGES or LANG, the first
// one set) when it has one; Russian otherwise, C and POSIX included.
QString chooseLanguage(const QString &option, const QProcessEnvironment &env);

// Remembered for the application objects made later in this run.
void setInterfaceLanguage(const QString &code);
QString interfaceLanguage();
