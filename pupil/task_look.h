#pragma once

#include "bench_session.h"

class QLabel;
namespace Ui {
class ExperimentScreen;
}

// The experiment screen in a classroom task: a label about the unknown lamp
// stands in place of the strip, its slider and arrows, and a hint beside the
// verdict. Nothing shown here, hidden widgets included, tells the wavelength
// before it has been measured.
class TaskLook {
public:
    explicit TaskLook(Ui::ExperimentScreen &form);

    void show(const bench::BenchSession &session);
    // While the class folder does not take the pupil's results, the lamp's
    // label says so, in red; an empty note puts the label back.
    void showShareNote(const QString &note);

    QLabel *lampLabel() const { return lamp_; }
    QLabel *hintLabel() const { return hint_; }

private:
    Ui::ExperimentScreen &f_;
    QLabel *lamp_;
    QLabel *hint_;
};
