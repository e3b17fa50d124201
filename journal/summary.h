#pragma once

#include "journal_row.h"
#include "number_text.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace journal {

// The checks of one set wavelength (one line of a task), in the order the
// lines first appear in the journal.
struct LineSummary {
    QString setWavelength; // as the table shows it, «?» while concealed
    int checks = 0;
    std::optional<std::int64_t> meanTenths;         // of the computed wavelengths, 0.1 nm
    std::optional<std::int64_t> deviationTenths;    // their sample standard deviation, n >= 2
    std::optional<std::int64_t> meanRightTenths;    // of the answers judged right
    std::optional<std::int64_t> relativeHundredths; // |mean right - set| / set, 0.01 %
};

std::vector<LineSummary> summarize(const std::vector<JournalRow> &rows);

// The summary as an HTML table, and the formulas it uses as a teacher
// writes them; the journal screen and the report show the same texts.
QString summaryHtml(const std::vector<LineSummary> &lines, const bench::NumberFormat &format);
QString formulasHtml();

} // namespace journal
