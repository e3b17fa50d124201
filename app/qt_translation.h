#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QCoreApplication;

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

// The program's translation and Qt's own (qtbase_<lang>: the line edits'
// context menu, the standard buttons, the file and print dialogs) for the
// chosen language. Qt's texts are loaded by name, not by the system locale:
// under C.UTF-8 the interface is Russian all the same. Without Qt's file
// installed its texts stay English.
void installTranslations(QCoreApplication &app);
