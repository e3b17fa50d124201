#include "raster.h"

#include <gtest/gtest.h>

using namespace bench;

namespace {

constexpr TColor kBlack = RGB(0, 0, 0);
constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kCurveGrey = RGB(120, 120, 120);

int countColour(const TBitmap &bitmap, TColor colour)
{
    int n = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            n += bitmap.Canvas().Pixel(x, y) == colour;
    return n;
}

void clear(TBitmap &bitmap, TColor colour)
{
    bitmap.Canvas().Brush.Color = colour;
    bitmap.Canvas().FillRect(bitmap.Canvas().ClipRect());
}

} // namespace

TEST(Colour, ChannelsAreLaidOutRedLowestAndNoColourEqualsNothing)
{
    EXPECT_EQ(RGB(1, 2, 3), 0x00030201u);
    EXPECT_EQ(redOf(RGB(1, 2, 3)), 1);
    EXPECT_EQ(blueOf(RGB(1, 2, 3)), 3);
    EXPECT_NE(kNoColor, RGB(255, 255, 255));
    EXPECT_EQ(fromQRgb(toQRgb(RGB(9, 200, 77))), RGB(9, 200, 77));
}

TEST(RasterFill, NewRasterIsWhiteAndFillOfClipRectCoversLastRowAndColumn)
{
    TBitmap bench(945, 445);
    EXPECT_EQ(countColour(bench, kWhite), 945 * 445);
    const TRect clip = bench.Canvas().ClipRect();
    EXPECT_EQ(clip.Left, 0);
    EXPECT_EQ(clip.Top, 0);
    EXPECT_EQ(clip.Right, 945);
    EXPECT_EQ(clip.Bottom, 445);
    clear(bench, kBlack);
    EXPECT_EQ(countColour(bench, kBlack), 945 * 445);
    EXPECT_EQ(bench.Canvas().Pixel(944, 444), kBlack);
}

TEST(RasterFill, HalfOpenRectangleClippedToTheRaster)
{
    TBitmap b(10, 10);
    b.Canvas().Brush.Color = kBlack;
    b.Canvas().FillRect(TRect{-5, 8, 3, 50});
    EXPECT_EQ(countColour(b, kBlack), 3 * 2);
    EXPECT_EQ(b.Canvas().Pixel(2, 9), kBlack);
    EXPECT_EQ(b.Canvas().Pixel(3, 9), kWhite);
    EXPECT_EQ(b.Canvas().Pixel(2, 7), kWhite);
}

TEST(RasterPixels, ReadsOutsideGiveNoColourAndWritesOutsideAreDropped)
{
    TBitmap bench(945, 445);
    clear(bench, kBlack);
    for (auto [x, y] : {std::pair{-1, 10}, {945, 10}, {10, -1}, {10, 445}}) {
        EXPECT_EQ(bench.Canvas().Pixel(x, y), kNoColor);
        EXPECT_NE(bench.Canvas().Pixel(x, y), kCurveGrey);
        bench.Canvas().SetPixel(x, y, kCurveGrey);
    }
    EXPECT_EQ(countColour(bench, kBlack), 945 * 445);
    bench.Canvas().SetPixel(3, 4, kCurveGrey);
    EXPECT_EQ(bench.Canvas().Pixel(3, 4), kCurveGrey);
    EXPECT_EQ(countColour(bench, kCurveGrey), 1);
}

TEST(RasterLines, VerticalLineLeavesOutItsEndPoint)
{
    TBitmap curve(81, 760);
    TCanvas &c = curve.Canvas();
    clear(curve, kBlack);
    c.Pen.Color = kCurveGrey;
    c.MoveTo(80, 0);
    c.LineTo(80, 191);
    for (int y = 0; y <= 190; ++y)
        ASSERT_EQ(c.Pixel(80, y), kCurveGrey) << y;
    EXPECT_EQ(c.Pixel(80, 191), kBlack);
    EXPECT_EQ(c.PenPos, QPoint(80, 191));
    EXPECT_EQ(countColour(curve, kCurveGrey), 191);

    c.MoveTo(80, 759);
    c.LineTo(80, 760);
    EXPECT_EQ(c.Pixel(80, 759), kCurveGrey);
    EXPECT_EQ(countColour(curve, kCurveGrey), 192);
}

TEST(RasterLines, ChainSetsEachJointOnceAndZeroLengthSetsNothing)
{
    TBitmap b(20, 20);
    TCanvas &c = b.Canvas();
    clear(b, kBlack);
    c.Pen.Color = kWhite;
    c.MoveTo(5, 5);
    c.LineTo(5, 5);
    EXPECT_EQ(countColour(b, kWhite), 0);
    c.LineTo(10, 5); // (5..9, 5)
    c.LineTo(10, 8); // (10, 5..7)
    c.LineTo(2, 8);  // (10..3, 8)
    EXPECT_EQ(countColour(b, kWhite), 5 + 3 + 8);
    EXPECT_EQ(c.Pixel(10, 5), kWhite);
    EXPECT_EQ(c.Pixel(2, 8), kBlack);
    EXPECT_EQ(c.Pixel(3, 8), kWhite);
}

