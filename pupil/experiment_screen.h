#pragma once

#include "bench_session.h"

#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class ExperimentScreen;
}
class BenchAnnouncer;
class QLineEdit;
class SourceLook;
class TImage;
class TaskLook;

// The experiment screen (panel P3): the bench canvas with its click targets
// and angle marker, and the inputs and read-outs below it. A thin view of a
// bench session: it forwards the pupil's input to the session's actions and
// shows what the session produced after each of them.
class ExperimentScreen : public QWidget {
    Q_OBJECT

public:
    explicit ExperimentScreen(bench::BenchSession &session, QWidget *parent = nullptr);
    ~ExperimentScreen() override;

    bench::BenchSession &session() { return session_; }
    const bench::TBenchState &state() const { return session_.state(); }
    const bench::BenchScene &scene() const { return session_.scene(); }
    Ui::ExperimentScreen &ui() { return *ui_; }

    // The field that shows a text of the session, and the target of index i.
    QLineEdit *field(bench::TextField field) const { return fields_[size_t(field)]; }
    TImage *target(int index) const { return targets_[size_t(index)]; }
    // Where Tab enters the screen from the controls before it.
    QWidget *firstTabStop() const;
    // The task's own labels; null outside a task.
    TaskLook *taskLook() const { return taskLook_.get(); }
    // What a screen reader is told after each action.
    BenchAnnouncer &announcer() const { return *announcer_; }
    // The source control, the cursor and what a lamp or white light changes.
    SourceLook &sourceLook() const { return *sourceLook_; }

private:
    void connectInput(); // experiment_input.cpp
    void showSession();
    void showText(int index);

    bench::BenchSession &session_;
    std::unique_ptr<Ui::ExperimentScreen> ui_;
    std::array<QLineEdit *, bench::kTextFieldCount> fields_{};
    std::array<unsigned, bench::kTextFieldCount> shownWrites_{};
    std::array<TImage *, bench::kTargetCount> targets_{};
    bool showing_ = false;               // the view itself is writing into the fields
    std::unique_ptr<TaskLook> taskLook_; // made when a task starts
    BenchAnnouncer *announcer_ = nullptr;
    SourceLook *sourceLook_ = nullptr;
};
