#pragma once

#include "board_code.h"
#include "board_projector.h"
#include "classroom_task.h"
#include "clock.h"
#include "teacher_dialogs.h"

#include <QDate>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TeacherWindow;
}
class ClassResultsPanel;

// The teacher's window: a new task (title, class, the class list pasted or
// a number of variants, a random board code), saved as the teacher's file
// and the pupils' task file, the teacher's file naming the class folder;
// the key of the task saved or opened, as a
// table, printed, as a PDF and as a Moodle quiz; its board code shown large
// and on the projector; and the class's results under «Результаты». The
// window may be on the projector: no wavelength shows until «Показать ключ»,
// anew for every task. A thin view: the rules live in classroom/.
class TeacherWindow : public QWidget {
    Q_OBJECT

public:
    // clock drives the results' rescan; Qt's timers when none is given.
    TeacherWindow(TeacherDialogs &dialogs, classroom::RandomSource &random, bench::Clock *clock = nullptr,
        QWidget *parent = nullptr);
    ~TeacherWindow() override;

    Ui::TeacherWindow &ui() { return *ui_; }
    ClassResultsPanel &results() { return *results_; }
    // The task whose key is shown: saved here or opened from its file.
    const std::optional<classroom::ClassroomTask> &task() const { return task_; }
    // Today, as new tasks are dated; tests set it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // Opens a teacher's file; false, with the reason shown, for a bad one.
    bool openTeacherFile(const QString &path);

    // The form for a new task, the task shown before closed.
    void startNewTask();
    void saveNewTask();
    void saveTaskFile();
    void saveInBackground(std::vector<std::pair<QString, QByteArray>> files, std::function<void(const QString &)> then);
    // The key table and the wavelengths in «Результаты», or neither.
    void showKey(bool shown);
    // The code, title and class full screen; null when closed.
    void projectCode();
    BoardProjector *projector() const { return projector_; }
    void printKey();
    void saveKeyPdf();
    void exportMoodle();

    // Sized for the screen it opens on: whole on a 1024 x 768 projector,
    // larger on a larger screen, and centred.
    void fitScreen(const QRect &available);

private:
    void showTask(const classroom::ClassroomTask &task, const QString &teacherFile, const QStringList &places);
    // What the pupils do next with the task file just written.
    void sayNext(const QString &taskFile);
    void moveClassFolder(const QString &folder);
    void showBoardCode();
    void say(const QString &message);
    // The key written to a file the teacher names (name: the suggested one, %1
    // the task's), the suffix added if missing.
    void saveKeyAs(const QString &caption, const QString &name, const QString &filter, const char16_t *suffix,
        const std::function<QByteArray()> &bytes);

    std::unique_ptr<Ui::TeacherWindow> ui_;
    TeacherDialogs &dialogs_;
    classroom::RandomSource &random_;
    std::optional<classroom::ClassroomTask> task_;
    QString teacherFile_;
    std::unique_ptr<bench::Clock> ownClock_;
    ClassResultsPanel *results_;
    QPointer<BoardProjector> projector_;
};
