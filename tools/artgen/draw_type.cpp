// Typeset pictures: the formulas, the Greek letters and the title banner
// (whose drawing the program shares, for the banners of other languages).
// Letter positions are fixed to the pixel; the fonts only supply shapes.
#include "artwork.h"
#include "ink.h"
#include "title_picture.h"

namespace artgen {

namespace {

const QString kPhi = QStringLiteral(u"\u03C6");
const QString kLambda = QStringLiteral(u"\u03BB");

QImage keyWhiteToBlack(QImage img)
{
    // Drawn on white like any text, then the untouched paper becomes the
    // black colour key. Ink is RGB(2,2,2), so black never occurs in it.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & RGB_MASK) == 0xffffffu)
                img.setPixel(x, y, qRgb(0, 0, 0));
    return img;
}

} // namespace

QImage drawGratingEquation()
{
    InkLayer ink(134, 25);
    const QFont big = serifItalic(24, true);
    const QFont small = serifItalic(17, true);
    ink.glyph(QStringLiteral("d"), big, QRect(QPoint(1, 1), QPoint(12, 17)));
    ink.dot(QRect(QPoint(14, 8), QPoint(16, 10)));
    ink.glyph(QStringLiteral("sin"), big, QRect(QPoint(19, 1), QPoint(49, 17)));
    ink.glyph(kPhi, big, QRect(QPoint(52, 6), QPoint(64, 23)));
    ink.glyph(QStringLiteral("m"), small, QRect(QPoint(66, 14), QPoint(78, 21)), true);
    ink.bar(QRect(QPoint(83, 6), QPoint(96, 7)));
    ink.bar(QRect(QPoint(83, 10), QPoint(96, 11)));
    ink.glyph(QStringLiteral("k"), big, QRect(QPoint(102, 1), QPoint(114, 17)));
    ink.dot(QRect(QPoint(116, 8), QPoint(118, 10)));
    ink.glyph(kLambda, big, QRect(QPoint(121, 1), QPoint(132, 17)));
    return keyWhiteToBlack(ink.compose(qRgb(2, 2, 2), qRgb(255, 255, 255)));
}

QImage drawPhi(bool negative)
{
    InkLayer ink(29, 20);
    ink.glyph(kPhi, serifItalic(24), QRect(QPoint(1, 1), QPoint(13, 18)));
    ink.glyph(QStringLiteral("m"), serifItalic(17), QRect(QPoint(15, 9), QPoint(27, 16)), true);
    // Light letters on black look thinner at the same coverage; the negative
    // gets its own, heavier shading rather than an inversion.
    return negative ? ink.compose(qRgb(255, 255, 255), qRgb(0, 0, 0), 0.8)
                    : ink.compose(qRgb(0, 0, 0), qRgb(255, 255, 255));
}

QImage drawLambda()
{
    InkLayer ink(14, 19);
    ink.glyph(kLambda, serifItalic(24), QRect(QPoint(1, 1), QPoint(12, 17)));
    return ink.compose(qRgb(0, 0, 0), qRgb(255, 255, 255));
}

namespace {

// One numerator term "d·" at the left of a fraction: d, then a dot on the
// middle of the lowercase letters.
void dTimes(InkLayer &ink, const QFont &font, int x)
{
    ink.glyph(QStringLiteral("d"), font, QRect(QPoint(x, 1), QPoint(x + 9, 13)), true);
    ink.dot(QRect(QPoint(x + 12, 8), QPoint(x + 14, 10)), true);
}

void phiM(InkLayer &ink, int x)
{
    ink.glyph(kPhi, serifItalic(23), QRect(QPoint(x, 1), QPoint(x + 12, 17)), true);
    ink.glyph(QStringLiteral("m"), serifItalic(17), QRect(QPoint(x + 14, 8), QPoint(x + 26, 15)), true);
}

void equals(InkLayer &ink, int x)
{
    ink.bar(QRect(QPoint(x, 17), QPoint(x + 13, 18)));
    ink.bar(QRect(QPoint(x, 21), QPoint(x + 13, 22)));
}

void kBelow(InkLayer &ink, const QFont &font, int x)
{
    ink.glyph(QStringLiteral("k"), font, QRect(QPoint(x, 29), QPoint(x + 9, 41)), true);
}

} // namespace

// The formula is drawn once, with its trailing equals sign; the plain
// picture is its first 275 columns, so the two can never drift apart.
QImage drawLambdaFormula(bool withEquals)
{
    InkLayer ink(291, 43);
    const QFont f = serifItalic(19);
    ink.glyph(kLambda, serifItalic(24), QRect(QPoint(1, 12), QPoint(12, 28)), true);
    equals(ink, 21);

    ink.bar(QRect(QPoint(46, 20), QPoint(119, 21)));
    dTimes(ink, f, 47);
    ink.glyph(QStringLiteral("s"), f, QRect(QPoint(63, 5), QPoint(71, 13)), true);
    ink.glyph(QStringLiteral("i"), f, QRect(QPoint(74, 2), QPoint(78, 13)), true);
    ink.glyph(QStringLiteral("n"), f, QRect(QPoint(80, 5), QPoint(91, 13)), true);
    phiM(ink, 93);
    kBelow(ink, f, 78);
    equals(ink, 128);

    ink.bar(QRect(QPoint(148, 20), QPoint(213, 21)));
    dTimes(ink, f, 149);
    ink.glyph(QStringLiteral("tg"), f, QRect(QPoint(166, 3), QPoint(184, 17)), true);
    phiM(ink, 187);
    kBelow(ink, f, 176);
    equals(ink, 222);

    ink.bar(QRect(QPoint(241, 20), QPoint(268, 21)));
    dTimes(ink, f, 242);
    ink.glyph(QStringLiteral("y"), f, QRect(QPoint(258, 5), QPoint(268, 17)), true);
    ink.glyph(QStringLiteral("F"), f, QRect(QPoint(242, 29), QPoint(252, 41)), true);
    ink.dot(QRect(QPoint(254, 35), QPoint(256, 37)), true);
    kBelow(ink, f, 259);

    equals(ink, 277);
    const QImage full = ink.compose(qRgb(0, 0, 0), qRgb(255, 255, 255));
    return withEquals ? full : full.copy(0, 0, 275, 43);
}

QImage drawTitle()
{
    return assets::drawTitlePicture(QStringLiteral(u"Экспериментальное измерение"),
        QStringLiteral(u"длины световой волны"));
}

} // namespace artgen
