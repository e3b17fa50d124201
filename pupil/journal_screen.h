#pragma once

#include "result_file.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class JournalScreen;
}
namespace journal {
class Journal;
}
class JournalDialogs;

// The journal screen (panel P4): the table of checks, the summary under it,
// the pupil's name and class, and clearing, saving and printing. A thin view
// of the journal.
class JournalScreen : public QWidget {
    Q_OBJECT

public:
    explicit JournalScreen(journal::Journal &journal, QWidget *parent = nullptr);
    ~JournalScreen() override;

    Ui::JournalScreen &ui() { return *ui_; }
    // Tests answer the file and print dialogs through their own.
    void setDialogs(JournalDialogs &dialogs) { dialogs_ = &dialogs; }

    // «Сохранить…»: true when the journal was written; a cancelled dialog or
    // a file that cannot be written (the error box says why) keep it unsaved.
    bool save();
    void print();
    // «Очистить», after the pupil confirmed it.
    void clearAsked();
    // The window is closing: unsaved rows are saved, dropped or keep the
    // program running, as the pupil answers.
    bool mayClose();
    // In a task: the whole result file, which «Сохранить…» writes for the
    // teacher, and the close question that says where the checks went.
    void setTaskResult(const classroom::ResultFile &whole, const QString &closeQuestion)
    {
        taskResult_ = whole;
        closeQuestion_ = closeQuestion;
    }
    // A quiet line under the table, e.g. that the class folder takes no
    // results; the reason in its tooltip.
    void showNote(const QString &note, const QString &reason);

private:
    void showPupil();
    void showSummary();
    void pupilEdited();

    journal::Journal &journal_;
    std::unique_ptr<Ui::JournalScreen> ui_;
    std::unique_ptr<JournalDialogs> ownDialogs_;
    JournalDialogs *dialogs_ = nullptr;
    std::optional<classroom::ResultFile> taskResult_;
    QString closeQuestion_;
};
