#include "journal_recovery.h"

#include "journal.h"
#include "journal_snapshot.h"
#include "mainUnit.h"
#include "pupil_texts.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

JournalRecovery::JournalRecovery(TForm1 &form, const QString &directory, Ask ask)
    : form_(form), store_(directory), ask_(std::move(ask))
{
    journal::Journal &j = form_.journal();
    const auto keep = [this] { this->keep(); };
    connect(&j.model(), &QAbstractItemModel::rowsInserted, this, keep);
    connect(&j.model(), &QAbstractItemModel::modelReset, this, keep);
    connect(&j, &journal::Journal::pupilChanged, this, keep);
}

bool JournalRecovery::offerLeftover()
{
    const auto bytes = store_.leftover();
    if (!bytes)
        return false;
    auto snapshot = journal::readSnapshot(*bytes);
    // A copy that cannot be read has nothing to offer; it goes.
    if (!std::holds_alternative<journal::JournalSnapshot>(snapshot) || !ask_(&form_)) {
        store_.remove();
        return false;
    }
    const journal::JournalSnapshot &s = std::get<journal::JournalSnapshot>(snapshot);
    restoring_ = true;
    if (s.task)
        form_.resumeTask(s.task->task, s.task->checks, s.task->solved, s.task->taskFile);
    form_.journal().restore(s.pupil, s.rows);
    restoring_ = false;
    keep();
    return true;
}

void JournalRecovery::finish()
{
    store_.remove();
}

bool JournalRecovery::askWithBox(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, TForm1::boxTitle(), PupilText::tr("Восстановить журнал прошлого занятия?"),
        QMessageBox::NoButton, parent);
    QPushButton *restore = box.addButton(PupilText::tr("Восстановить"), QMessageBox::AcceptRole);
    box.addButton(PupilText::tr("Удалить"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

void JournalRecovery::keep()
{
    if (restoring_)
        return;
    const journal::Journal &j = form_.journal();
    journal::JournalSnapshot snapshot;
    snapshot.pupil = j.pupil();
    const bench::BenchSession &session = form_.session();
    if (const auto &task = session.task())
        snapshot.task = journal::TaskProgress{*task, session.taskChecks(), session.taskSolved(), form_.taskFile()};
    snapshot.rows = j.model().rows();
    store_.save(journal::snapshotJson(snapshot));
}
