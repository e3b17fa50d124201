#pragma once

#include "command_line.h"
#include "number_text.h"
#include "task_start.h"

#include <QImage>
#include <QString>

#include <optional>

class TForm1;

// gratinglab --screenshot OUT.png [--screen title|procedure|experiment|journal]
// Starts the program as usual, drawn off screen, opens the screen and writes
// the window's client area (992 x 665) as PNG.
struct ScreenshotOptions {
    enum Screen { Title, Procedure, Experiment, Journal };
    QString imagePath;
    Screen screen = Title;
    TaskStart task;
};

// The screenshot options of a parsed command line, or the first thing wrong
// with them (one line, for printMessage()). There is no dialog to ask for a
// task, so the task must be complete.
std::optional<ScreenshotOptions> readScreenshotOptions(const CommandLine &line, QString *error);

// Presses the screen's button and grabs the window as it then looks.
QImage screenshot(TForm1 &form, ScreenshotOptions::Screen screen);

// 0 written, 2 an unwritable file. A task given on the command line is
// started first.
int runScreenshotMode(const ScreenshotOptions &options, const bench::NumberFormat &format);
