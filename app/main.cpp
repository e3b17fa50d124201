#include "display_check.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::fputs("gratinglab: no display available (DISPLAY and WAYLAND_DISPLAY are unset)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    return 0;
}
