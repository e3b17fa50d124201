#pragma once

#include "board_code.h"
#include "classroom_task.h"
#include "command_line.h"

#include <QString>

#include <optional>

// gratinglab --new-task TEACHER_FILE --class-folder DIR
//            (--pupils LIST | --variants N) [--title T] [--class C]
// Writes the teacher's file and the pupils' task file beside each other's
// names and prints the board code: the teacher's window without a window,
// for scripts.
struct NewTaskOptions {
    QString teacherFile;
    QString taskFile; // in the class folder
    classroom::ClassroomTask task;
};

// Reads and checks every value, the class list included. The code is always
// drawn from random: a typed one would let anyone who saw it on a board make
// the same key.
std::optional<NewTaskOptions> readNewTaskOptions(const CommandLine &line, classroom::RandomSource &random,
    QString *error);

// 0 both files written and the code printed; 2 a file that cannot be written
// or that is there already (then neither file is left behind).
int runNewTaskMode(const NewTaskOptions &options);
