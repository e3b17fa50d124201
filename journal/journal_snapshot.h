#pragma once

#include "journal_row.h"
#include "task_code.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace journal {

// Where a classroom task stood: enough to start it again as it was.
struct TaskProgress {
    bench::Task task;
    unsigned checks = 0;
    bool solved = false;
    QString taskFile; // the class's task file it came from, if any
};

// Everything a pupil would lose with the program: the rows, who did them and
// the task. The journal's recovery copy holds one.
struct JournalSnapshot {
    PupilData pupil;
    std::optional<TaskProgress> task;
    std::vector<JournalRow> rows;
};

// Larger files are refused before they are parsed.
constexpr qint64 kMaxSnapshotBytes = qint64{4} * 1024 * 1024;
constexpr std::size_t kMaxSnapshotRows = 10000;

QByteArray snapshotJson(const JournalSnapshot &snapshot);

// The snapshot, or a sentence saying what is wrong with the bytes.
// In a task the rows' set wavelength comes from the task's line again, so a
// file never has to hold it, and no wavelength worked out from d and y is
// written or read.
std::variant<JournalSnapshot, QString> readSnapshot(const QByteArray &bytes);

} // namespace journal
