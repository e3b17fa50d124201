#pragma once

#include "command_line.h"
#include "task_code.h"

#include <QString>

#include <optional>

// The task options of the command line: --task [CODE] --variant N
// [--pupil NAME]. A value given is checked at once; what is missing is asked
// for in the dialog.
struct TaskStart {
    bool wanted = false; // --task given
    std::optional<QString> code, variant, pupil;
    std::optional<bench::Task> task; // code and variant both given
};

// The task of a parsed command line, or the first thing wrong with it (one
// line, for printMessage()).
TaskStart readTaskStart(const CommandLine &line, QString *error);
