#include "class_report_pdf.h"

#include "class_results_texts.h"
#include "mark_rule.h"
#include "teacher_texts.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using classroom::ResultColumn;

namespace {

// The address column stays in the window and the CSV: twelve columns do
// not fit across an A4 page.
bool onPaper(ResultColumn column, bool withMarks)
{
    return column != ResultColumn::Id && (withMarks || column != ResultColumn::Mark);
}

// Parts of the page's width in per cent: the names get the room, numbers little.
int widthOf(ResultColumn column)
{
    switch (column) {
    case ResultColumn::Pupil:
        return 16;
    case ResultColumn::Note:
        return 13;
    case ResultColumn::ChecksToRight:
        return 10;
    case ResultColumn::Checks:
    case ResultColumn::Hints:
    case ResultColumn::FirstRight:
        return 9;
    case ResultColumn::Line:
        return 6;
    default:
        return 7;
    }
}

QString tableHtml(const classroom::ClassResults &results, bool withMarks)
{
    QString html = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>"_s;
    for (int c = 0; c < classroom::kResultColumnCount; ++c) {
        if (onPaper(ResultColumn(c), withMarks))
            html += u"<th width=\"%1%\" style=\"font-size: 7pt\">"_s.arg(widthOf(ResultColumn(c)))
                + classroom::resultColumnTitle(ResultColumn(c)).toHtmlEscaped() + u"</th>"_s;
    }
    html += u"</tr>"_s;
    for (const classroom::PupilRow &row : results.rows) {
        html += u"<tr>"_s;
        for (int c = 0; c < classroom::kResultColumnCount; ++c) {
            const auto column = ResultColumn(c);
            if (!onPaper(column, withMarks))
                continue;
            const QString align = column == ResultColumn::Pupil || column == ResultColumn::Note
                ? u"left"_s
                : u"center"_s;
            html += u"<td align=\""_s + align + u"\">"_s + classroom::resultCellText(row, column).toHtmlEscaped()
                + u"</td>"_s;
        }
        html += u"</tr>"_s;
    }
    return html + u"</table>"_s;
}

QString misfitsHtml(const classroom::ClassResults &results)
{
    if (results.misfits.empty())
        return {};
    QString html = TeacherText::tr("<h3>Файлы, которые не учтены</h3><ul>");
    for (const classroom::MisfitFile &m : results.misfits) {
        html += u"<li>"_s + QFileInfo(m.path).fileName().toHtmlEscaped() + u" — "_s + m.reason.toHtmlEscaped()
            + u"<br><small>"_s + QDir::toNativeSeparators(QFileInfo(m.path).path()).toHtmlEscaped()
            + u"</small></li>"_s;
    }
    return html + u"</ul>"_s;
}

} // namespace

std::unique_ptr<QTextDocument> classReportDocument(const classroom::ClassroomTask &task,
    const classroom::ClassResults &results, bool withMarks, const QDate &date)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(u"Arial"_s, 9));
    QString heading = task.form.isEmpty() ? QString() : TeacherText::tr("Класс: %1<br>").arg(task.form.toHtmlEscaped());
    heading += TeacherText::tr("Код задания: %1<br>Дата: %2")
                   .arg(task.code.toHtmlEscaped(), date.toString(u"dd.MM.yyyy"_s));
    const auto solved = std::count_if(results.rows.begin(), results.rows.end(),
        [](const classroom::PupilRow &r) { return r.solved(); });
    QString html = TeacherText::tr("<h2 align=\"center\">Результаты класса: %1</h2>").arg(task.title.toHtmlEscaped())
        + u"<p>"_s + heading + u"</p>"_s + tableHtml(results, withMarks)
        + TeacherText::tr("<p>Решили верно: %1 из %2.</p>").arg(solved).arg(results.rows.size());
    if (withMarks)
        html += u"<p>"_s + classroom::markRuleText().toHtmlEscaped() + u"</p>"_s;
    document->setHtml(html + misfitsHtml(results));
    return document;
}

QByteArray classReportPdf(const classroom::ClassroomTask &task, const classroom::ClassResults &results, bool withMarks,
    const QDate &date)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(TeacherText::tr("Результаты класса: %1, код %2").arg(task.title, task.code));
    writer.setCreator(u"gratinglab"_s);
    printClassReport(task, results, withMarks, date, writer);
    return bytes;
}

void printClassReport(const classroom::ClassroomTask &task, const classroom::ClassResults &results, bool withMarks,
    const QDate &date, QPagedPaintDevice &device)
{
    classReportDocument(task, results, withMarks, date)->print(&device);
}
