#include "display_check.h"

#include <QtGlobal>

bool displayAvailable()
{
#ifdef Q_OS_WIN
    // Windows always has its desktop.
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}
