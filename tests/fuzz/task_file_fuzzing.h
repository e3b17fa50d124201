// Shared by the two task-file targets: whatever the bytes, the reader never
// crashes, and a file it accepts is one the writer would write again and
// the reader take back unchanged.
#pragma once

#include "task_code.h"
#include "task_files.h"

#include <cstdint>
#include <cstdlib>

inline void fuzzTaskFile(const std::uint8_t *data, std::size_t size, classroom::TaskFileKind kind)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const classroom::TaskFileRead read = classroom::parseTaskFile(bytes, kind);
    if (!read.ok())
        return;
    const classroom::ClassroomTask &task = read.task;
    if (task.variants < 1 || task.variants > classroom::kMaxVariants)
        std::abort();
    if (task.hasList() && task.pupils.size() != size_t(task.variants))
        std::abort();
    // A teacher's file is read with its key, and the key is its code's.
    if (task.lines
        != (kind == classroom::TaskFileKind::Teacher ? classroom::variantLines(task.code, task.variants)
                                                     : std::vector<int>()))
        std::abort();
    if (bench::checkTaskCode(task.code) != bench::TaskInputError::None
        || bench::normaliseTaskCode(task.code) != task.code)
        std::abort();
    const classroom::TaskFileRead again = classroom::parseTaskFile(classroom::taskFileBytes(task, kind), kind);
    if (!again.ok() || again.task.title != task.title || again.task.form != task.form || again.task.code != task.code
        || again.task.created != task.created || again.task.variants != task.variants
        || again.task.pupils.size() != task.pupils.size() || again.task.lines != task.lines)
        std::abort();
    for (size_t i = 0; i < task.pupils.size(); ++i) {
        const classroom::Pupil &a = task.pupils[i], &b = again.task.pupils[i];
        if (a.variant != int(i + 1) || a.variant != b.variant || a.name != b.name || a.id != b.id)
            std::abort();
    }
}
