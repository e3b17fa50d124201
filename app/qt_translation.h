#pragma once

#include "interface_language.h"

class QObject;

// The program's translation and Qt's own (qtbase_<lang>: the line edits'
// context menu, the standard buttons, the file and print dialogs) for the
// chosen language. Qt's texts are loaded by name, not by the system locale:
// under C.UTF-8 the interface is Russian all the same. Without Qt's file
// installed its texts stay English. The translators belong to owner (the
// application at start-up): deleting owner takes them out again.
void installTranslations(QObject &owner);
