#include "title_picture.h"

#include "picture_catalogue.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringView>

#include <algorithm>
#include <array>

namespace assets {

namespace {

// A line's ink, rim included: columns and rows inclusive, the first row of
// the lowercase letters' fill and the first row below the letters' fill.
struct LineBox {
    int left, right, top, bottom;
    int lowercaseTop, baseline;
};

// Each Russian line is fitted by hand so that, with a one-pixel rim, its ink
// fills its box exactly: above the baseline the tallest letter reaches the
// top, below it the deepest descender reaches the bottom.
struct RussianLine {
    QStringView text;
    LineBox box;
};
const std::array<RussianLine, 2> kRussian{{
    {u"Экспериментальное измерение", {2, 516, 1, 32, 8, 26}},
    {u"длины световой волны", {0, 387, 41, 70, 48, 66}},
}};

// Where a translated line may put its ink: a background pixel stays along
// the picture's edges, so nothing is ever cut off, and between the lines.
struct Room {
    int left, right, top, bottom;
};
constexpr std::array<Room, 2> kRoom{{{2, 516, 1, 36}, {2, 516, 38, 74}}};

// A long line is narrowed to this share of the Russian letters' width at
// most; past it, it gets smaller, so its letters keep the banner's look.
constexpr double kNarrowest = 0.8;

// The outline's left edge goes to `left`, its x scaled by `across`; y goes
// to baseline + y * (`up` above the baseline, `down` below it).
struct Placement {
    double left, baseline;
    double across, up, down;
};

// The rows the fill's gradient is pinned to.
struct Shading {
    double top, lowercaseTop, baseline, bottom;
};

// A line as it is painted: its placed outline and its shading.
struct SetLine {
    QPainterPath outline;
    Shading shading;
};

QPainterPath outline(QStringView text)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(34);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text.toString());
    return path;
}

Placement fitted(const LineBox &box, const QRectF &bounds)
{
    return {box.left + 1.0, double(box.baseline), (box.right - box.left - 1) / bounds.width(),
        (box.baseline - (box.top + 1)) / -bounds.top(), (box.bottom - box.baseline) / bounds.bottom()};
}

QPainterPath place(QPainterPath path, const Placement &at)
{
    const QRectF bounds = path.boundingRect();
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const double x = at.left + (e.x - bounds.left()) * at.across;
        const double y = at.baseline + e.y * (e.y < 0 ? at.up : at.down);
        path.setElementPositionAt(i, x, y);
    }
    return path;
}

// A translated line takes the letters' proportions of the Russian line in
// its place, left-aligned, on the same baseline and under the same shading.
SetLine translatedLine(QStringView text, std::size_t i)
{
    const LineBox &model = kRussian[i].box;
    const Placement russian = fitted(model, outline(kRussian[i].text).boundingRect());
    const Room &room = kRoom[i];
    const QPainterPath path = outline(text);
    const QRectF bounds = path.boundingRect();

    const double width = room.right - room.left - 1;
    const double narrowing = bounds.width() > 0 ? std::min(1.0, width / (bounds.width() * russian.across)) : 1.0;
    const double smaller = std::min(1.0, narrowing / kNarrowest);
    Placement at{room.left + 1.0, russian.baseline, russian.across * narrowing, russian.up * smaller,
        russian.down * smaller};
    // A letter taller or deeper than the Russian ones is pressed into the
    // line's room instead of touching the other line or the edge.
    if (bounds.top() < 0)
        at.up = std::min(at.up, (at.baseline - (room.top + 1)) / -bounds.top());
    if (bounds.bottom() > 0)
        at.down = std::min(at.down, (room.bottom - at.baseline) / bounds.bottom());

    const auto around = [&](int row) { return at.baseline + (row - at.baseline) * smaller; };
    return {place(path, at), {around(model.top), around(model.lowercaseTop), at.baseline, around(model.bottom)}};
}

SetLine russianLine(std::size_t i)
{
    const LineBox &box = kRussian[i].box;
    const QPainterPath path = outline(kRussian[i].text);
    return {place(path, fitted(box, path.boundingRect())),
        {double(box.top), double(box.lowercaseTop), double(box.baseline), double(box.bottom)}};
}

void paintLine(QPainter &p, const SetLine &line)
{
    const QPainterPath &placed = line.outline;
    const Shading &s = line.shading;
    p.setPen(QPen(QColor(250, 250, 254), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(placed);

    const double top = s.lowercaseTop, base = s.baseline;
    QLinearGradient g(0, s.top, 0, s.bottom);
    const auto at = [&](double y) { return (y - s.top) / (s.bottom - s.top); };
    g.setColorAt(0.0, QColor(128, 164, 214));
    g.setColorAt(at(top), QColor(100, 142, 198));
    g.setColorAt(at(top + 0.4 * (base - top)), QColor(6, 58, 150));
    g.setColorAt(at(base - 1), QColor(135, 172, 230));
    g.setColorAt(1.0, QColor(104, 146, 212));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(placed);
}

} // namespace

QImage drawTitlePicture(const QString &first, const QString &second)
{
    QImage img(pictureInfo(PictureId::pic_title).size, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const std::array<QStringView, 2> lines{first, second};
    for (std::size_t i = 0; i < lines.size(); ++i)
        paintLine(p, lines[i] == kRussian[i].text ? russianLine(i) : translatedLine(lines[i], i));
    return img;
}

QImage titlePicture(const QString &first, const QString &second)
{
    if (first == kRussian[0].text && second == kRussian[1].text)
        return picture(PictureId::pic_title);
    return drawTitlePicture(first, second);
}

} // namespace assets
