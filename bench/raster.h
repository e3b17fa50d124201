#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>

namespace bench {

// 0x00BBGGRR: red in the lowest byte. kNoColor is what a read outside a
// raster gives; it equals no RGB colour.
using TColor = std::uint32_t;
constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xff) | (TColor(g & 0xff) << 8) | (TColor(b & 0xff) << 16);
}
constexpr TColor kNoColor = 0xFFFFFFFFu;
constexpr int redOf(TColor c)
{
    return int(c & 0xff);
}
constexpr int greenOf(TColor c)
{
    return int((c >> 8) & 0xff);
}
constexpr int blueOf(TColor c)
{
    return int((c >> 16) & 0xff);
}
constexpr QRgb toQRgb(TColor c)
{
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}
constexpr TColor fromQRgb(QRgb c)
{
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Font sizes are points on a fixed 96-dpi grid, whatever the screen says:
// the scene's coordinates are fixed pixels, so 14 pt is always 19 px.
constexpr int kLogicalDpi = 96;

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // right and bottom exclusive
};

struct TPen {
    TColor Color = RGB(0, 0, 0);
    int width() const { return width_; }
    void setWidth(int w)
    {
        if (w >= 0)
            width_ = w;
    } // negative widths are ignored
private:
    int width_ = 1;
};

struct TBrush {
    TColor Color = RGB(255, 255, 255);
};

struct TFont {
    QString Name = QStringLiteral("Arial");
    int Size = 8; // points
    TColor Color = RGB(0, 0, 0);
    int pixelHeight() const;
};

class TBitmap;

// Drawing state and operations on one raster. Every operation sets exactly
// the pixels it is documented to set, with exact colours, and silently drops
// whatever falls outside the raster.
class TCanvas {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;
    QPoint PenPos{0, 0};

    TRect ClipRect() const;
    void FillRect(const TRect &rect);
    void MoveTo(int x, int y) { PenPos = QPoint(x, y); }
    // Width 1: 8-connected midpoint line, start pixel set, end pixel left out.
    // Wider: every pixel whose centre lies within width/2 of the segment
    // (round caps, end included). PenPos moves to (x, y) in both cases.
    void LineTo(int x, int y);

    TColor Pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height())
            return kNoColor;
        return fromQRgb(reinterpret_cast<const QRgb *>(image_->constScanLine(y))[x]);
    }
    void SetPixel(int x, int y, TColor color)
    {
        if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height())
            return;
        reinterpret_cast<QRgb *>(image_->scanLine(y))[x] = toQRgb(color);
    }

    // Solid cells in the brush colour, unsmoothed glyphs in the font colour;
    // PenPos then stands at the end of the text.
    void TextOut(int x, int y, const QString &text);
    int TextWidth(const QString &text) const;

    // A raster: opaque, or, when its Transparent flag is set, keyed by the
    // colour of its bottom-left pixel as it is at this call.
    void Draw(int x, int y, const TBitmap &source);
    // A loaded picture: keyed by its own transparent colour when it has one
    // and its control is transparent, opaque otherwise.
    void Draw(int x, int y, const QImage &picture, std::optional<TColor> key = std::nullopt);

private:
    friend class TBitmap;
    explicit TCanvas(QImage *image) : image_(image) {}
    void wideLineTo(int x, int y);
    QImage *image_;
};

// An off-screen 24-bit raster, white when created. The pixels live in a
// QImage (RGB32) that a widget can show without a copy.
class TBitmap {
public:
    TBitmap(int width, int height);
    TBitmap(const TBitmap &) = delete;
    TBitmap &operator=(const TBitmap &) = delete;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Transparent = false;

    TCanvas &Canvas() { return canvas_; }
    const TCanvas &Canvas() const { return canvas_; }
    const QImage &image() const { return image_; }

private:
    QImage image_;
    TCanvas canvas_;
};

} // namespace bench
