#pragma once

#include "recovery_store.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class TForm1;

// Nothing a pupil did is lost when the computer dies: after every change of
// the journal its recovery copy is written whole; a clean end removes it,
// and the next start offers back what a crash left.
class JournalRecovery : public QObject {
    Q_OBJECT

public:
    // True: bring the journal back; false: delete the copy.
    using Ask = std::function<bool(QWidget *parent)>;

    JournalRecovery(TForm1 &form, const QString &directory, Ask ask = askWithBox);

    // At start, before anything is recorded: a copy that a crashed run left is
    // offered back. True when the journal (and its task) came back.
    bool offerLeftover();
    // The program ends cleanly: the journal was saved or given up.
    void finish();

    // «Восстановить журнал прошлого занятия?» with Восстановить / Удалить.
    static bool askWithBox(QWidget *parent);

private:
    void keep();

    TForm1 &form_;
    journal::RecoveryStore store_;
    Ask ask_;
    bool restoring_ = false; // one write after the whole copy is back
};
