#include "display_check.h"
#include "headless_bench.h"
#include "render_mode.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (wantsRenderMode(arguments)) {
        prepareRenderMode();
        QApplication app(argc, argv);
        return runRenderMode(arguments, makeHeadlessBench);
    }
    if (!displayAvailable()) {
        std::fputs("gratinglab: no display available (DISPLAY and WAYLAND_DISPLAY are unset)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    return 0;
}
