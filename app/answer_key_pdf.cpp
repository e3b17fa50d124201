#include "answer_key_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// In points: the writer is set to 72 dpi.
constexpr int kPageWidth = 595;
constexpr int kMargin = 36;
constexpr int kTitleBaseline = 70;
constexpr int kTableTop = 100;
constexpr int kRowHeight = 20;
constexpr int kRowsPerColumn = 33; // 99 variants fit in three columns
constexpr int kMaxColumnWidth = 200; // a short key keeps its cells together
// Variant, wavelength, element, symbol, as parts of a column's width.
constexpr std::array<double, 4> kCellStarts{0.0, 0.25, 0.44, 0.78};

void drawRow(QPainter &painter, int left, int width, int top, const std::array<QString, 4> &cells)
{
    for (size_t i = 0; i < cells.size(); ++i) {
        const int x = left + int(kCellStarts[i] * width);
        painter.drawText(QRect(x, top, width, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
    }
}

} // namespace

QByteArray answerKeyPdf(const QString &code, const std::vector<bench::AnswerKeyRow> &rows)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const QString title = u"Ключ ответов: контрольное задание «%1»"_s.arg(code);
    writer.setTitle(title);
    writer.setCreator(u"gratinglab"_s);

    QPainter painter(&writer);
    QFont font(u"Arial"_s);
    font.setPointSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(kMargin, kTitleBaseline, title);

    const int columns = std::max<int>(1, int((rows.size() + kRowsPerColumn - 1) / kRowsPerColumn));
    const int width = std::min(kMaxColumnWidth, (kPageWidth - 2 * kMargin) / columns);
    for (int c = 0; c < columns; ++c) {
        const int left = kMargin + c * width;
        font.setPointSize(9);
        painter.setFont(font);
        drawRow(painter, left, width, kTableTop, {u"Вариант"_s, u"λ, нм"_s, u"Элемент"_s, u"Символ"_s});
        painter.drawLine(left, kTableTop + kRowHeight, left + width - 12, kTableTop + kRowHeight);
        font.setBold(false);
        font.setPointSize(10);
        painter.setFont(font);
        const size_t first = size_t(c * kRowsPerColumn);
        for (size_t i = first; i < std::min(rows.size(), first + kRowsPerColumn); ++i) {
            const bench::AnswerKeyRow &row = rows[i];
            drawRow(painter, left, width, kTableTop + kRowHeight * int(i - first + 1),
                    {QString::number(row.variant), QString::number(row.line.nm), row.line.element.toString(),
                     row.line.symbol.toString()});
        }
        font.setBold(true);
    }
    painter.end();
    return bytes;
}
