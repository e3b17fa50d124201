#include "report.h"

#include "journal.h"
#include "journal_texts.h"
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
    QString html = JournalTexts::tr("<p>Ученик: %1<br>Класс: %2<br>Дата: %3</p>")
                       .arg(escaped(p.pupil), escaped(p.form), journal.now().date().toString(u"dd.MM.yyyy"_s));
    if (!p.taskCode.isEmpty() || !p.variant.isEmpty())
        html += JournalTexts::tr("<p>Задание: код %1, вариант %2</p>").arg(escaped(p.taskCode), escaped(p.variant));
    return html;
}

} // namespace

QString reportTitle()
{
    return JournalTexts::tr("Отчёт о лабораторной работе «Измерение длины световой волны»");
}

std::unique_ptr<QTextDocument> reportDocument(const Journal &journal)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(u"Arial"_s, 10));
    QString html = u"<h2 align=\"center\">"_s + escaped(reportTitle()) + u"</h2>"_s + headingHtml(journal)
        + JournalTexts::tr("<p>Расчётная формула: λ = d·y/(k·F), где d — период решётки, y — расстояние от центра до "
                           "максимума k-го порядка, F = 50 см — фокусное расстояние линзы.</p>")
        + u"<h3>%1</h3>"_s.arg(JournalTexts::tr("Измерения")) + tableHtml(journal.model())
        + u"<h3>%1</h3>"_s.arg(JournalTexts::tr("Итоги"))
        + summaryHtml(summarize(journal.model().rows()), journal.model().format()) + formulasHtml();
    if (!journal.lastBench().isNull()) {
        document->addResource(QTextDocument::ImageResource, QUrl(kBenchPicture), journal.lastBench());
        html += u"<h3>%1</h3>"_s.arg(JournalTexts::tr("Стенд при последней проверке")) + u"<p><img src=\""_s
            + kBenchPicture + u"\" width=\""_s + QString::number(kBenchWidth) + u"\"></p>"_s;
    }
    document->setHtml(html);
    return document;
}

void printReport(const Journal &journal, QPagedPaintDevice &device)
{
    reportDocument(journal)->print(&device);
}

} // namespace journal
