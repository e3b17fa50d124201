#pragma once

#include "bench_session.h"
#include "number_text.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TForm1;
}
class ExperimentScreen;
class JournalScreen;
namespace journal {
class Journal;
}
class ProcedureScreen;
class TitleScreen;
struct TaskStart;

// The main window, Form1: three screens in one place and the row of buttons
// under them that switches the screens, starts the calculator and closes.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // clock: where the bench's timers come from; Qt's own when null.
    explicit TForm1(const bench::NumberFormat &format, bench::Clock *clock = nullptr, QWidget *parent = nullptr);
    ~TForm1() override;

    static QString caption();
    // The title of the program's own message boxes: its name, no more.
    static QString boxTitle();

    Ui::TForm1 &ui() { return *ui_; }
    TitleScreen &title();
    ProcedureScreen &procedure();
    ExperimentScreen &experiment() { return *experiment_; }
    bench::BenchSession &session() { return *session_; }
    bench::Clock &clock() { return *clock_; }

    // The bench becomes the classroom task of that variant, and the caption
    // says so.
    // taskFile: the class's task file it came from, if any.
    void startTask(const bench::Task &task, const QString &taskFile = {});
    // The task as the journal's recovery copy left it.
    void resumeTask(const bench::Task &task, unsigned checks, bool solved, const QString &taskFile = {});
    const QString &taskFile() const { return taskFile_; }

    // The task a start or an opened task file asks for, through the dialog
    // when the pupil's name or variant is missing; taskChosen starts it, and
    // the class the file names goes into the journal's «Класс».
    void openTask(const TaskStart &start);
    // «Открыть задание…» on the title screen and Ctrl+O anywhere: a task file
    // is chosen and read, on a thread of its own, with the checks of a start
    // with it.
    void openTaskAsked();
    // Where openTaskAsked() gets the file: Qt's file dialog in the program,
    // a given path in tests. Empty when cancelled.
    std::function<QString(QWidget *parent)> chooseTaskFile;

    void FormCreate();
    void Button4Click(); // title screen
    void Button1Click(); // procedure screen
    void Button2Click(); // experiment screen
    void Button3Click(); // calculator
    void Button5Click(); // close

    journal::Journal &journal() { return *journal_; }
    JournalScreen &journalScreen() { return *journalScreen_; }
    void Button7Click(); // journal screen

signals:
    // For the result keeper, which starts the task and writes down each of
    // its checks.
    void taskChosen(const bench::Task &task, const QString &taskFile);

protected:
    // Every way of closing ends here: unsaved rows of the journal are asked about.
    void closeEvent(QCloseEvent *event) override;

private:
    void showScreen(QWidget *screen);
    void openTaskFile(const QString &path);
    void tell(const QString &text, QMessageBox::Icon icon = QMessageBox::Information);

    std::unique_ptr<Ui::TForm1> ui_;
    std::unique_ptr<bench::Clock> ownClock_;
    bench::Clock *clock_ = nullptr;
    std::unique_ptr<bench::BenchSession> session_;
    ExperimentScreen *experiment_ = nullptr;
    std::unique_ptr<journal::Journal> journal_;
    JournalScreen *journalScreen_ = nullptr;
    QString taskFile_;
    QString taskClass_; // of the task file opened last
};