TEST(RasterLines, DiagonalLinesAreEightConnectedWithOnePixelPerMajorStep)
{
    struct Case {
        int x0, y0, x1, y1;
    };
    for (const Case &k : {Case{0, 0, 17, 5}, Case{17, 5, 0, 0}, Case{3, 19, 8, 0}, Case{0, 0, 10, 10}}) {
        TBitmap b(20, 20);
        clear(b, kBlack);
        b.Canvas().Pen.Color = kWhite;
        b.Canvas().MoveTo(k.x0, k.y0);
        b.Canvas().LineTo(k.x1, k.y1);
        const int steps = std::max(std::abs(k.x1 - k.x0), std::abs(k.y1 - k.y0));
        EXPECT_EQ(countColour(b, kWhite), steps);
        EXPECT_EQ(b.Canvas().Pixel(k.x0, k.y0), kWhite);
        EXPECT_EQ(b.Canvas().Pixel(k.x1, k.y1), kBlack);
    }
}

TEST(RasterLines, LineOffTheRasterDrawsItsVisiblePartAndMovesPenOff)
{
    TBitmap b(10, 10);
    TCanvas &c = b.Canvas();
    clear(b, kBlack);
    c.Pen.Color = kWhite;
    c.MoveTo(2, 5);
    c.LineTo(2, -100);
    EXPECT_EQ(countColour(b, kWhite), 6); // rows 5..0
    EXPECT_EQ(c.PenPos, QPoint(2, -100));
    c.MoveTo(-50, 7);
    c.LineTo(50, 7);
    EXPECT_EQ(countColour(b, kWhite), 6 + 10);
}

TEST(RasterLines, NegativePenWidthIsIgnored)
{
    TBitmap b(4, 4);
    b.Canvas().Pen.setWidth(3);
    b.Canvas().Pen.setWidth(-1);
    EXPECT_EQ(b.Canvas().Pen.width(), 3);
}

TEST(RasterLines, WidthThreeLineCoversThreeRowsAndReachesPastBothEnds)
{
    TBitmap b(945, 445);
    TCanvas &c = b.Canvas();
    clear(b, kBlack);
    c.Pen.Color = kWhite;
    c.Pen.setWidth(3);
    c.MoveTo(848, 223);
    c.LineTo(768, 223);
    EXPECT_EQ(c.PenPos, QPoint(768, 223));
    for (int x = 768; x <= 848; ++x)
        for (int y = 222; y <= 224; ++y)
            ASSERT_EQ(c.Pixel(x, y), kWhite) << x << "," << y;
    EXPECT_EQ(c.Pixel(849, 223), kWhite);
    EXPECT_EQ(c.Pixel(767, 223), kWhite);
    EXPECT_EQ(c.Pixel(800, 221), kBlack);
    EXPECT_EQ(c.Pixel(800, 225), kBlack);
    EXPECT_EQ(c.Pixel(851, 223), kBlack);
    // A segment far above the raster touches nothing and does not overflow.
    c.MoveTo(848, -2000000000);
    c.LineTo(700, -2000000000);
    EXPECT_EQ(c.PenPos, QPoint(700, -2000000000));
}

TEST(RasterDraw, TransparentCurveCopyIsPlacedExactlyAndKeyedByItsBottomLeftPixel)
{
    TBitmap bench(945, 445), curve(81, 760);
    curve.Transparent = true;
    clear(bench, RGB(10, 20, 30));
    clear(curve, kBlack);
    curve.Canvas().SetPixel(80, 155, kCurveGrey); // lands on (847, 0)
    curve.Canvas().SetPixel(0, 380, kCurveGrey);  // lands on (767, 225)
    curve.Canvas().SetPixel(40, 154, kCurveGrey); // row above the bench: dropped
    curve.Canvas().SetPixel(40, 600, kCurveGrey); // row below the bench: dropped
    bench.Canvas().Draw(767, -155, curve);
    EXPECT_EQ(bench.Canvas().Pixel(847, 0), kCurveGrey);
    EXPECT_EQ(bench.Canvas().Pixel(767, 225), kCurveGrey);
    EXPECT_EQ(countColour(bench, kCurveGrey), 2);
    EXPECT_EQ(countColour(bench, RGB(10, 20, 30)), 945 * 445 - 2);
}

