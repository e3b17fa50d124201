#pragma once

#include "class_results_watch.h"
#include "classroom_task.h"
#include "clock.h"
#include "teacher_dialogs.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class ClassResultsPanel;
}

// «Результаты» in the teacher's window: the class table of the task shown,
// kept up to date by the watch while pupils work (a check shows within
// five seconds, on a network share too), the mark column that may be
// hidden, the files that do not count under the table, and the exports. A
// thin view: the rules live in classroom/.
class ClassResultsPanel : public QWidget {
    Q_OBJECT

public:
    ClassResultsPanel(TeacherDialogs &dialogs, bench::Clock &clock, QWidget *parent = nullptr);
    ~ClassResultsPanel() override;

    Ui::ClassResultsPanel &ui() { return *ui_; }
    classroom::ClassResultsWatch &watch() { return watch_; }
    // Today, as the report is dated; tests set it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // The task with the places its results are read from, its class folder
    // among them when known; fileName names the exports.
    void setTask(const classroom::ClassroomTask &task, const QString &fileName, const QStringList &places);
    const QStringList &places() const { return watch_.places(); }
    // Folders (a class folder with its «Результаты») or result files.
    void addPlaces(const QStringList &places);
    // The column of the pupils' lines, the key: hidden, and empty, for every
    // new task until the teacher's window shows its key.
    void setKeyShown(bool shown);

    void saveCsv();
    void exportMoodle();
    void savePdf();
    void print();

signals:
    // The teacher named where the task's class folder is now.
    void classFolderMoved(const QString &folder);

private:
    // The class folder the task's file names, when it cannot be read.
    bool classFolderLost() const;
    void chooseClassFolder();
    void showResults();
    void showPlaces();
    void showMarks(bool shown);
    QString chooseTarget(const QString &caption, const QString &name, const QString &suffix, const QString &filter);
    void say(const QString &message);

    std::unique_ptr<Ui::ClassResultsPanel> ui_;
    TeacherDialogs &dialogs_;
    classroom::ClassResultsWatch watch_;
    std::optional<classroom::ClassroomTask> task_;
    QString fileName_;
    bool keyShown_ = false;
};
