#pragma once

#include "classroom_task.h"
#include "task_code.h"
#include "task_start.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TaskDialog;
}

// «Контрольное задание»: the teacher's code, the pupil's variant and name,
// typed or taken from the class's task file. With the file's class list the
// pupil picks their name and the variant follows. Start refuses what is
// wrong with a Russian message and keeps everything typed; Cancel leaves the
// ordinary exercise.
class TaskDialog : public QDialog {
    Q_OBJECT

public:
    explicit TaskDialog(QWidget *parent = nullptr);
    ~TaskDialog() override;

    // The values the command line already gave, its task file included.
    void prefill(const TaskStart &start);
    Ui::TaskDialog &ui() { return *ui_; }
    // The task started; empty until Start has accepted.
    const std::optional<bench::Task> &task() const { return task_; }
    // The task file shown, if the task came from one, and the class it names.
    const QString &taskFilePath() const { return filePath_; }
    QString taskClass() const { return file_ ? file_->form : QString(); }

    // «Открыть файл задания…» asks here for the file; Qt's file dialog in the
    // program, a given path in tests. Empty when cancelled.
    std::function<QString(QWidget *parent)> chooseTaskFile;
    // Reads and shows a task file; a bad one leaves the dialog as it was and
    // says why below the fields.
    bool openTaskFile(const QString &path);

    void accept() override;

private:
    void showTaskFile(const classroom::ClassroomTask &file);
    void pupilPicked(int index);

    std::unique_ptr<Ui::TaskDialog> ui_;
    std::optional<bench::Task> task_;
    std::optional<classroom::ClassroomTask> file_;
    QString filePath_;
};

// Qt's file dialog for a pupils' task file; empty when cancelled.
QString askForTaskFile(QWidget *parent);

// A task to open, with the class's task file it came from and the class that
// file names (both empty for a task typed in).
struct ChosenTask {
    bench::Task task;
    QString file;
    QString form;
};

// The task the command line or an opened task file asks for, through the
// dialog when something is missing; empty for the ordinary exercise.
std::optional<ChosenTask> taskToStart(const TaskStart &start, QWidget *parent = nullptr);
