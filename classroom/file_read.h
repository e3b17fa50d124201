#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace classroom {

// Why a file of the classroom could not be taken; the texts are in
// classroom_texts.h.
enum class FileProblem {
    None,
    CannotRead,
    TooLarge,
    Damaged, // ours, but a field is missing or wrong
    Newer,   // ours, from a later format version
    NotOurs,
    TeacherFile, // the teacher's file where the pupils' task file belongs
    TaskFile,    // the pupils' task file where the teacher's file belongs
    KeyMissing,  // a teacher's file without the key's lines: edited, or from before they were kept
};

struct FileError {
    FileProblem problem = FileProblem::None;
    QString detail; // the system's reason (CannotRead) or the field (Damaged)
};

// The whole file if it is no longer than limit bytes. The size is checked
// before anything is read, and again by reading one byte more than allowed,
// since a pipe or a growing file has no size to trust.
std::optional<QByteArray> readLimited(const QString &path, qint64 limit, FileError *error);

} // namespace classroom
