#pragma once

class QCoreApplication;

// Qt's own texts (the line edits' context menu, the standard buttons, the
// file and print dialogs) in Russian, like the rest of the interface, under
// any locale of the user. Without the translation installed they stay English.
void installQtRussianTranslation(QCoreApplication &app);
