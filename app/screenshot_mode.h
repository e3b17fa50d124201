#pragma once

#include "number_text.h"
#include "task_start.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class TForm1;

// gratinglab --screenshot OUT.png [--screen title|procedure|experiment|journal]
// Starts the program as usual, drawn off screen, opens the screen and writes
// the window's client area (992 x 665) as PNG.
struct ScreenshotOptions {
    enum Screen { Title, Procedure, Experiment, Journal };
    QString imagePath;
    Screen screen = Title;
};

bool wantsScreenshotMode(const QStringList &arguments);
// There is no dialog to ask for a task: one line when the task is incomplete.
QString screenshotTaskError(const TaskStart &task);

// arguments without the program name; the error is one line.
std::optional<ScreenshotOptions> parseScreenshotArguments(const QStringList &arguments, QString *error);

// Presses the screen's button and grabs the window as it then looks.
QImage screenshot(TForm1 &form, ScreenshotOptions::Screen screen);

// 0 written, 2 bad arguments or an unwritable file. A task given on the
// command line is started first.
int runScreenshotMode(const QStringList &arguments, const bench::NumberFormat &format,
                      const TaskStart &task = {});
