#pragma once

#include "result_file.h"

#include <QString>

#include <optional>

namespace journal {

class Journal;

// The CSV table, the PDF report, or in a task the pupil's result file to
// hand in by hand.
enum class FileType { Csv, Pdf, Result };

struct SaveTarget {
    QString path;
    FileType type;
};

// The type follows the name's extension (.csv, .pdf or .gratinglab-result, any case); a name
// without one takes the type chosen in the dialog, and its extension, so
// that the file opens with a double click.
SaveTarget resolveSaveTarget(const QString &chosenPath, FileType chosenType);

// Writes the whole journal; on success the rows count as saved. A file that
// cannot be written leaves the journal as it was and gives the message for
// the pupil. In a task the result file is taskResult when given: every check
// of every start, where the journal holds only this run's rows.
std::optional<QString> saveJournal(Journal &journal, const SaveTarget &target,
    const std::optional<classroom::ResultFile> &taskResult = std::nullopt);

} // namespace journal
