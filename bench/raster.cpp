#include "raster.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace bench {

int TFont::pixelHeight() const
{
    return int(std::lround(double(Size) * kLogicalDpi / 72.0));
}

namespace {

QFont qtFont(const TFont &font)
{
    QFont f(font.Name);
    f.setPixelSize(std::max(1, font.pixelHeight()));
    // Unsmoothed glyphs: smoothing would put stray shades (possibly the
    // exact curve grey) into pixels the renderer reads back.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace

TBitmap::TBitmap(int width, int height) : image_(width, height, QImage::Format_RGB32), canvas_(&image_)
{
    image_.fill(qRgb(255, 255, 255));
}

TRect TCanvas::ClipRect() const
{
    return TRect{0, 0, image_->width(), image_->height()};
}

void TCanvas::FillRect(const TRect &rect)
{
    const int left = std::max(rect.Left, 0);
    const int top = std::max(rect.Top, 0);
    const int right = std::min(rect.Right, image_->width());
    const int bottom = std::min(rect.Bottom, image_->height());
    if (left >= right || top >= bottom)
        return;
    const QRgb colour = toQRgb(Brush.Color);
    for (int y = top; y < bottom; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image_->scanLine(y));
        std::fill(row + left, row + right, colour);
    }
}

void TCanvas::LineTo(int x, int y)
{
    if (Pen.width() > 1) {
        wideLineTo(x, y);
        PenPos = QPoint(x, y);
        return;
    }
    // Midpoint (Bresenham) walk along the longer axis, one pixel per step,
    // end point left out. 64-bit so that far-off end points cannot overflow.
    std::int64_t x0 = PenPos.x(), y0 = PenPos.y();
    const std::int64_t dx = std::llabs(std::int64_t(x) - x0), dy = std::llabs(std::int64_t(y) - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    const QRgb colour = toQRgb(Pen.Color);
    const int w = image_->width(), h = image_->height();
    auto plot = [&](std::int64_t px, std::int64_t py) {
        if (px >= 0 && py >= 0 && px < w && py < h)
            reinterpret_cast<QRgb *>(image_->scanLine(int(py)))[px] = colour;
    };
    if (dx >= dy) {
        std::int64_t err = 2 * dy - dx;
        for (std::int64_t i = 0; i < dx; ++i) {
            plot(x0, y0);
            if (err > 0) {
                y0 += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x0 += sx;
        }
    } else {
        std::int64_t err = 2 * dx - dy;
        for (std::int64_t i = 0; i < dy; ++i) {
            plot(x0, y0);
            if (err > 0) {
                x0 += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y0 += sy;
        }
    }
    PenPos = QPoint(x, y);
}

void TCanvas::wideLineTo(int x, int y)
{
    // Pixels whose centres lie within half the pen width of the segment:
    // a capsule with round caps that reaches beyond both end points.
    const double half = Pen.width() / 2.0;
    const double ax = PenPos.x(), ay = PenPos.y(), bx = x, by = y;
    const double reach = Pen.width();
    // Clamped as doubles first: the end points may lie far off the raster.
    auto span = [](double lo, double hi, int size) {
        return std::pair<int, int>(int(std::clamp(lo, -1.0, double(size))), int(std::clamp(hi, -1.0, double(size))));
    };
    const auto [l, r] = span(std::min(ax, bx) - reach, std::max(ax, bx) + reach, image_->width());
    const auto [t, b] = span(std::min(ay, by) - reach, std::max(ay, by) + reach, image_->height());
    const int left = std::max(l, 0), right = std::min(r, image_->width() - 1);
    const int top = std::max(t, 0), bottom = std::min(b, image_->height() - 1);
    const double vx = bx - ax, vy = by - ay;
    const double lengthSquared = vx * vx + vy * vy;
    const double limit = half * half;
    const QRgb colour = toQRgb(Pen.Color);
    for (int py = top; py <= bottom; ++py) {
        QRgb *row = reinterpret_cast<QRgb *>(image_->scanLine(py));
        for (int px = left; px <= right; ++px) {
            double t = lengthSquared > 0 ? ((px - ax) * vx + (py - ay) * vy) / lengthSquared : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = ax + t * vx - px, ey = ay + t * vy - py;
            if (ex * ex + ey * ey <= limit)
                row[px] = colour;
        }
    }
}

int TCanvas::TextWidth(const QString &text) const
{
    return QFontMetrics(qtFont(Font)).horizontalAdvance(text);
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    if (text.isEmpty()) {
        PenPos = QPoint(x, y);
        return;
    }
    const QFont font = qtFont(Font);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    {
        QPainter painter(image_);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(QRect(x, y, width, metrics.height()), QColor(toQRgb(Brush.Color)));
        painter.setFont(font);
        painter.setPen(QColor(toQRgb(Font.Color)));
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
    }
    PenPos = QPoint(x + width, y);
}

namespace {

// Copies `source` to (x, y), leaving out pixels equal to `key` when given.
void blit(QImage &target, int x, int y, const QImage &source, std::optional<QRgb> key)
{
    const int sx0 = std::max(0, -x), sy0 = std::max(0, -y);
    const int sx1 = std::min(source.width(), target.width() - x);
    const int sy1 = std::min(source.height(), target.height() - y);
    if (sx0 >= sx1 || sy0 >= sy1)
        return;
    const bool rgb32 = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32;
    const QImage converted = rgb32 ? QImage() : source.convertToFormat(QImage::Format_RGB32);
    const QImage &src = rgb32 ? source : converted;
    for (int sy = sy0; sy < sy1; ++sy) {
        const QRgb *in = reinterpret_cast<const QRgb *>(src.constScanLine(sy));
        QRgb *out = reinterpret_cast<QRgb *>(target.scanLine(y + sy)) + x;
        if (!key) {
            for (int sx = sx0; sx < sx1; ++sx)
                out[sx] = in[sx] | 0xff000000u;
            continue;
        }
        const QRgb k = *key & 0x00ffffffu;
        for (int sx = sx0; sx < sx1; ++sx) {
            if ((in[sx] & 0x00ffffffu) != k)
                out[sx] = in[sx] | 0xff000000u;
        }
    }
}

} // namespace

void TCanvas::Draw(int x, int y, const TBitmap &source)
{
    std::optional<QRgb> key;
    // The key is whatever the bottom-left pixel holds right now.
    if (source.Transparent)
        key = toQRgb(source.Canvas().Pixel(0, source.Height() - 1));
    blit(*image_, x, y, source.image(), key);
}

void TCanvas::Draw(int x, int y, const QImage &picture, std::optional<TColor> key)
{
    if (picture.isNull())
        return;
    blit(*image_, x, y, picture, key ? std::optional<QRgb>(toQRgb(*key)) : std::nullopt);
}

} // namespace bench
