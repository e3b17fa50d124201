#pragma once

#include "task_code.h"
#include "task_start.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TaskDialog;
}

// «Контрольное задание»: the teacher's code, the pupil's variant and name.
// Start refuses what is wrong with a Russian message and keeps everything
// typed; Cancel leaves the ordinary exercise.
class TaskDialog : public QDialog {
    Q_OBJECT

public:
    explicit TaskDialog(QWidget *parent = nullptr);
    ~TaskDialog() override;

    // The values the command line already gave.
    void prefill(const TaskStart &start);
    Ui::TaskDialog &ui() { return *ui_; }
    // The task started; empty until Start has accepted.
    const std::optional<bench::Task> &task() const { return task_; }

    void accept() override;

private:
    std::unique_ptr<Ui::TaskDialog> ui_;
    std::optional<bench::Task> task_;
};

// The task the command line asks for, through the dialog when something is
// missing; empty for the ordinary exercise.
std::optional<bench::Task> taskToStart(const TaskStart &start);
