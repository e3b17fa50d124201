#pragma once

#include "journal_row.h"
#include "number_text.h"

#include <QString>

namespace journal {

// The journal's columns, in the order the table, the CSV file and the
// report show them.
enum class Column { Number, Time, SetWavelength, Grating, Order, Distance, Computed, Answer, Verdict };
constexpr int kColumnCount = 9;

QString headerText(Column column);

// The one text of a cell wherever the journal is shown or written; number is
// the row's 1-based place.
QString cellText(const JournalRow &row, int number, Column column, const bench::NumberFormat &format);

// The computed wavelength to 0.1 nm, as the journal writes it.
QString tenthsText(std::int64_t tenths, const bench::NumberFormat &format);

} // namespace journal
