#pragma once

#include <QString>

#include <functional>

// Runs file work on a class folder that may not answer (a share whose
// server hangs blocks every call for the client's time-out, a minute or
// more) on a thread of its own. While it runs, the user is not left with
// nothing on the screen: after a few seconds a box says that the class
// folder does not answer, with «Повторить» (wait again) and «Отмена».
// True when the work finished; false when the user gave up, and then the
// work is abandoned (it must own everything it touches).
bool runPatiently(std::function<void()> work, const QString &folder, int patienceMs = 5000);
