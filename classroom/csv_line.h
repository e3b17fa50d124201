#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringList>

namespace classroom {

// One row of a CSV file as RFC 4180 writes it: a cell holding the separator,
// a quote or a line break is quoted, its quotes doubled; the row ends with
// CR LF. UTF-8.
QByteArray csvLine(const QStringList &cells, QChar separator);

} // namespace classroom
