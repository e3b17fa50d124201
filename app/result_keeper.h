#pragma once

#include <QObject>
#include <QString>

class TForm1;

// In a classroom task the pupil's result file follows the journal: after
// every judged check it is written whole, into the class folder's
// «Результаты» when the task came from a task file there, and always into
// the user's own data folder too. A class folder that cannot be written
// never interrupts the pupil: it is told once, quietly, on the journal screen.
class ResultKeeper : public QObject {
    Q_OBJECT

public:
    // localResults: the folder on this computer that always gets a copy.
    ResultKeeper(TForm1 &form, QString localResults);

    // Where the last write went; empty before the first.
    QString lastClassFile() const { return lastClassFile_; }
    QString lastLocalFile() const { return lastLocalFile_; }

    // The class folder of a task file: «Результаты» beside it.
    static QString resultsBeside(const QString &taskFile);

signals:
    void classFolderFailed(const QString &note, const QString &reason);

private:
    void keep();

    TForm1 &form_;
    QString localResults_;
    QString lastClassFile_, lastLocalFile_;
    bool told_ = false;
};
