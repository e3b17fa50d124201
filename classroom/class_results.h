#pragma once

#include "classroom_task.h"
#include "result_cache.h"
#include "result_judging.h"
#include "result_scan.h"

#include <QString>

#include <optional>
#include <vector>

namespace classroom {

enum class PupilStatus {
    Counted,  // a result file counts for this pupil
    NoResult, // on the list, no file
    Edited,   // only an edited file: its checks are shown, nothing counts as solved
};

// One row of the class table.
struct PupilRow {
    int variant = 0;
    QString name; // from the list; without a list as the pupil typed it
    QString id;   // e-mail or school ID from the teacher's file
    int lineNm = 0;
    PupilStatus status = PupilStatus::NoResult;
    JudgedResult judged;
    std::optional<int> mark;   // none without a counted file
    QString file;              // the file the row comes from
    int starts = 0;            // times the pupil opened the task, as that file records
    bool filesDiverge = false; // another unedited file of the pupil holds other checks

    bool solved() const { return status == PupilStatus::Counted && judged.firstRight.has_value(); }
    friend bool operator==(const PupilRow &, const PupilRow &) = default;
};

// Why a file does not count, or counts for no one.
enum class Misfit {
    OtherTask,       // another task's code
    VariantOutside,  // a variant the task does not have
    NotOnList,       // a name the list does not have, or none
    VariantMismatch, // a name on the list with another variant
    Edited,          // the checksum or a recorded verdict disagrees
    Duplicate,       // another file of the same pupil counts, and holds its checks or fewer
    Diverging,       // another file of the same pupil counts, and holds other checks
    Damaged,
    Newer,
    NotOurs,
    TooLarge,
    Unreadable,
    Link,
    NotRegular,
    NotResultFile,
    TooMany,
    Missing,
    PlaceUnreadable, // a chosen folder that cannot be listed
};

struct MisfitFile {
    QString path;
    Misfit why;
    QString reason; // one phrase in the interface language, the details named

    friend bool operator==(const MisfitFile &, const MisfitFile &) = default;
};

struct ClassResults {
    std::vector<PupilRow> rows;      // by variant; with a list, one per pupil on it
    std::vector<MisfitFile> misfits; // by path

    friend bool operator==(const ClassResults &, const ClassResults &) = default;
};

// The class table of a task from the files read. Every check is judged
// again; a file flagged edited never makes its pupil solved. Of two files of
// one pupil the one that counts is an unedited one, then the one with more
// checks, then the one whose last check is later; when two unedited ones
// hold other checks (neither begins the other), the pupil is flagged.
ClassResults buildClassResults(const ClassroomTask &task, const std::vector<LoadedResult> &files,
    const std::vector<ScanRefusal> &refused = {});

// Scan, read (through the cache) and build in one step.
ClassResults readClassResults(const ClassroomTask &task, const QStringList &places, ResultFileCache &cache);

} // namespace classroom
