#pragma once

#include "classroom_task.h"
#include "file_read.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace classroom {

// The two files of a task, both JSON. The teacher's file
// (*.gratinglab-teacher) holds the key: the line of every variant, in nm;
// and, once written, where the pupils' task file went.
// The pupils' task file (*.gratinglab-task) goes to the class folder and
// holds the title, class, code and list, never a pupil's ID and never a
// wavelength.
enum class TaskFileKind { Teacher, Pupils };

inline constexpr char16_t kTeacherSuffix[] = u".gratinglab-teacher";
inline constexpr char16_t kTaskSuffix[] = u".gratinglab-task";

// Files written by this version; a reader refuses anything later.
constexpr int kTaskFileFormatVersion = 1;
// Far above 99 pupils with the longest names and IDs, far below harm.
constexpr qint64 kMaxTaskFileBytes = qint64{256} * 1024;
// The class folder's path, as the teacher's file records it.
constexpr qsizetype kMaxPathLength = 4096;

// The lines the variant algorithm gives a code, one per variant. Only a new
// task and the reader's check of a teacher's file use it: the key itself is
// always the list the teacher's file holds.
std::vector<int> variantLines(const QString &normalisedCode, int variants);

// The teacher's file gets the lines of task.code, whatever task.lines holds.
QByteArray taskFileBytes(const ClassroomTask &task, TaskFileKind kind);

struct TaskFileRead {
    ClassroomTask task;
    FileError error;
    bool ok() const { return error.problem == FileProblem::None; }
};

// Checks every field: a file from a pupil's folder is hostile input. A
// teacher's file must hold lines, and exactly those of its code: a task file
// edited to pass for a teacher's file has none (KeyMissing), and made-up
// ones are refused as damaged (the field «lines»).
TaskFileRead parseTaskFile(const QByteArray &bytes, TaskFileKind kind);
TaskFileRead readTaskFile(const QString &path, TaskFileKind kind);

// Records in the teacher's side of task where its pupils' file was saved.
void recordTaskFile(ClassroomTask &task, const QString &taskFile);

// The pupils' file that goes with a teacher's file: the same name with the
// other suffix, in the class folder.
QString pupilsFilePath(const QString &teacherFile, const QString &classFolder);

} // namespace classroom
