#pragma once

#include <QByteArray>

namespace journal {

class JournalModel;

// The journal as a spreadsheet reads it: UTF-8 with a byte-order mark (so
// that Cyrillic comes out right), fields quoted as RFC 4180 asks, lines
// ended with CR LF, a header row, then one row per check with the numbers as
// shown. The separator is «;» where the decimal mark is a comma, «,»
// otherwise, so that a number is never split into two cells.
QByteArray csvBytes(const JournalModel &model);

} // namespace journal
