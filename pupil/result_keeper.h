#pragma once

#include "owed_results.h"
#include "result_file.h"
#include "result_sender.h"
#include "task_code.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class TForm1;

// In a classroom task the pupil's result file only grows: each judged check
// is added to it, into the class folder's «Результаты» when the task came
// from a task file there, and always into the user's own data folder too.
// A new start of the task goes on after the checks the file already holds,
// whichever copy holds more; a copy that went another way, or that this
// start would cut short, is kept under a name of its own, never overwritten.
// The class folder is read and written on its worker, and a failed write is
// tried again until it gets there (result_sender.h): a class folder that
// cannot be written never interrupts the pupil; it is told once, quietly,
// and the note goes when the folder takes the file again. What the program
// could not deliver before it ended is sent at its next start.
class ResultKeeper : public QObject {
    Q_OBJECT

public:
    // localResults: the folder on this computer that always gets a copy.
    ResultKeeper(TForm1 &form, QString localResults);

    // The pupil opens the task: the bench counts on from the checks already
    // recorded for this pupil.
    void startTask(const bench::Task &task, const QString &taskFile = {});
    // The task came back with the journal after a crash: a start too.
    void continueTask();

    // Where the last write went; empty before the first.
    QString lastClassFile() const { return lastClassFile_; }
    QString lastLocalFile() const { return lastLocalFile_; }

    // The class folder of a task file: «Результаты» beside it.
    static QString resultsBeside(const QString &taskFile);

    // Sends what earlier runs still owe a class folder, whatever this
    // start opened.
    void sendOwed();

    // At the program's end: waits up to waitMs for the newest version to
    // reach the class folder; false when it has not.
    bool sendPending(int waitMs);
    QString localFolder() const { return localResults_; }

signals:
    void classFolderFailed(const QString &note, const QString &reason);
    void classFolderRecovered();

private:
    void begin();
    void checked();
    void keep();
    void load(const classroom::ResultFile &head, const QString &name);
    void loaded(const classroom::ResultFile &earlier, bool sendLocal);
    void countEarlier();
    void sendToClass();
    void updateQuestion();
    void showNotes(const QString &note, const QString &reason);

    TForm1 &form_;
    QString localResults_;
    QString computerMark_;
    QString lastClassFile_, lastLocalFile_;
    bool told_ = false;
    // What the files held when this start began, under the name read.
    classroom::ResultFile earlier_;
    QString loadedName_;
    QDateTime started_;
    std::vector<classroom::ResultCheck> checks_; // of this start
    classroom::ResultFile taskResult_;           // the whole file as last kept
    classroom::ResultSender sender_;
    // The class folder's copy is being read: nothing is sent there before
    // this start knows what it holds.
    bool reading_ = false;
    unsigned reads_ = 0;
    classroom::OwedResult target_; // where sender_ sends
    std::vector<std::unique_ptr<classroom::ResultSender>> owedSenders_;
};
