#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace journal {

class Journal;

// The lab report: title, pupil, class and date, the task if any, the formula,
// the table of checks, the summary with its formulas and the bench picture of
// the last check. The PDF file and the printer get the same document.
std::unique_ptr<QTextDocument> reportDocument(const Journal &journal);
QString reportTitle();

// Lays the report out on the device's pages (an A4 PDF writer, a printer).
void printReport(const Journal &journal, QPagedPaintDevice &device);

} // namespace journal
