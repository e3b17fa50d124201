#include "answer_key_pdf.h"

#include "task_texts.h"
#include "teacher_texts.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// In points; fonts are sized in pixels of the painter scaled to points, so
// that they do not grow twice on a printer's finer dots.
constexpr int kPageWidth = 595;
constexpr int kPageHeight = 842;
constexpr int kMargin = 36;
constexpr int kTitleBaseline = 64;
constexpr int kHeaderBaseline = 86;
constexpr int kTableTop = 104;
constexpr int kRowHeight = 20;
constexpr int kRowsPerColumn = 33;   // 99 variants fit in three columns
constexpr int kMaxColumnWidth = 200; // a short key keeps its cells together
constexpr int kRowsPerPage = (kPageHeight - kMargin - kTableTop) / kRowHeight - 1;

struct Layout {
    std::vector<QString> headings;
    std::vector<double> starts; // as parts of a column's width
};

// Functions, not constants: the headings follow the language chosen at start.
Layout layoutWithoutNames()
{
    return {
        {TeacherText::tr("Вариант"), TeacherText::tr("λ, нм"), TeacherText::tr("Элемент"), TeacherText::tr("Символ")},
        {0.0, 0.25, 0.44, 0.78}};
}

Layout layoutWithNames()
{
    return {{TeacherText::tr("Вариант"), TeacherText::tr("Ученик"), TeacherText::tr("λ, нм"),
                TeacherText::tr("Элемент"), TeacherText::tr("Символ")},
        {0.0, 0.11, 0.62, 0.73, 0.9}};
}

std::vector<QString> cells(const classroom::KeyRow &row, bool withNames)
{
    std::vector<QString> c{QString::number(row.variant)};
    if (withNames)
        c.push_back(row.pupil);
    c.insert(c.end(), {QString::number(row.line.nm), bench::elementName(row.line), row.line.symbol.toString()});
    return c;
}

void drawRow(QPainter &painter, const Layout &layout, int left, int width, int top, const std::vector<QString> &texts)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        const int x = left + int(layout.starts[i] * width);
        const int end = i + 1 < texts.size() ? left + int(layout.starts[i + 1] * width) - 4 : left + width;
        painter.drawText(QRect(x, top, end - x, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(texts[i], Qt::ElideRight, end - x));
    }
}

void drawHeader(QPainter &painter, QFont font, const classroom::ClassroomTask &task)
{
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(kMargin, kTitleBaseline, TeacherText::tr("Ключ ответов: %1").arg(task.title));
    font.setPixelSize(11);
    font.setBold(false);
    painter.setFont(font);
    const QString date = task.created.toString(u"dd.MM.yyyy"_s);
    const QString line = task.form.isEmpty()
        ? TeacherText::tr("Код задания %1    Дата %2").arg(task.code, date)
        : TeacherText::tr("Класс %1    Код задания %2    Дата %3").arg(task.form, task.code, date);
    painter.drawText(kMargin, kHeaderBaseline, line);
}

// The rows from first on, in columns of rowsPerColumn side by side.
void drawTable(QPainter &painter, QFont font, const Layout &layout, const std::vector<classroom::KeyRow> &rows,
    size_t first, size_t count, int columns, int width, int rowsPerColumn)
{
    const bool withNames = layout.headings.size() == 5;
    for (int c = 0; c < columns; ++c) {
        const int left = kMargin + c * width;
        font.setPixelSize(9);
        font.setBold(true);
        painter.setFont(font);
        drawRow(painter, layout, left, width, kTableTop, layout.headings);
        painter.drawLine(left, kTableTop + kRowHeight, left + width - 12, kTableTop + kRowHeight);
        font.setBold(false);
        font.setPixelSize(10);
        painter.setFont(font);
        const size_t from = first + size_t(c * rowsPerColumn);
        for (size_t i = from; i < std::min(first + count, from + size_t(rowsPerColumn)); ++i)
            drawRow(painter, layout, left, width, kTableTop + kRowHeight * int(i - from + 1),
                cells(rows[i], withNames));
    }
}

} // namespace

QByteArray answerKeyPdf(const classroom::ClassroomTask &task, const std::vector<classroom::KeyRow> &rows)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setTitle(TeacherText::tr("Ключ ответов: %1, код %2").arg(task.title, task.code));
    writer.setCreator(u"gratinglab"_s);
    paintAnswerKey(writer, task, rows);
    return bytes;
}

void paintAnswerKey(QPagedPaintDevice &device, const classroom::ClassroomTask &task,
    const std::vector<classroom::KeyRow> &rows)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&device);
    // Everything is laid out in points; a printer has more dots to the point.
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    const QFont font(u"Arial"_s);
    const bool withNames = std::any_of(rows.begin(), rows.end(), [](const auto &r) { return !r.pupil.isEmpty(); });
    if (!withNames) {
        drawHeader(painter, font, task);
        const int columns = std::max<int>(1, int((rows.size() + kRowsPerColumn - 1) / kRowsPerColumn));
        const int width = std::min(kMaxColumnWidth, (kPageWidth - 2 * kMargin) / columns);
        drawTable(painter, font, layoutWithoutNames(), rows, 0, rows.size(), columns, width, kRowsPerColumn);
    } else {
        for (size_t first = 0; first < rows.size(); first += kRowsPerPage) {
            if (first > 0)
                device.newPage();
            drawHeader(painter, font, task);
            drawTable(painter, font, layoutWithNames(), rows, first,
                std::min<size_t>(kRowsPerPage, rows.size() - first), 1, kPageWidth - 2 * kMargin, kRowsPerPage);
        }
    }
}
