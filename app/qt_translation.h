#pragma once

#include "interface_language.h"

class QCoreApplication;

// The program's translation and Qt's own (qtbase_<lang>: the line edits'
// context menu, the standard buttons, the file and print dialogs) for the
// chosen language. Qt's texts are loaded by name, not by the system locale:
// under C.UTF-8 the interface is Russian all the same. Without Qt's file
// installed its texts stay English. Called again, it replaces the
// translators it installed before: the language changes.
void installTranslations(QCoreApplication &app);
// The translators installed above go: every text is the source text again.
void removeTranslations(QCoreApplication &app);