TEST(RasterDraw, KeyIsPositionalAndReadAtEachCall)
{
    TBitmap target(4, 4), source(4, 4);
    source.Transparent = true;
    clear(source, kBlack);
    source.Canvas().SetPixel(0, 3, RGB(5, 5, 5));
    source.Canvas().SetPixel(2, 2, RGB(5, 5, 5));
    clear(target, kWhite);
    target.Canvas().Draw(0, 0, source);
    EXPECT_EQ(countColour(target, kBlack), 14); // black is copied
    EXPECT_EQ(countColour(target, kWhite), 2);  // the key colour is left out

    source.Canvas().SetPixel(0, 3, kBlack); // the key is now black
    clear(target, kWhite);
    target.Canvas().Draw(0, 0, source);
    EXPECT_EQ(countColour(target, RGB(5, 5, 5)), 1);
    EXPECT_EQ(countColour(target, kWhite), 15);
}

TEST(RasterDraw, OpaqueRasterAndKeylessPictureReplaceTheirWholeRectangle)
{
    TBitmap bench(945, 445);
    clear(bench, kBlack);
    QImage lens(27, 323, QImage::Format_RGB32);
    lens.fill(qRgb(2, 2, 2));
    lens.setPixel(0, 322, qRgb(200, 210, 238));
    bench.Canvas().Draw(98, 59, lens);
    EXPECT_EQ(countColour(bench, RGB(2, 2, 2)), 27 * 323 - 1);
    EXPECT_EQ(bench.Canvas().Pixel(98, 381), RGB(200, 210, 238));
    EXPECT_EQ(bench.Canvas().Pixel(124, 59), RGB(2, 2, 2));
    EXPECT_EQ(bench.Canvas().Pixel(125, 59), kBlack);
    EXPECT_EQ(bench.Canvas().Pixel(98, 382), kBlack);

    // A picture keyed on its own colour leaves those pixels out.
    bench.Canvas().Draw(10, -300, lens, RGB(2, 2, 2));
    EXPECT_EQ(bench.Canvas().Pixel(10, 22), RGB(200, 210, 238));
    EXPECT_EQ(bench.Canvas().Pixel(11, 22), kBlack);
    EXPECT_EQ(bench.Canvas().Pixel(10, 21), kBlack);

    TBitmap opaque(3, 3);
    opaque.Canvas().Brush.Color = RGB(7, 7, 7);
    opaque.Canvas().FillRect(opaque.Canvas().ClipRect());
    bench.Canvas().Draw(942, 442, opaque);
    EXPECT_EQ(bench.Canvas().Pixel(944, 444), RGB(7, 7, 7));
}

TEST(RasterText, FourteenPointArialIsNineteenPixelsWhateverTheScreen)
{
    TFont font;
    font.Size = 14;
    EXPECT_EQ(font.pixelHeight(), 19);
}

TEST(RasterText, CellsAreSolidGlyphsUnsmoothedAndPenAdvances)
{
    TBitmap bench(945, 445);
    TCanvas &c = bench.Canvas();
    clear(bench, kBlack);
    c.Pen.Color = kWhite;
    c.MoveTo(860, 220);
    c.LineTo(900, 220); // a line under the cell of "0"
    c.Brush.Color = kBlack;
    c.Font.Name = QStringLiteral("Arial");
    c.Font.Size = 14;
    c.Font.Color = kWhite;
    c.TextOut(870, 213, QStringLiteral("0"));
    const int width = c.TextWidth(QStringLiteral("0"));
    EXPECT_GT(width, 5);
    EXPECT_EQ(c.PenPos, QPoint(870 + width, 213));
    int white = 0;
    for (int y = 213; y < 213 + 19; ++y)
        for (int x = 870; x < 870 + width; ++x) {
            const TColor p = c.Pixel(x, y);
            ASSERT_TRUE(p == kWhite || p == kBlack) << x << "," << y;
            white += p == kWhite;
        }
    EXPECT_GT(white, 10);                 // the glyph is there
    EXPECT_LT(white, width * 19 / 2);     // and the cell around it is black
    EXPECT_EQ(c.Pixel(870, 220), kBlack); // the line was covered by the cell
    EXPECT_EQ(c.Pixel(865, 220), kWhite);

    c.TextOut(100, 100, QString());
    EXPECT_EQ(c.PenPos, QPoint(100, 100));

    c.Brush.Color = kBlack;
    c.TextOut(800, 3, QStringLiteral("y, см"));
    for (int y = 0; y < 30; ++y)
        for (int x = 790; x < 860; ++x)
            ASSERT_NE(c.Pixel(x, y), kCurveGrey);
}

TEST(RasterCanvas, CanvasIsTheSameRasterEveryTime)
{
    TBitmap b(5, 5);
    b.Canvas().SetPixel(1, 1, kBlack);
    EXPECT_EQ(&b.Canvas(), &b.Canvas());
    EXPECT_EQ(b.Canvas().Pixel(1, 1), kBlack);
    EXPECT_EQ(b.image().pixel(1, 1), qRgb(0, 0, 0));
}
