#pragma once

#include "classroom_task.h"

#include <QByteArray>

namespace classroom {

// The key as a Moodle XML question bank (UTF-8): one category named after
// the task and in it one numerical question per variant, whose answer is
// the line in nm with the widest spread the bench's own check accepts. A
// quiz of one random question from the category then marks the pupils.
QByteArray moodleQuizXml(const ClassroomTask &task);

} // namespace classroom
