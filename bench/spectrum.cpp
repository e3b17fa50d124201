#include "spectrum.h"

#include "wavelength_slider.h"

#include <cmath>
#include <iterator>

namespace bench {

namespace {

struct KeyColour {
    int column;
    int r, g, b;
};

// The strip's given colours: its edges and bands, and every 10 nm from 380
// (column 3) to 760 (column 383). Columns between them lie on straight lines.
constexpr KeyColour kKeys[] = {
    {0, 171, 0, 171},
    {1, 169, 0, 169},
    {2, 174, 0, 174},
    {3, 182, 0, 182},
    {13, 247, 0, 244},
    {15, 249, 0, 252},
    {23, 188, 0, 248},
    {25, 172, 0, 249},
    {33, 125, 0, 249},
    {43, 53, 0, 249},
    {52, 1, 1, 248},
    {53, 0, 4, 248},
    {63, 0, 51, 249},
    {73, 0, 102, 249},
    {83, 0, 150, 249},
    {93, 0, 200, 250},
    {103, 0, 248, 250},
    {104, 0, 251, 250},
    {113, 0, 248, 210},
    {123, 0, 248, 165},
    {133, 0, 248, 122},
    {143, 0, 248, 76},
    {145, 0, 248, 66},
    {153, 0, 247, 32},
    {162, 0, 247, 0},
    {163, 4, 248, 0},
    {173, 52, 248, 0},
    {183, 100, 249, 0},
    {193, 147, 248, 0},
    {203, 195, 249, 0},
    {213, 242, 247, 0},
    {215, 250, 249, 0},
    {218, 249, 250, 0},
    {221, 248, 238, 0},
    {223, 248, 220, 0},
    {233, 248, 146, 0},
    {243, 247, 59, 0},
    {252, 248, 0, 0},
    {253, 249, 0, 0},
    {263, 248, 0, 0},
    {273, 249, 0, 0},
    {283, 249, 0, 0},
    {293, 250, 0, 0},
    {300, 248, 0, 0},
    {303, 242, 0, 0},
    {313, 228, 0, 0},
    {323, 211, 0, 0},
    {333, 196, 0, 0},
    {343, 179, 0, 0},
    {353, 162, 0, 0},
    {363, 147, 0, 0},
    {373, 130, 0, 0},
    {383, 114, 0, 0},
    {384, 112, 0, 0},
};

int lerp(int a, int b, int num, int den)
{
    return int(std::lround(a + double(b - a) * num / den));
}

QRgb baseColour(int column)
{
    for (size_t i = 0; i + 1 < std::size(kKeys); ++i) {
        const KeyColour &a = kKeys[i], &b = kKeys[i + 1];
        if (column == a.column)
            return qRgb(a.r, a.g, a.b);
        if (column > a.column && column < b.column) {
            const int num = column - a.column, den = b.column - a.column;
            return qRgb(lerp(a.r, b.r, num, den), lerp(a.g, b.g, num, den), lerp(a.b, b.b, num, den));
        }
    }
    const KeyColour &last = kKeys[std::size(kKeys) - 1];
    return qRgb(last.r, last.g, last.b);
}

// The fine woven texture of the printed strip: every fourth row from row 1
// a level darker, every fourth row from row 3 a level lighter, in the
// strongest channel. Even rows, the one that is read among them, keep the
// base colour.
QRgb textured(QRgb base, int row)
{
    int c[3] = {qRed(base), qGreen(base), qBlue(base)};
    int strongest = 0;
    for (int i = 1; i < 3; ++i)
        if (c[i] > c[strongest])
            strongest = i;
    if (row % 4 == 1 && c[strongest] > 0)
        --c[strongest];
    else if (row % 4 == 3 && c[strongest] < 252)
        ++c[strongest];
    return qRgb(c[0], c[1], c[2]);
}

} // namespace

QImage makeSpectrumStrip()
{
    QImage strip(kStripWidth, kStripHeight, QImage::Format_RGB32);
    for (int column = 0; column < kStripWidth; ++column) {
        const QRgb base = baseColour(column);
        for (int row = 0; row < kStripHeight; ++row)
            reinterpret_cast<QRgb *>(strip.scanLine(row))[column] = textured(base, row);
    }
    return strip;
}

TColor spektr_color(const QImage &strip, int dl_ofs)
{
    return spektr_color_at(strip, sliderTopLeftAt(dl_ofs), kStripTopLeft);
}

TColor spektr_color_at(const QImage &strip, QPoint sliderTopLeft, QPoint stripTopLeft)
{
    const int column = sliderTopLeft.x() - stripTopLeft.x() + 3;
    const int row = sliderTopLeft.y() - stripTopLeft.y();
    if (column < 0 || row < 0 || column >= strip.width() || row >= strip.height())
        return kNoColor;
    return fromQRgb(strip.pixel(column, row));
}

} // namespace bench
