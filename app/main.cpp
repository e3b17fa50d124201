#include "application.h"
#include "display_check.h"
#include "mainUnit.h"
#include "render_mode.h"
#include "screenshot_mode.h"

#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (wantsRenderMode(arguments)) {
        prepareRenderMode();
        QGuiApplication app(argc, argv);
        return runRenderMode(arguments);
    }
    if (wantsScreenshotMode(arguments)) {
        // The window starts as usual and is drawn off screen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        Application app(argc, argv);
        return runScreenshotMode(arguments, bench::NumberFormat::fromLocale(QLocale::system()));
    }
    if (!displayAvailable()) {
        std::fputs("gratinglab: no display available (DISPLAY and WAYLAND_DISPLAY are unset)\n", stderr);
        return 1;
    }
    Application app(argc, argv);
    TForm1 Form1(bench::NumberFormat::fromLocale(QLocale::system()));
    Form1.show();
    return app.exec();
}
