#pragma once

#include <QCoreApplication>

// The translation context of every text of the journal: the table's
// headings, the report, the summary, the messages of its files. Outside the
// namespace, so that tr() and lupdate name the context alike.
class JournalTexts {
    Q_DECLARE_TR_FUNCTIONS(JournalTexts)
};
