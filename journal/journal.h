#pragma once

#include "journal_model.h"
#include "journal_row.h"

#include <QDateTime>
#include <QImage>
#include <QObject>

#include <functional>

namespace bench {
class BenchSession;
}

namespace journal {

// The measurement journal of one run: a row for every judged check of the
// bench session it listens to, the pupil's data and the bench picture of the
// last check, all that the report needs.
class Journal : public QObject {
    Q_OBJECT

public:
    // Where the time of a check and the date of the report come from.
    using Now = std::function<QDateTime()>;

    explicit Journal(bench::BenchSession &session, QObject *parent = nullptr);

    JournalModel &model() { return model_; }
    const JournalModel &model() const { return model_; }

    const PupilData &pupil() const { return pupil_; }
    void setPupil(const PupilData &pupil);
    const QImage &lastBench() const { return lastBench_; }
    // Every row goes, and the picture of their last check with them.
    void clear();
    // The rows and pupil of a recovered copy, in place of what is here; they
    // count as unsaved.
    void restore(const PupilData &pupil, const std::vector<JournalRow> &rows);

    QDateTime now() const { return now_(); }
    const bench::BenchSession &session() const { return session_; }
    void setNow(Now now) { now_ = std::move(now); }
    // What the bench was set to, as the journal may show it: in the ordinary
    // exercise the wavelength field; in a task the lamp's line, concealed
    // until a check of it was right.
    static SetLight setLightOf(const bench::BenchSession &session);

signals:
    void pupilChanged();

private:
    void record();

    bench::BenchSession &session_;
    JournalModel model_;
    PupilData pupil_;
    QImage lastBench_;
    Now now_;
};

// The row a judging press records, from the session's shown texts.
JournalRow rowOf(const bench::BenchSession &session, const SetLight &set, const QTime &time);

} // namespace journal
