#pragma once

#include "classroom_task.h"
#include "command_line.h"
#include "task_code.h"

#include <QString>

#include <optional>

// The task options of the command line: --task [CODE] --variant N
// [--pupil NAME], or the class's task file with --pupil NAME (a list) or
// --variant N (no list). A value given is checked at once; what is missing
// is asked for in the dialog.
struct TaskStart {
    bool wanted = false; // --task or a task file given
    std::optional<QString> code, variant, pupil;
    std::optional<classroom::ClassroomTask> file; // the task file, read and checked
    QString filePath;                             // and where it lies
    std::optional<bench::Task> task;              // code and variant both given, or the pupil found
};

// The task of a parsed command line, or the first thing wrong with it (one
// line, for printMessage()).
TaskStart readTaskStart(const CommandLine &line, QString *error);
