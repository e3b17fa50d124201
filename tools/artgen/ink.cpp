#include "ink.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace artgen {

InkLayer::InkLayer(int width, int height) : w_(width), h_(height), cov_(std::size_t(width * height * 3), 0.0f)
{
}

QFont serifItalic(double pixelSize, bool bold)
{
    // Of the installed serifs these come closest to the letter widths the
    // formulas were set with, so the fitted letters keep their proportions.
    QFont font(bold ? QStringLiteral("Liberation Serif") : QStringLiteral("DejaVu Serif"));
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setItalic(true);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void InkLayer::glyph(const QString &text, const QFont &font, QRect box, bool subpixel)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    addPath(path, box, subpixel);
}

void InkLayer::dot(QRect box, bool subpixel)
{
    QPainterPath path;
    path.addEllipse(QRectF(0, 0, 1, 1));
    addPath(path, box, subpixel);
}

void InkLayer::bar(QRect box)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            for (int c = 0; c < 3; ++c)
                at(c, x, y) = 1.0f;
}

void InkLayer::addPath(const QPainterPath &path, QRect box, bool subpixel)
{
    // Sub-pixel ink is rasterised at three samples per pixel, one for each
    // of the red, green and blue stripes of a screen pixel.
    const int samples = subpixel ? 3 : 1;
    const QRectF bounds = path.boundingRect();
    if (qEnvironmentVariableIsSet("ARTGEN_VERBOSE"))
        qInfo("ink box %d,%d %dx%d: stretched %.2f x %.2f", box.left(), box.top(), box.width(), box.height(),
            box.width() / bounds.width(), box.height() / bounds.height());
    QImage mask(w_ * samples, h_, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(samples, 1.0);
        p.translate(box.left(), box.top());
        p.scale((box.width()) / bounds.width(), (box.height()) / bounds.height());
        p.translate(-bounds.left(), -bounds.top());
        p.fillPath(path, Qt::white);
    }
    const auto sample = [&](int s, int y) {
        if (s < 0 || s >= mask.width())
            return 0.0f;
        return qAlpha(mask.pixel(s, y)) / 255.0f;
    };
    // Coverage never leaves the box, so a letter's ink stays where it was put.
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            for (int c = 0; c < 3; ++c) {
                float v;
                if (subpixel) {
                    const int s = x * 3 + c;
                    v = (sample(s - 1, y) + sample(s, y) + sample(s + 1, y)) / 3.0f;
                } else {
                    v = sample(x, y);
                }
                float &slot = at(c, x, y);
                slot = std::min(1.0f, slot + v);
            }
}

QImage InkLayer::compose(QRgb ink, QRgb paper, double gamma) const
{
    QImage img(w_, h_, QImage::Format_RGB32);
    const auto channel = [&](int c, QRgb colour) {
        return c == 0 ? qRed(colour) : c == 1 ? qGreen(colour) : qBlue(colour);
    };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            int v[3];
            for (int c = 0; c < 3; ++c) {
                const double k = std::pow(double(at(c, x, y)), gamma);
                const double p = channel(c, paper), i = channel(c, ink);
                v[c] = int(std::lround(p + (i - p) * k));
            }
            img.setPixel(x, y, qRgb(v[0], v[1], v[2]));
        }
    return img;
}

} // namespace artgen
