// The small control pictures: pointer, spinner glyphs, wavelength arrows,
// angle arcs and the lens. Mostly set pixel by pixel, since their pixels are
// fixed exactly.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace artgen {

using assets::PictureId;

namespace {

void hline(QImage &img, int y, int x0, int x1, QRgb c)
{
    for (int x = x0; x <= x1; ++x)
        img.setPixel(x, y, c);
}

} // namespace

QImage drawPointer()
{
    QImage img = blankPicture(PictureId::pic_pointer, QColor(255, 0, 255));
    const QRgb black = qRgb(0, 0, 0);
    const QRgb light = qRgb(243, 243, 243);
    for (int y = 0; y <= 6; ++y)
        img.setPixel(2, y, black);
    img.setPixel(1, 7, black);
    img.setPixel(2, 7, light);
    img.setPixel(3, 7, black);
    img.setPixel(0, 8, qRgb(128, 128, 128));
    hline(img, 8, 1, 3, light);
    img.setPixel(4, 8, qRgb(128, 128, 128));
    for (int y = 9; y <= 14; ++y) {
        img.setPixel(0, y, black);
        hline(img, y, 1, 3, light);
        img.setPixel(4, y, black);
    }
    hline(img, 15, 1, 3, black);
    return img;
}

QImage drawSpin(bool up)
{
    QImage img = blankPicture(up ? PictureId::pic_spin_up : PictureId::pic_spin_down, QColor(128, 128, 0));
    // Row 1 holds the tip of the up triangle and the base of the down one.
    for (int i = 0; i < 4; ++i) {
        const int y = up ? 1 + i : 4 - i;
        hline(img, y, 4 - i, 4 + i, qRgb(0, 0, 0));
    }
    return img;
}

// Drawn as the left arrow; the right one is its mirror, chevron and shading
// included, which puts the chevron exactly where the right arrow wants it.
QImage drawArrow(bool left, bool pressed)
{
    const PictureId id = pressed ? PictureId::pic_left_pressed : PictureId::pic_left_released;
    QImage img = blankPicture(id, Qt::white);
    const int w = img.width(), h = img.height();

    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            QRgb face;
            if (pressed) {
                face = mix(qRgb(138, 166, 238), qRgb(156, 175, 237), double(y - 1) / (h - 3));
            } else {
                // Pale towards the top and the pointed-to (left) side.
                const double t = 0.55 * (y - 1) / (h - 3) + 0.45 * (x - 1) / (w - 3);
                face = mix(qRgb(219, 237, 252), qRgb(195, 222, 250), t);
                if (y == 1 || x == 1)
                    face = mix(face, qRgb(226, 241, 253), 0.6);
                if (y == h - 2 || x == w - 2)
                    face = mix(face, qRgb(187, 214, 246), 0.6);
            }
            img.setPixel(x, y, face);
        }

    const QRgb lit = pressed ? qRgb(134, 145, 216) : qRgb(150, 173, 227);   // top, left
    const QRgb shade = pressed ? qRgb(182, 200, 240) : qRgb(150, 173, 227); // bottom, right
    hline(img, 0, 1, w - 2, lit);
    hline(img, h - 1, 1, w - 2, shade);
    for (int y = 1; y < h - 1; ++y) {
        img.setPixel(0, y, lit);
        img.setPixel(w - 1, y, shade);
    }
    // Slightly rounded corners: lighter than the border next to them.
    const QRgb paper = qRgb(236, 240, 248);
    const QRgb corner = qRgb(198, 210, 232);
    img.setPixel(0, 0, pressed ? mix(lit, paper, 0.45) : corner);
    img.setPixel(w - 1, 0, pressed ? mix(mix(lit, shade, 0.5), paper, 0.45) : corner);
    img.setPixel(0, h - 1, pressed ? mix(mix(lit, shade, 0.5), paper, 0.45) : corner);
    img.setPixel(w - 1, h - 1, pressed ? mix(shade, paper, 0.45) : corner);

    const QRgb ink = pressed ? qRgb(70, 90, 126) : qRgb(78, 98, 134);
    static constexpr int kChevron[7][2] = {{10, 10}, {9, 10}, {8, 10}, {7, 9}, {8, 10}, {9, 10}, {10, 10}};
    for (int i = 0; i < 7; ++i)
        hline(img, 9 + i, kChevron[i][0], kChevron[i][1], ink);

    return left ? img : img.mirrored(true, false);
}

QImage drawArc(bool up)
{
    QImage img = blankPicture(PictureId::pic_arc_up, Qt::black);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(238, 238, 226), 1.35));
        p.setBrush(Qt::NoBrush);
        const double r = 62.5;
        p.drawEllipse(QPointF(-45.0, 42.5), r, r);
    }
    return up ? img : img.mirrored(false, true);
}

namespace {

// Half-width of the lens at a distance d rows from its middle row: flat over
// the middle third, then a cubic taper to a 3-pixel point.
double lensHalfWidth(int d)
{
    constexpr double kTip = 153.0;
    if (d > kTip)
        return 0.0;
    const double u = d / kTip;
    return 1.5 + 11.0 * (1.0 - u * u * u);
}

double overlap(double a0, double a1, double b0, double b1)
{
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

// Coverage in eighths keeps the lens within its small palette.
double quantised(double coverage)
{
    return std::round(coverage * 8.0) / 8.0;
}

} // namespace

QImage drawLens()
{
    const QRgb background = qRgb(2, 2, 2);
    const QRgb pale = qRgb(230, 234, 246);
    const QRgb steel = qRgb(194, 210, 238);
    const QRgb rimLeft = qRgb(234, 234, 234);
    const QRgb rimRight = qRgb(254, 254, 254);
    constexpr double kCentreX = 13.5; // middle of column 13
    constexpr int kCentreY = 163;

    QImage img = blankPicture(PictureId::pic_lens, QColor(background));
    for (int y = 0; y < img.height(); ++y) {
        const double hw = lensHalfWidth(std::abs(y - kCentreY));
        if (hw <= 0.0)
            continue;
        const double left = kCentreX - hw, right = kCentreX + hw;
        for (int x = 0; x < img.width(); ++x) {
            const double rimL = quantised(overlap(x, x + 1, left, left + 1));
            const double rimR = quantised(overlap(x, x + 1, right - 1, right));
            const double fill = quantised(overlap(x, x + 1, left + 1, right - 1));
            const double outside = 1.0 - rimL - rimR - fill;
            if (outside >= 1.0)
                continue;
            // The fill brightens towards the left edge and is steel blue from
            // the middle on; steps of a twelfth keep the palette small.
            const double t = std::clamp((x + 0.5 - left) / (kCentreX - left), 0.0, 1.0);
            const QRgb fillColour = mix(pale, steel, std::round(t * 12.0) / 12.0);
            const auto channel = [&](int shift) {
                const auto get = [shift](QRgb c) { return double((c >> shift) & 0xff); };
                const double v = get(background) * std::max(0.0, outside) + get(rimLeft) * rimL + get(rimRight) * rimR
                    + get(fillColour) * fill;
                return std::clamp(int(std::lround(v)), 0, 255);
            };
            img.setPixel(x, y, qRgb(channel(16), channel(8), channel(0)));
        }
    }
    return img;
}

} // namespace artgen
