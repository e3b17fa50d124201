#pragma once

#include "classroom_task.h"

#include <QDate>
#include <QString>

#include <optional>

namespace classroom {

// A new task as the teacher fills it in, in the window or on the command
// line: the class list pasted, or only a number of variants.
struct NewTaskInput {
    QString title;
    QString form;
    std::optional<QString> pupils; // the list's text; none: variants without names
    int variants = 0;
    QString code; // drawn by proposeBoardCode(), never typed
    QDate created;
};

struct NewTask {
    enum class Field { None, Title, Form, Pupils, Variants, Code };
    std::optional<ClassroomTask> task;
    Field field = Field::None; // what is wrong
    QString error;             // one sentence to show
};

// Checks every value as the task files' reader will; the list's messages
// name its line. The task gets the lines of its code: its key.
NewTask makeNewTask(const NewTaskInput &input);

} // namespace classroom
