#pragma once

class QString;

// The program's one error box: error icon, one OK button, modal over the
// application, captioned with the program's name (TForm1::boxTitle()). Call
// it from an ordinary slot, never from inside an event handler's delivery.
void showErrorBox(const QString &message);
