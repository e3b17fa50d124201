// All pictures on one page, keys applied over a checkerboard so that every
// transparent pixel shows, each labelled with its name and size.
#include "artwork.h"

#include "spectrum.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace artgen {

namespace {

QImage checkerboard(QSize size, int cell)
{
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, ((x / cell + y / cell) % 2) ? qRgb(204, 204, 204) : qRgb(250, 250, 250));
    return img;
}

QImage loadPicture(const QString &dir, const assets::PictureInfo &info)
{
    if (info.id == assets::PictureId::pic_spectrum)
        return bench::makeSpectrumStrip().convertToFormat(QImage::Format_RGB32);
    return QImage(QDir(dir).filePath(QLatin1StringView(info.name) + QStringLiteral(".png")))
        .convertToFormat(QImage::Format_RGB32);
}

QString label(const assets::PictureInfo &info, int scale)
{
    const QString key = info.key
        ? QStringLiteral("key %1,%2,%3").arg(qRed(*info.key)).arg(qGreen(*info.key)).arg(qBlue(*info.key))
        : QStringLiteral("opaque");
    return QStringLiteral("%1 %2x%3 %4%5")
        .arg(QLatin1StringView(info.name))
        .arg(info.size.width())
        .arg(info.size.height())
        .arg(key, scale > 1 ? QStringLiteral(" (x%1)").arg(scale) : QString());
}

} // namespace

QImage contactSheet(const QString &pictureDir)
{
    constexpr int kPageWidth = 1180, kGap = 16, kLabel = 18;
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(12);

    struct Cell {
        const assets::PictureInfo *info;
        QImage shown;
        QRect place;
        int scale;
    };
    std::vector<Cell> cells;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const assets::PictureInfo &info : assets::allPictures()) {
        const QImage rgb = loadPicture(pictureDir, info);
        QImage shown = assets::applyKey(rgb, info.key);
        // Small pictures are enlarged with whole pixels so single pixels show.
        const int scale = shown.width() <= 60 && shown.height() <= 60 ? 4 : shown.width() <= 300 ? 2 : 1;
        shown = shown.scaled(shown.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const int w = std::max(shown.width(), QFontMetrics(labelFont).horizontalAdvance(label(info, scale)));
        const int h = shown.height() + kLabel;
        if (x + w > kPageWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        cells.push_back({&info, shown, QRect(x, y, w, h), scale});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }

    QImage page(kPageWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    page.fill(qRgb(255, 255, 255));
    QPainter p(&page);
    p.setFont(labelFont);
    for (const Cell &c : cells) {
        const QRect pic(c.place.topLeft() + QPoint(0, kLabel), c.shown.size());
        p.drawImage(pic.topLeft(), checkerboard(pic.size(), 8));
        p.drawImage(pic.topLeft(), c.shown);
        p.setPen(Qt::black);
        p.drawText(c.place.topLeft() + QPoint(0, 13), label(*c.info, c.scale));
    }
    return page;
}

} // namespace artgen
