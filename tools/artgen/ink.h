#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace artgen {

// Ink coverage of a typeset picture, kept per colour channel so that glyphs
// can be laid down with grey or with sub-pixel (coloured) anti-aliasing and
// composed onto any paper at the end.
class InkLayer {
public:
    InkLayer(int width, int height);

    // Scales the outline of `text` so that its ink fills exactly the pixel
    // box (inclusive corners): the positions of typeset letters are fixed,
    // the font only gives their shapes.
    void glyph(const QString &text, const QFont &font, QRect box, bool subpixel = false);
    void bar(QRect box);                        // solid, no anti-aliasing
    void dot(QRect box, bool subpixel = false); // round multiplication dot

    // paper + (ink - paper) * coverage^gamma, per channel.
    QImage compose(QRgb ink, QRgb paper, double gamma = 1.0) const;

    int width() const { return w_; }
    int height() const { return h_; }

private:
    void addPath(const class QPainterPath &path, QRect box, bool subpixel);
    float &at(int channel, int x, int y) { return cov_[std::size_t((y * w_ + x) * 3 + channel)]; }
    float at(int channel, int x, int y) const { return cov_[std::size_t((y * w_ + x) * 3 + channel)]; }

    int w_, h_;
    std::vector<float> cov_;
};

QFont serifItalic(double pixelSize, bool bold = false);

} // namespace artgen
