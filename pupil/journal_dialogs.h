#pragma once

#include "save_journal.h"

#include <optional>

class QWidget;

namespace journal {
class Journal;
}

// The file and print dialogs of the journal screen, behind one seam: the
// program opens Qt's dialogs, tests answer without a dialog ever blocking.
class JournalDialogs {
public:
    virtual ~JournalDialogs() = default;
    // The name as typed and the type selected in the dialog; none when
    // cancelled.
    virtual std::optional<journal::SaveTarget> chooseSaveFile(QWidget *parent) = 0;
    // The print dialog, then the report on the chosen printer; false when
    // cancelled.
    virtual bool print(QWidget *parent, const journal::Journal &journal) = 0;
};

class QtJournalDialogs final : public JournalDialogs {
public:
    std::optional<journal::SaveTarget> chooseSaveFile(QWidget *parent) override;
    bool print(QWidget *parent, const journal::Journal &journal) override;
};
