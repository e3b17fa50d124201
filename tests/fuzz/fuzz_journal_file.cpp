// The journal's recovery copy as a damaged disk or a curious pupil could
// leave it: whatever the bytes, the reader never crashes; a file it takes
// holds only values in range and reads back the same from the writer's bytes.
#include "bench_state.h"
#include "journal_snapshot.h"

#include <cstdint>
#include <cstdlib>
#include <variant>

namespace {

bool sameRow(const journal::JournalRow &a, const journal::JournalRow &b)
{
    const bool sameSource = a.source.has_value() == b.source.has_value()
        && (!a.source
            || (a.source->source == b.source->source && a.source->symbol == b.source->symbol
                && a.source->cursorY == b.source->cursorY && a.source->typedOrder == b.source->typedOrder));
    return sameSource && a.time == b.time && a.grating == b.grating && a.order == b.order && a.distance == b.distance
        && a.computedTenths == b.computedTenths && a.answer == b.answer && a.right == b.right
        && a.set.wavelength == b.set.wavelength && a.set.line == b.set.line && a.set.concealed == b.set.concealed
        && a.set.task == b.set.task;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto read = journal::readSnapshot(bytes);
    if (const auto *why = std::get_if<QString>(&read)) {
        if (why->isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const journal::JournalSnapshot &s = std::get<journal::JournalSnapshot>(read);
    if (s.rows.size() > journal::kMaxSnapshotRows)
        std::abort();
    for (const journal::JournalRow &row : s.rows) {
        if (!row.time.isValid() || row.order < -bench::kMaxOrder || row.order > bench::kMaxOrder
            || (s.task && (row.computedTenths || !row.set.task)))
            std::abort();
    }
    const auto again = journal::readSnapshot(journal::snapshotJson(s));
    const auto *back = std::get_if<journal::JournalSnapshot>(&again);
    if (!back || back->rows.size() != s.rows.size() || back->pupil.pupil != s.pupil.pupil
        || back->pupil.form != s.pupil.form || back->pupil.taskCode != s.pupil.taskCode
        || back->pupil.variant != s.pupil.variant || back->task.has_value() != s.task.has_value())
        std::abort();
    if (s.task
        && (back->task->task.code != s.task->task.code || back->task->task.variant != s.task->task.variant
            || back->task->checks != s.task->checks || back->task->solved != s.task->solved
            || back->task->taskFile != s.task->taskFile))
        std::abort();
    for (size_t i = 0; i < s.rows.size(); ++i) {
        if (!sameRow(s.rows[i], back->rows[i]))
            std::abort();
    }
    return 0;
}
