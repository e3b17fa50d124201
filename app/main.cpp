#include "answer_key_mode.h"
#include "application.h"
#include "display_check.h"
#include "mainUnit.h"
#include "render_mode.h"
#include "screenshot_mode.h"
#include "task_dialog.h"
#include "task_start.h"

#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (wantsAnswerKeyMode(arguments)) {
        prepareRenderMode();
        QGuiApplication app(argc, argv);
        return runAnswerKeyMode(arguments);
    }
    if (wantsRenderMode(arguments)) {
        prepareRenderMode();
        QGuiApplication app(argc, argv);
        return runRenderMode(arguments);
    }
    TaskStart task = parseTaskStart(arguments);
    if (task.error.isEmpty() && wantsScreenshotMode(task.rest))
        task.error = screenshotTaskError(task);
    if (!task.error.isEmpty()) {
        std::fputs((QStringLiteral("gratinglab: ") + task.error + u'\n').toUtf8().constData(), stderr);
        return 2;
    }
    if (wantsScreenshotMode(task.rest)) {
        // The window starts as usual and is drawn off screen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        Application app(argc, argv);
        return runScreenshotMode(task.rest, bench::NumberFormat::fromLocale(QLocale::system()), task);
    }
    if (!displayAvailable()) {
        std::fputs("gratinglab: no display available (DISPLAY and WAYLAND_DISPLAY are unset)\n", stderr);
        return 1;
    }
    Application app(argc, argv);
    TForm1 Form1(bench::NumberFormat::fromLocale(QLocale::system()));
    if (const auto started = taskToStart(task))
        Form1.startTask(*started);
    Form1.show();
    return app.exec();
}
