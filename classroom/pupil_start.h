#pragma once

#include "classroom_task.h"
#include "task_code.h"

#include <QString>

#include <optional>

namespace classroom {

// The pupil's task from the class's task file. With a list the name picks
// the variant and must be on it; without one the pupil gives the variant
// (within the task's variants) and, if they like, a name.
struct PupilStart {
    std::optional<bench::Task> task;
    QString error; // one sentence to show
};

PupilStart startFromTaskFile(const ClassroomTask &file, const QString &pupil, const QString &variant);

// The listed pupil of this name, compared as the list compares names.
const Pupil *findPupil(const ClassroomTask &file, const QString &name);

} // namespace classroom
