#include "journal.h"

#include "answer_check.h"
#include "bench_session.h"
#include "decimal_text.h"
#include "journal_texts.h"
#include "source_texts.h"
#include "task_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace journal {

Journal::Journal(bench::BenchSession &session, QObject *parent)
    : QObject(parent), session_(session), model_(session.format()), now_([] { return QDateTime::currentDateTime(); })
{
    connect(&session_, &bench::BenchSession::answerJudged, this, &Journal::record);
}

void Journal::setPupil(const PupilData &pupil)
{
    pupil_ = pupil;
    emit pupilChanged();
}

void Journal::clear()
{
    model_.clear();
    lastBench_ = QImage();
}

void Journal::restore(const PupilData &pupil, const std::vector<JournalRow> &rows)
{
    clear();
    for (const JournalRow &row : rows)
        model_.append(row);
    setPupil(pupil);
}

SetLight Journal::setLightOf(const bench::BenchSession &session)
{
    if (const std::optional<bench::Task> &task = session.task()) {
        const bench::LampLine &line = task->lampLine();
        return {bench::IntToStr(line.nm), bench::lineName(line), !session.taskSolved(), true};
    }
    if (session.source() != bench::LightSource::Mono) {
        // Grouped by the line (or edge) the cursor stood on, when it stood on one.
        if (const std::optional<int> nm = session.sourceJudgement().feature)
            return {bench::IntToStr(*nm), bench::featureName(session.source(), *nm), false};
        return {u"—"_s, bench::sourceName(session.source()), false};
    }
    const QString wavelength = session.text(bench::TextField::Wavelength);
    return {wavelength, wavelength, false};
}

void Journal::record()
{
    const SetLight set = setLightOf(session_);
    model_.append(rowOf(session_, set, now_().time()));
    // The check that solved a task shows the line in its earlier rows too.
    if (!set.concealed)
        model_.reveal(set.line);
    lastBench_ = session_.scene().benchCanvas().image().copy();
}

JournalRow rowOf(const bench::BenchSession &session, const SetLight &set, const QTime &time)
{
    using bench::TextField;
    JournalRow row;
    row.time = time;
    row.set = set;
    row.grating = session.text(TextField::Grating);
    // In a task, as with a lamp, k is the pupil's typed order, not a selection.
    row.order = session.task() ? bench::typedOrder(session.text(TextField::Order)).value_or(0) : session.state().k_sel;
    if (session.source() != bench::LightSource::Mono) {
        const bench::LightSourceInfo &info = bench::sourceInfo(session.source());
        const QString typed = session.text(TextField::Order);
        row.order = bench::typedOrder(typed).value_or(0);
        row.source = SourceRecord{bench::sourceName(session.source()),
            info.symbol.isEmpty() ? JournalTexts::tr("белый") : info.symbol.toString(), session.cursorText(), typed};
    }
    row.distance = session.text(TextField::Distance);
    row.answer = session.text(TextField::Answer);
    row.right = session.verdict() == bench::Verdict::Right;
    if (set.task)
        return row;
    const bench::ShownReadouts shown{session.text(TextField::Wavelength), row.grating, row.distance, row.order};
    // A typed-over field can hold a number no wavelength reaches; that row
    // has no computed value rather than an overflowed one.
    constexpr unsigned __int128 kLargest = 1'000'000'000'000'000;
    const auto lambda = bench::formulaWavelength(shown, session.format());
    if (lambda && lambda->numerator / lambda->denominator < kLargest)
        row.computedTenths = roundToEven(__int128(lambda->numerator * 10), __int128(lambda->denominator));
    return row;
}

} // namespace journal
