#include "journal_result.h"

#include "answer_check.h"
#include "bench_session.h"
#include "journal.h"
#include "task_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace journal {

std::optional<classroom::ResultFile> resultHeadOf(const Journal &journal, const bench::BenchSession &session)
{
    const std::optional<bench::Task> &task = session.task();
    if (!task)
        return std::nullopt;
    classroom::ResultFile result;
    result.code = task->code;
    result.variant = task->variant;
    result.pupil = journal.pupil().pupil.isEmpty() ? task->pupil : journal.pupil().pupil;
    result.form = journal.pupil().form;
    result.decimalMark = session.format().decimalSeparator;
    return result;
}

classroom::ResultCheck resultCheckOf(const JournalRow &row, const bench::BenchSession &session, const QDate &date)
{
    const bench::LampLine &line = session.task()->lampLine();
    // The hint the screen showed beside the verdict: the same rule on the
    // same texts gives it again.
    const bench::TaskJudgement judged = bench::judgeTaskAnswer(row.answer, {row.grating, row.distance, row.order},
        line.nm, session.format());
    // Whole seconds, as the file keeps them: a check read back compares equal.
    const QTime time(row.time.hour(), row.time.minute(), row.time.second());
    return {QDateTime(date, time), row.grating, row.order, row.distance, row.answer,
        bench::storedVerdictText(row.right),
        row.right ? bench::storedLineName(line) : bench::storedHintText(judged.hint)};
}

std::optional<classroom::ResultFile> resultOfJournal(const Journal &journal, const bench::BenchSession &session,
    const QDate &lessonDate)
{
    std::optional<classroom::ResultFile> result = resultHeadOf(journal, session);
    if (!result)
        return std::nullopt;
    for (const JournalRow &row : journal.model().rows())
        result->checks.push_back(resultCheckOf(row, session, lessonDate));
    return result;
}

} // namespace journal
