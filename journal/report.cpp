#include "report.h"

#include "journal.h"
#include "summary.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace journal {

namespace {

const QString kBenchPicture = u"bench.png"_s;
// At the report's 96 dots per inch: 16 cm, inside an A4 page's margins.
constexpr int kBenchWidth = 605;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString tableHtml(const JournalModel &model)
{
    QString html = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>"_s;
    for (int c = 0; c < kColumnCount; ++c)
        html += u"<th>"_s + escaped(headerText(Column(c))) + u"</th>"_s;
    html += u"</tr>"_s;
    for (int r = 0; r < model.rowCount(); ++r) {
        html += u"<tr>"_s;
        for (int c = 0; c < kColumnCount; ++c)
            html += u"<td align=\"center\">"_s + escaped(model.cellText(r, Column(c))) + u"</td>"_s;
        html += u"</tr>"_s;
    }
    return html + u"</table>"_s;
}

QString headingHtml(const Journal &journal)
{
    const PupilData &p = journal.pupil();
    QString html = u"<p>Ученик: "_s + escaped(p.pupil) + u"<br>Класс: "_s + escaped(p.form) + u"<br>Дата: "_s
        + journal.now().date().toString(u"dd.MM.yyyy"_s) + u"</p>"_s;
    if (!p.taskCode.isEmpty() || !p.variant.isEmpty())
        html += u"<p>Задание: код "_s + escaped(p.taskCode) + u", вариант "_s + escaped(p.variant) + u"</p>"_s;
    return html;
}

} // namespace

QString reportTitle()
{
    return u"Отчёт о лабораторной работе «Измерение длины световой волны»"_s;
}

std::unique_ptr<QTextDocument> reportDocument(const Journal &journal)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(u"Arial"_s, 10));
    QString html = u"<h2 align=\"center\">"_s + escaped(reportTitle()) + u"</h2>"_s + headingHtml(journal)
        + u"<p>Расчётная формула: λ = d·y/(k·F), где d — период решётки, y — расстояние от центра до "
          u"максимума k-го порядка, F = 50 см — фокусное расстояние линзы.</p>"
          u"<h3>Измерения</h3>"_s
        + tableHtml(journal.model()) + u"<h3>Итоги</h3>"_s
        + summaryHtml(summarize(journal.model().rows()), journal.model().format()) + formulasHtml();
    if (!journal.lastBench().isNull()) {
        document->addResource(QTextDocument::ImageResource, QUrl(kBenchPicture), journal.lastBench());
        html += u"<h3>Стенд при последней проверке</h3><p><img src=\""_s + kBenchPicture + u"\" width=\""_s
            + QString::number(kBenchWidth) + u"\"></p>"_s;
    }
    document->setHtml(html);
    return document;
}

void printReport(const Journal &journal, QPagedPaintDevice &device)
{
    reportDocument(journal)->print(&device);
}

} // namespace journal
