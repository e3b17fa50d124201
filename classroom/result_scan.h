#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace classroom {

// Far above a class, far below a folder a pupil filled to stall the teacher.
constexpr int kMaxResultFiles = 500;
// Where the pupils' programs write, beside the pupils' task file.
inline constexpr char16_t kResultsFolderName[] = u"Результаты";

// A result file found: its size and time of change tell whether it must be
// read again.
struct FoundResultFile {
    QString path; // absolute
    qint64 size = 0;
    QDateTime modified;
};

enum class ScanProblem {
    Missing,       // a chosen place that is not there
    Unreadable,    // a folder that is there but cannot be listed (no right, a share that does not answer)
    Link,          // a link met inside a folder: never followed
    NotRegular,    // a pipe, a device, a folder with the suffix
    NotResultFile, // a chosen file without the result suffix
    TooMany,       // the folder holds more than the limit; the rest is not read
};

struct ScanRefusal {
    QString path;
    ScanProblem problem;
};

struct ResultScan {
    std::vector<FoundResultFile> files; // sorted by path, each once
    std::vector<ScanRefusal> refused;
};

// The result files of the places the teacher chose, folders or files; a
// chosen folder is read with its «Результаты» subfolder. A chosen path is
// taken as the teacher gave it, a link too; inside a folder nothing is
// followed or opened but regular files ending in .gratinglab-result. Only
// names and sizes are read here, and nothing is ever written.
ResultScan scanResultPlaces(const QStringList &places, int maxFiles = kMaxResultFiles);

} // namespace classroom
