#pragma once

#include "class_results.h"
#include "classroom_task.h"

#include <QByteArray>
#include <QDate>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

// The class report: the task's title, class, code and date, the table of
// pupils (the mark column only when shown), how many solved it, the mark
// rule, and the files that were not counted with their reason. The PDF
// file (A4) and the printer get the same document.
std::unique_ptr<QTextDocument> classReportDocument(const classroom::ClassroomTask &task,
    const classroom::ClassResults &results, bool withMarks, const QDate &date);
QByteArray classReportPdf(const classroom::ClassroomTask &task, const classroom::ClassResults &results, bool withMarks,
    const QDate &date);
void printClassReport(const classroom::ClassroomTask &task, const classroom::ClassResults &results, bool withMarks,
    const QDate &date, QPagedPaintDevice &device);
