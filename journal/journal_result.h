#pragma once

#include "journal_row.h"
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

// The same file without its checks: who and which task.
std::optional<classroom::ResultFile> resultHeadOf(const Journal &journal, const bench::BenchSession &session);

// One row of the journal in a task as the result file records it, to the second.
classroom::ResultCheck resultCheckOf(const JournalRow &row, const bench::BenchSession &session, const QDate &date);

} // namespace journal
