#pragma once

#include "result_file.h"

#include <QDate>

#include <optional>

namespace bench {
class BenchSession;
}

namespace journal {

class Journal;

// The pupil's result file of a journal in a classroom task: every judged
// check with the texts the pupil saw, its verdict and the hint beside it.
// None outside a task. The rows keep the time of day; the date is the
// lesson's.
std::optional<classroom::ResultFile> resultOfJournal(const Journal &journal, const bench::BenchSession &session,
    const QDate &lessonDate);

} // namespace journal
