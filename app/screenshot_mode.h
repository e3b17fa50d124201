#pragma once

#include "classroom_task.h"
#include "command_line.h"
#include "number_text.h"
#include "source_start.h"
#include "task_start.h"

#include <QImage>
#include <QString>

#include <optional>

class TForm1;

// gratinglab --screenshot OUT.png [--screen title|procedure|experiment|journal]
// Starts the program as usual, drawn off screen, opens the screen and writes
// the window's client area (kWindowSize) as PNG. --screen teacher
// TEACHER_FILE draws the teacher's window with that task instead.
struct ScreenshotOptions {
    enum Screen { Title, Procedure, Experiment, Journal, Teacher };
    QString imagePath;
    Screen screen = Title;
    TaskStart task;
    SourceStart light; // --source, --cursor
    // Teacher: the teacher's window with this task open, read and checked.
    std::optional<classroom::ClassroomTask> teacherTask;
    QString teacherFile;
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
