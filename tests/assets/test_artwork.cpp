// The fixed pictures as the program loads them from its resources: sizes,
// colour keys, the exact pixels the controls rely on, and the key rule; and
// the title banner drawn for another language.
#include "picture_catalogue.h"
#include "title_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include <cmath>
#include <string>
#include <vector>

using assets::PictureId;
using namespace Qt::StringLiterals;

namespace {

struct Expected {
    const char *name;
    int width, height;
    bool keyed;
    QRgb key;
};

// Written out by hand from the list of the program's pictures.
const Expected kExpected[] = {
    {"pic_icon", 48, 48, false, 0},
    {"pic_title", 518, 76, true, qRgb(0, 0, 0)},
    {"pic_photo", 171, 200, false, 0},
    {"pic_grating_eq", 134, 25, true, qRgb(0, 0, 0)},
    {"pic_phi", 29, 20, true, qRgb(255, 255, 255)},
    {"pic_phi_neg", 29, 20, false, 0},
    {"pic_lambda", 14, 19, true, qRgb(255, 255, 255)},
    {"pic_lambda_formula", 275, 43, false, 0},
    {"pic_lambda_formula_eq", 291, 43, false, 0},
    {"pic_lens", 27, 323, false, 0},
    {"pic_left_released", 17, 26, false, 0},
    {"pic_left_pressed", 17, 26, false, 0},
    {"pic_right_released", 17, 26, false, 0},
    {"pic_right_pressed", 17, 26, false, 0},
    {"pic_arc_up", 18, 48, true, qRgb(0, 0, 0)},
    {"pic_arc_down", 18, 48, true, qRgb(0, 0, 0)},
    {"pic_pointer", 5, 16, true, qRgb(255, 0, 255)},
    {"pic_spin_up", 9, 6, true, qRgb(128, 128, 0)},
    {"pic_spin_down", 9, 6, true, qRgb(128, 128, 0)},
    {"pic_spectrum", 385, 24, false, 0},
};

QImage pic(const char *name)
{
    const auto id = assets::pictureByName(name);
    EXPECT_TRUE(id.has_value()) << name;
    return id ? assets::picture(*id) : QImage();
}

QRgb rgbAt(const QImage &img, int x, int y)
{
    return img.pixel(x, y) & RGB_MASK;
}

constexpr QRgb rgb(int r, int g, int b)
{
    return QRgb(r << 16 | g << 8 | b);
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

std::string hex(QRgb c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02x%02x%02x", qRed(c), qGreen(c), qBlue(c));
    return buf;
}

// Rows of characters against a legend: the picture must match cell by cell.
void expectRows(const QImage &img, const std::vector<std::string> &rows,
    const std::vector<std::pair<char, QRgb>> &legend)
{
    ASSERT_EQ(img.height(), int(rows.size()));
    for (int y = 0; y < img.height(); ++y) {
        ASSERT_EQ(img.width(), int(rows[y].size()));
        for (int x = 0; x < img.width(); ++x) {
            QRgb want = 0;
            for (const auto &[ch, c] : legend)
                if (ch == rows[y][x])
                    want = c;
            EXPECT_EQ(hex(rgbAt(img, x, y)), hex(want)) << "x " << x << " y " << y;
        }
    }
}

} // namespace

class EveryPicture : public ::testing::TestWithParam<Expected> {};

TEST_P(EveryPicture, LoadsAtItsSizeWithItsKey)
{
    const Expected &e = GetParam();
    const auto id = assets::pictureByName(e.name);
    ASSERT_TRUE(id.has_value());
    const assets::PictureInfo &info = assets::pictureInfo(*id);
    EXPECT_STREQ(info.name, e.name);
    EXPECT_EQ(info.size, QSize(e.width, e.height));
    ASSERT_EQ(info.key.has_value(), e.keyed);
    if (e.keyed) {
        EXPECT_EQ(hex(*info.key), hex(e.key));
    }

    const QImage img = assets::picture(*id);
    EXPECT_EQ(img.size(), QSize(e.width, e.height));
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    if (*id != PictureId::pic_spectrum) {
        // Stored as plain RGB: transparency is the key, never alpha.
        const QImage stored(assets::resourcePath(*id));
        ASSERT_FALSE(stored.isNull()) << qPrintable(assets::resourcePath(*id));
        EXPECT_FALSE(stored.hasAlphaChannel());
        EXPECT_EQ(stored.size(), QSize(e.width, e.height));
    }
    if (e.keyed) {
        int keyPixels = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                keyPixels += rgbAt(img, x, y) == (e.key & RGB_MASK);
        EXPECT_GT(keyPixels, 0);
        EXPECT_LT(keyPixels, img.width() * img.height());
    }
}

TEST_P(EveryPicture, ShowableHidesExactlyTheKeyPixels)
{
    const Expected &e = GetParam();
    const PictureId id = *assets::pictureByName(e.name);
    const QImage rgbImg = assets::picture(id);
    const QImage shown = assets::showable(id);
    ASSERT_EQ(shown.size(), rgbImg.size());
    for (int y = 0; y < rgbImg.height(); ++y)
        for (int x = 0; x < rgbImg.width(); ++x) {
            const QRgb c = rgbAt(rgbImg, x, y);
            const QRgb s = shown.pixel(x, y);
            if (e.keyed && c == (e.key & RGB_MASK)) {
                ASSERT_EQ(qAlpha(s), 0) << "x " << x << " y " << y;
            } else {
                ASSERT_EQ(qAlpha(s), 255) << "x " << x << " y " << y;
                ASSERT_EQ(hex(s & RGB_MASK), hex(c)) << "x " << x << " y " << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryPicture, ::testing::ValuesIn(kExpected),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Catalogue, ListsEveryPictureOnceInOrder)
{
    const auto all = assets::allPictures();
    ASSERT_EQ(all.size(), std::size(kExpected));
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_STREQ(all[i].name, kExpected[i].name);
    EXPECT_FALSE(assets::pictureByName("pic_nothing").has_value());
}

TEST(ApplyKey, ShadesNextToTheKeyStayVisibleAndNoKeyMeansOpaque)
{
    QImage img(3, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, rgb(0, 0, 0));
    img.setPixel(1, 0, rgb(1, 0, 0));
    img.setPixel(2, 0, rgb(0, 0, 1));
    const QImage keyed = assets::applyKey(img, qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(keyed.pixel(1, 0), qRgb(1, 0, 0));
    EXPECT_EQ(keyed.pixel(2, 0), qRgb(0, 0, 1));
    const QImage opaque = assets::applyKey(img, std::nullopt);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(qAlpha(opaque.pixel(x, 0)), 255);
}

TEST(Pointer, MatchesItsRowTable)
{
    expectRows(pic("pic_pointer"),
        {"MMBMM", "MMBMM", "MMBMM", "MMBMM", "MMBMM", "MMBMM", "MMBMM", "MBLBM", "GLLLG", "BLLLB", "BLLLB", "BLLLB",
            "BLLLB", "BLLLB", "BLLLB", "MBBBM"},
        {{'M', rgb(255, 0, 255)}, {'B', rgb(0, 0, 0)}, {'L', rgb(243, 243, 243)}, {'G', rgb(128, 128, 128)}});
}

TEST(Spinner, GlyphsMatchTheirRowTables)
{
    const std::vector<std::pair<char, QRgb>> legend{{'o', rgb(128, 128, 0)}, {'#', rgb(0, 0, 0)}};
    expectRows(pic("pic_spin_up"), {"ooooooooo", "oooo#oooo", "ooo###ooo", "oo#####oo", "o#######o", "ooooooooo"},
        legend);
    expectRows(pic("pic_spin_down"), {"ooooooooo", "o#######o", "oo#####oo", "ooo###ooo", "oooo#oooo", "ooooooooo"},
        legend);
}

struct ArrowCase {
    const char *name;
    bool left;
    QRgb chevron;
};

class Arrow : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(Arrow, ChevronSitsOnItsPixelsAndNowhereElse)
{
    const ArrowCase &a = GetParam();
    const QImage img = pic(a.name);
    // Rows 9 to 15, first and last column of the chevron.
    const int leftRows[7][2] = {{10, 10}, {9, 10}, {8, 10}, {7, 9}, {8, 10}, {9, 10}, {10, 10}};
    const int rightRows[7][2] = {{6, 6}, {6, 7}, {6, 8}, {7, 9}, {6, 8}, {6, 7}, {6, 6}};
    const auto &rows = a.left ? leftRows : rightRows;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool inChevron = y >= 9 && y <= 15 && x >= rows[y - 9][0] && x <= rows[y - 9][1];
            EXPECT_EQ(rgbAt(img, x, y) == a.chevron, inChevron) << a.name << " x " << x << " y " << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Wavelength, Arrow,
    ::testing::Values(ArrowCase{"pic_left_released", true, rgb(78, 98, 134)},
        ArrowCase{"pic_left_pressed", true, rgb(70, 90, 126)}, ArrowCase{"pic_right_released", false, rgb(78, 98, 134)},
        ArrowCase{"pic_right_pressed", false, rgb(70, 90, 126)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Arrow, FacesBordersAndCornersHaveTheirColours)
{
    const QImage released = pic("pic_left_released");
    EXPECT_TRUE(near(rgbAt(released, 8, 0), rgb(150, 173, 227), 8));   // top border
    EXPECT_TRUE(near(rgbAt(released, 16, 12), rgb(150, 173, 227), 8)); // right border
    EXPECT_TRUE(near(rgbAt(released, 0, 0), rgb(198, 210, 232), 8));   // corner
    EXPECT_TRUE(near(rgbAt(released, 16, 25), rgb(198, 210, 232), 8));
    EXPECT_TRUE(near(rgbAt(released, 3, 2), rgb(219, 237, 252), 8));   // pale top left
    EXPECT_TRUE(near(rgbAt(released, 14, 23), rgb(195, 222, 250), 8)); // deeper bottom right

    const QImage pressed = pic("pic_left_pressed");
    EXPECT_TRUE(near(rgbAt(pressed, 8, 0), rgb(134, 145, 216), 8));   // sunken top
    EXPECT_TRUE(near(rgbAt(pressed, 0, 12), rgb(134, 145, 216), 8));  // and pointed-to side
    EXPECT_TRUE(near(rgbAt(pressed, 8, 25), rgb(182, 200, 240), 8));  // light bottom
    EXPECT_TRUE(near(rgbAt(pressed, 16, 12), rgb(182, 200, 240), 8)); // and other side
    EXPECT_TRUE(near(rgbAt(pressed, 8, 1), rgb(138, 166, 238), 8));
    EXPECT_TRUE(near(rgbAt(pressed, 8, 24), rgb(156, 175, 237), 8));
}

TEST(Arrow, RightPicturesAreTheLeftOnesMirrored)
{
    for (const auto &[l, r] :
        {std::pair{"pic_left_released", "pic_right_released"}, std::pair{"pic_left_pressed", "pic_right_pressed"}}) {
        const QImage left = pic(l), right = pic(r);
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 17; ++x)
                EXPECT_EQ(rgbAt(left, x, y), rgbAt(right, 16 - x, y)) << r << " x " << x << " y " << y;
    }
}

TEST(Arc, DownIsUpTurnedUpsideDown)
{
    const QImage up = pic("pic_arc_up"), down = pic("pic_arc_down");
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 18; ++x)
            EXPECT_EQ(rgbAt(down, x, y), rgbAt(up, x, 47 - y)) << "x " << x << " y " << y;
}

TEST(Arc, LiesOnItsCircleFromTheTopLeftCornerDownTheRightEdge)
{
    const QImage up = pic("pic_arc_up");
    int brightest = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 18; ++x) {
            const QRgb c = rgbAt(up, x, y);
            brightest = std::max(brightest, qGreen(c));
            if (qGreen(c) < 120)
                continue;
            const double r = std::hypot(x + 0.5 + 45.0, y + 0.5 - 42.5);
            EXPECT_NEAR(r, 62.5, 1.2) << "x " << x << " y " << y;
        }
    EXPECT_TRUE(near(qRgb(brightest, brightest, brightest), rgb(238, 238, 238), 12));
    EXPECT_GT(qGreen(rgbAt(up, 1, 0)), 60);
    for (int y = 38; y < 48; ++y)
        EXPECT_GT(qGreen(rgbAt(up, 17, y)), 120) << "right edge at y " << y;
    EXPECT_EQ(rgbAt(up, 0, 47), rgb(0, 0, 0));
    EXPECT_EQ(rgbAt(up, 17, 0), rgb(0, 0, 0));
}

TEST(Formula, WithEqualsStartsWithThePlainFormula)
{
    const QImage plain = pic("pic_lambda_formula"), eq = pic("pic_lambda_formula_eq");
    for (int y = 0; y < 43; ++y)
        for (int x = 0; x < 275; ++x)
            ASSERT_EQ(rgbAt(eq, x, y), rgbAt(plain, x, y)) << "x " << x << " y " << y;
    for (int y = 0; y < 43; ++y)
        for (int x = 275; x < 291; ++x) {
            const bool bar = x >= 277 && x <= 290 && (y == 17 || y == 18 || y == 21 || y == 22);
            EXPECT_EQ(hex(rgbAt(eq, x, y)), bar ? "000000" : "ffffff") << "x " << x << " y " << y;
        }
}

TEST(Formula, BarsAndEqualsSignsLieOnTheirRows)
{
    const QImage f = pic("pic_lambda_formula");
    const auto solid = [&](int x0, int x1, int y) {
        for (int x = x0; x <= x1; ++x)
            EXPECT_EQ(hex(rgbAt(f, x, y)), "000000") << "x " << x << " y " << y;
    };
    for (const auto &[x0, x1] : {std::pair{46, 119}, std::pair{148, 213}, std::pair{241, 268}}) {
        solid(x0, x1, 20);
        solid(x0, x1, 21);
    }
    for (int x0 : {21, 128, 222})
        for (int y : {17, 18, 21, 22})
            solid(x0, x0 + 13, y);
    // Between the two bars of an equals sign the paper shows.
    for (int x = 21; x <= 34; ++x)
        EXPECT_EQ(hex(rgbAt(f, x, 19)), "ffffff");
    // Numerators above the bars, denominators below, nothing in between.
    for (int x = 46; x <= 268; ++x) {
        EXPECT_EQ(hex(rgbAt(f, x, 0)), "ffffff") << x;
        EXPECT_EQ(hex(rgbAt(f, x, 42)), "ffffff") << x;
    }
}

TEST(GratingEquation, InkIsNearBlackSoTheBlackKeyIsOnlyBackground)
{
    const QImage g = pic("pic_grating_eq");
    for (int x = 83; x <= 96; ++x) {
        for (int y : {6, 7, 10, 11})
            EXPECT_EQ(hex(rgbAt(g, x, y)), "020202") << "x " << x << " y " << y;
        for (int y : {8, 9})
            EXPECT_EQ(hex(rgbAt(g, x, y)), "000000") << "x " << x << " y " << y;
    }
    // No ink darker than the ink colour, i.e. nothing the key could swallow.
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x) {
            const QRgb c = rgbAt(g, x, y);
            if (c != 0) {
                EXPECT_GE(std::min({qRed(c), qGreen(c), qBlue(c)}), 2) << "x " << x << " y " << y;
            }
        }
}

struct GlyphCase {
    const char *label;
    const char *picture;
    QRgb paper;         // the colour around the letters
    QRect search;       // where to look for this glyph's ink
    int x0, x1, y0, y1; // its ink; y0 < 0 when only the columns are fixed
};

class GlyphInk : public ::testing::TestWithParam<GlyphCase> {};

// Typeset letters sit exactly on their columns and rows.
TEST_P(GlyphInk, FillsItsBox)
{
    const GlyphCase &g = GetParam();
    const QImage img = pic(g.picture);
    int x0 = 1000, x1 = -1, y0 = 1000, y1 = -1;
    for (int y = g.search.top(); y <= g.search.bottom(); ++y)
        for (int x = g.search.left(); x <= g.search.right(); ++x)
            if (rgbAt(img, x, y) != (g.paper & RGB_MASK)) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    EXPECT_EQ(x0, g.x0);
    EXPECT_EQ(x1, g.x1);
    if (g.y0 >= 0) {
        EXPECT_EQ(y0, g.y0);
        EXPECT_EQ(y1, g.y1);
    }
}

namespace {

QRect cols(int x0, int x1, int y0, int y1)
{
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

constexpr QRgb kBlackPaper = qRgb(0, 0, 0), kWhitePaper = qRgb(255, 255, 255);

const GlyphCase kGlyphs[] = {
    {"eq_d_dot", "pic_grating_eq", kBlackPaper, cols(0, 17, 0, 24), 1, 16, 1, 17},
    {"eq_sin", "pic_grating_eq", kBlackPaper, cols(18, 50, 0, 24), 19, 49, 1, 17},
    {"eq_phi", "pic_grating_eq", kBlackPaper, cols(51, 65, 0, 24), 52, 64, 6, 23},
    {"eq_m", "pic_grating_eq", kBlackPaper, cols(66, 79, 0, 24), 66, 78, 14, 21},
    {"eq_equals", "pic_grating_eq", kBlackPaper, cols(80, 100, 0, 24), 83, 96, 6, 11},
    {"eq_k", "pic_grating_eq", kBlackPaper, cols(101, 115, 0, 24), 102, 114, 1, 17},
    {"eq_dot", "pic_grating_eq", kBlackPaper, cols(116, 119, 0, 24), 116, 118, 8, 10},
    {"eq_lambda", "pic_grating_eq", kBlackPaper, cols(120, 133, 0, 24), 121, 132, 1, 17},
    {"phi_phi", "pic_phi", kWhitePaper, cols(0, 14, 0, 19), 1, 13, 1, 18},
    {"phi_m", "pic_phi", kWhitePaper, cols(15, 28, 0, 19), 15, 27, 9, 16},
    {"neg_phi", "pic_phi_neg", kBlackPaper, cols(0, 14, 0, 19), 1, 13, 1, 18},
    {"neg_m", "pic_phi_neg", kBlackPaper, cols(15, 28, 0, 19), 15, 27, 9, 16},
    {"lambda", "pic_lambda", kWhitePaper, cols(0, 13, 0, 18), 1, 12, 1, 17},
    {"f_lambda", "pic_lambda_formula", kWhitePaper, cols(0, 15, 0, 42), 1, 12, 12, 28},
    {"f1_d", "pic_lambda_formula", kWhitePaper, cols(40, 57, 0, 19), 47, 56, -1, -1},
    {"f1_dot", "pic_lambda_formula", kWhitePaper, cols(58, 62, 0, 19), 59, 61, -1, -1},
    {"f1_s", "pic_lambda_formula", kWhitePaper, cols(62, 72, 0, 19), 63, 71, -1, -1},
    {"f1_i", "pic_lambda_formula", kWhitePaper, cols(72, 79, 0, 19), 74, 78, -1, -1},
    {"f1_n", "pic_lambda_formula", kWhitePaper, cols(79, 92, 0, 19), 80, 91, -1, -1},
    {"f1_phim", "pic_lambda_formula", kWhitePaper, cols(92, 125, 0, 19), 93, 119, -1, -1},
    {"f1_numerator", "pic_lambda_formula", kWhitePaper, cols(40, 125, 0, 19), 47, 119, 1, 17},
    {"f1_k", "pic_lambda_formula", kWhitePaper, cols(40, 125, 23, 42), 78, 87, 29, 41},
    {"f2_d", "pic_lambda_formula", kWhitePaper, cols(143, 159, 0, 19), 149, 158, -1, -1},
    {"f2_dot", "pic_lambda_formula", kWhitePaper, cols(159, 164, 0, 19), 161, 163, -1, -1},
    {"f2_tg", "pic_lambda_formula", kWhitePaper, cols(164, 185, 0, 19), 166, 184, -1, -1},
    {"f2_phim", "pic_lambda_formula", kWhitePaper, cols(185, 218, 0, 19), 187, 213, -1, -1},
    {"f2_numerator", "pic_lambda_formula", kWhitePaper, cols(143, 218, 0, 19), 149, 213, 1, 17},
    {"f2_k", "pic_lambda_formula", kWhitePaper, cols(143, 218, 23, 42), 176, 185, 29, 41},
    {"f3_d", "pic_lambda_formula", kWhitePaper, cols(237, 252, 0, 19), 242, 251, -1, -1},
    {"f3_dot", "pic_lambda_formula", kWhitePaper, cols(253, 257, 0, 19), 254, 256, -1, -1},
    {"f3_y", "pic_lambda_formula", kWhitePaper, cols(257, 274, 0, 19), 258, 268, -1, -1},
    {"f3_numerator", "pic_lambda_formula", kWhitePaper, cols(237, 274, 0, 19), 242, 268, 1, 17},
    {"f3_F", "pic_lambda_formula", kWhitePaper, cols(237, 253, 23, 42), 242, 252, -1, -1},
    {"f3_dot_below", "pic_lambda_formula", kWhitePaper, cols(253, 257, 23, 42), 254, 256, -1, -1},
    {"f3_k", "pic_lambda_formula", kWhitePaper, cols(257, 274, 23, 42), 259, 268, -1, -1},
    {"f3_denominator", "pic_lambda_formula", kWhitePaper, cols(237, 274, 23, 42), 242, 268, 29, 41},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Typeset, GlyphInk, ::testing::ValuesIn(kGlyphs),
    [](const auto &info) { return std::string(info.param.label); });

TEST(Phi, NegativeIsItsOwnDrawingWhiteOnBlack)
{
    const QImage phi = pic("pic_phi"), neg = pic("pic_phi_neg");
    EXPECT_EQ(hex(rgbAt(phi, 0, 0)), "ffffff");
    EXPECT_EQ(hex(rgbAt(neg, 0, 0)), "000000");
    int inverted = 0, inked = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 29; ++x) {
            const QRgb p = rgbAt(phi, x, y), n = rgbAt(neg, x, y);
            inked += p != rgb(255, 255, 255);
            inverted += n == (~p & RGB_MASK);
        }
    EXPECT_GT(inked, 60);
    EXPECT_LT(inverted, 20 * 29); // not a mere inversion of the positive
}

namespace {

// Left, right, top and bottom of the non-black pixels in rows y0..y1, or
// {1000, -1, 1000, -1} when there are none.
std::vector<int> inkBox(const QImage &t, int y0, int y1)
{
    int x0 = 1000, x1 = -1, top = 1000, bottom = -1;
    for (int y = y0; y <= y1; ++y)
        for (int x = 0; x < t.width(); ++x)
            if (rgbAt(t, x, y) != 0) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return {x0, x1, top, bottom};
}

} // namespace

TEST(Title, EachLineFillsItsInkBox)
{
    const QImage t = pic("pic_title");
    EXPECT_EQ(inkBox(t, 0, 37), (std::vector<int>{2, 516, 1, 32}));
    EXPECT_EQ(inkBox(t, 38, 75), (std::vector<int>{0, 387, 41, 70}));
}

TEST(Title, RussianLinesGiveTheCommittedPicture)
{
    const QImage t = assets::titlePicture(u"Экспериментальное измерение"_s, u"длины световой волны"_s);
    EXPECT_EQ(t, pic("pic_title"));
}

struct TranslatedTitle {
    const char *name;
    const char16_t *first, *second;
    bool firstFillsTheWidth; // too long: narrowed, then made smaller, to fit
};

class TitleInOtherWords : public ::testing::TestWithParam<TranslatedTitle> {};

// A translated banner is drawn at the committed one's size, left-aligned,
// each line in its own half, and with a black frame all round: a line too
// long for the picture is fitted into it, never cut off at an edge.
TEST_P(TitleInOtherWords, DrawsBothLinesInsideThePicture)
{
    const TranslatedTitle &c = GetParam();
    const QImage t = assets::titlePicture(QString::fromUtf16(c.first), QString::fromUtf16(c.second));
    ASSERT_EQ(t.size(), QSize(518, 76));
    EXPECT_EQ(t.format(), QImage::Format_RGB32);
    EXPECT_NE(t, pic("pic_title"));
    for (int x = 0; x < 518; ++x) {
        EXPECT_EQ(rgbAt(t, x, 0), 0u) << "x " << x;
        EXPECT_EQ(rgbAt(t, x, 75), 0u) << "x " << x;
    }
    for (int y = 0; y < 76; ++y) {
        EXPECT_EQ(rgbAt(t, 0, y), 0u) << "y " << y;
        EXPECT_EQ(rgbAt(t, 517, y), 0u) << "y " << y;
    }

    const std::vector<int> first = inkBox(t, 0, 37), second = inkBox(t, 38, 75);
    EXPECT_EQ(first[0], 2);
    EXPECT_EQ(second[0], 2);
    EXPECT_LE(first[3], 36); // a background row stays between the lines
    EXPECT_GE(second[2], 38);
    // The outline's pale rim and the dark middle of the blue fill are there.
    int pale = 0, deepBlue = 0;
    for (int y = 0; y < 76; ++y)
        for (int x = 0; x < 518; ++x) {
            pale += near(rgbAt(t, x, y), rgb(250, 250, 254), 12);
            deepBlue += near(rgbAt(t, x, y), rgb(6, 58, 150), 16);
        }
    EXPECT_GT(pale, 150);
    EXPECT_GT(deepBlue, 100);

    if (c.firstFillsTheWidth) {
        EXPECT_GE(first[1], 514);
        EXPECT_LT(first[3] - first[2], 24); // smaller than the Russian line, 32 rows
    } else {
        EXPECT_LT(first[1], 516);
        EXPECT_GE(first[3] - first[2], 28);
    }
}

INSTANTIATE_TEST_SUITE_P(Title, TitleInOtherWords,
    ::testing::Values(TranslatedTitle{"English", u"Experimental measurement", u"of the wavelength of light", false},
        // Taller than any Russian letter above, deeper below.
        TranslatedTitle{"Accents", u"ÅÉÍ Ĵŷ ĝ", u"ÇŞ ÅÑ Ĵÿ", false},
        TranslatedTitle{"TooLong", u"Experimental measurement of the wavelength of light with a diffraction grating",
            u"of the wavelength of light", true}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

// Columns of a lens row that are not background.
std::vector<int> lensColumns(const QImage &lens, int y)
{
    std::vector<int> cols;
    for (int x = 0; x < lens.width(); ++x)
        if (rgbAt(lens, x, y) != rgb(2, 2, 2))
            cols.push_back(x);
    return cols;
}

std::vector<int> range(int a, int b)
{
    std::vector<int> v;
    for (int i = a; i <= b; ++i)
        v.push_back(i);
    return v;
}

} // namespace

TEST(Lens, OutlineWidthsAtItsMiddleAndTips)
{
    const QImage lens = pic("pic_lens");
    for (int y = 110; y <= 220; ++y)
        EXPECT_EQ(lensColumns(lens, y), range(1, 25)) << "y " << y;
    EXPECT_EQ(lensColumns(lens, 10), range(12, 14));
    EXPECT_EQ(lensColumns(lens, 316), range(12, 14));
    for (int y : {0, 5, 9, 317, 320, 322})
        EXPECT_TRUE(lensColumns(lens, y).empty()) << "y " << y;
    // Narrowing smoothly towards both tips, the same above and below row 163.
    for (int d = 1; d <= 153; ++d) {
        EXPECT_LE(lensColumns(lens, 163 - d).size(), lensColumns(lens, 164 - d).size()) << d;
        EXPECT_EQ(lensColumns(lens, 163 - d), lensColumns(lens, 163 + d)) << d;
        const auto cols = lensColumns(lens, 163 - d);
        ASSERT_FALSE(cols.empty());
        EXPECT_EQ(cols.front() + cols.back(), 26) << "centred on column 13 at d " << d;
    }
}

TEST(Lens, ColoursOfFillRimAndBackground)
{
    const QImage lens = pic("pic_lens");
    QSet<QRgb> colours;
    for (int y = 0; y < lens.height(); ++y)
        for (int x = 0; x < lens.width(); ++x)
            colours.insert(rgbAt(lens, x, y));
    EXPECT_LE(colours.size(), 111);
    EXPECT_EQ(hex(rgbAt(lens, 0, 0)), "020202");
    EXPECT_EQ(hex(rgbAt(lens, 26, 322)), "020202");
    EXPECT_TRUE(near(rgbAt(lens, 1, 163), rgb(234, 234, 234), 4));  // grey rim, left
    EXPECT_TRUE(near(rgbAt(lens, 25, 163), rgb(254, 254, 254), 4)); // white rim, right
    EXPECT_TRUE(near(rgbAt(lens, 2, 163), rgb(230, 234, 246), 6));  // pale near the left
    for (int x = 14; x <= 23; ++x)
        EXPECT_TRUE(near(rgbAt(lens, x, 163), rgb(194, 210, 238), 3)) << x; // steel blue
}

TEST(Icon, PaleFrameRunsOnePixelInsideTheEdge)
{
    const QImage icon = pic("pic_icon");
    for (int i = 1; i <= 46; ++i)
        for (const auto &[x, y] : {std::pair{i, 1}, std::pair{i, 46}, std::pair{1, i}, std::pair{46, i}})
            EXPECT_EQ(hex(rgbAt(icon, x, y)), "f0ffd4") << "x " << x << " y " << y;
    // The photograph shows outside the frame and inside it.
    EXPECT_NE(hex(rgbAt(icon, 0, 20)), "f0ffd4");
    EXPECT_NE(hex(rgbAt(icon, 24, 24)), "f0ffd4");
}

TEST(Photo, BlackFrameGreyBandWhiteAboveAndBelow)
{
    const QImage photo = pic("pic_photo");
    for (int x = 0; x < 171; ++x) {
        EXPECT_EQ(hex(rgbAt(photo, x, 0)), "000000");
        EXPECT_EQ(hex(rgbAt(photo, x, 199)), "000000");
    }
    for (int y = 0; y < 200; ++y) {
        EXPECT_EQ(hex(rgbAt(photo, 0, y)), "000000");
        EXPECT_EQ(hex(rgbAt(photo, 170, y)), "000000");
    }
    // The band's full height shows left of the apparatus and right of it;
    // the white shows above it and below it.
    for (int x : {1, 4, 167, 169}) {
        for (int y = 46; y <= 152; ++y)
            EXPECT_EQ(hex(rgbAt(photo, x, y)), "8d9290") << "x " << x << " y " << y;
        for (int y : {1, 20, 45, 153, 190, 198})
            EXPECT_EQ(hex(rgbAt(photo, x, y)), "ffffff") << "x " << x << " y " << y;
    }
}
