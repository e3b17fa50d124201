// The render mode as a user runs it: the real program, its exit status, its
// stderr and the files it leaves behind.
#include "program_run.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QJsonDocument::fromJson(file.readAll()).object();
}

std::vector<int> ints(const QJsonValue &value)
{
    std::vector<int> out;
    for (const auto &v : value.toArray())
        out.push_back(v.toInt());
    return out;
}

std::string str(const QJsonValue &value)
{
    return value.toString().toStdString();
}

constexpr QRgb kRayGrey = 0xffb4b4b4;
constexpr QRgb kCurveGrey = 0xff787878;
constexpr QRgb kViolet = 0xffb600b6;

class RenderMode : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString png = dir.filePath(QStringLiteral("bench.png"));
    QString json = dir.filePath(QStringLiteral("state.json"));
};

TEST_F(RenderMode, StartUpBenchWithEveryReadOut)
{
    const ProgramRun run = runProgram({QStringLiteral("--render"), png, QStringLiteral("--state"), json});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(945, 445));
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_EQ(image.pixel(847, 147), kRayGrey);   // ray to order 1
    EXPECT_EQ(image.pixel(820, 223), kViolet);    // central maximum
    EXPECT_EQ(image.pixel(767, 225), kCurveGrey); // curve trough
    EXPECT_EQ(image.pixel(500, 223), 0xffffffff); // axis

    const QJsonObject s = readJson(json);
    QStringList keys = s.keys();
    keys.sort();
    EXPECT_EQ(keys.join(u' ').toStdString(),
        "arc_down_visible arc_up_visible cursor_y_text distance_text error grating grating_text lengths "
        "light_colour order order_text phi_top source targets wavelength wavelength_text");
    EXPECT_EQ(s[QStringLiteral("wavelength")].toInt(), 380);
    EXPECT_EQ(str(s[QStringLiteral("wavelength_text")]), "380");
    EXPECT_EQ(s[QStringLiteral("grating")].toDouble(), 1.0);
    EXPECT_EQ(str(s[QStringLiteral("grating_text")]), "1,0");
    EXPECT_EQ(s[QStringLiteral("order")].toInt(), 1);
    EXPECT_EQ(str(s[QStringLiteral("distance_text")]), "1,90");
    EXPECT_EQ(str(s[QStringLiteral("order_text")]), "1");
    EXPECT_EQ(ints(s[QStringLiteral("lengths")]), (std::vector<int>{80, 52, 8, 8, 8, 8, 8, 8, 8}));
    EXPECT_TRUE(s[QStringLiteral("arc_up_visible")].toBool());
    EXPECT_FALSE(s[QStringLiteral("arc_down_visible")].toBool());
    EXPECT_EQ(s[QStringLiteral("phi_top")].toInt(), 185);
    EXPECT_EQ(ints(s[QStringLiteral("light_colour")]), (std::vector<int>{182, 0, 182}));
    EXPECT_TRUE(s[QStringLiteral("error")].isNull());

    const QJsonObject t = s[QStringLiteral("targets")].toObject();
    EXPECT_EQ(t.size(), 17);
    EXPECT_EQ(ints(t[QStringLiteral("Img0")]), (std::vector<int>{784, 233, 80, 10}));
    EXPECT_EQ(ints(t[QStringLiteral("Img1u")]), (std::vector<int>{812, 157, 52, 10}));
    EXPECT_EQ(ints(t[QStringLiteral("Img1d")]), (std::vector<int>{812, 309, 52, 10}));
    EXPECT_EQ(ints(t[QStringLiteral("Img3u")]), (std::vector<int>{856, 5, 8, 10}));
    EXPECT_EQ(ints(t[QStringLiteral("Img8d")]), (std::vector<int>{856, 841, 8, 10}));
}

struct GlowCase {
    const char *name;
    const char *key;
    int hueFrom, hueTo;   // degrees, inclusive; through red when From > To
    double maxSaturation; // HSV
};

void PrintTo(const GlowCase &c, std::ostream *os)
{
    *os << c.name;
}

class LampGlow : public RenderMode, public ::testing::WithParamInterface<GlowCase> {};

// The rays and the central maximum take the lamp's light as the eye sees it,
// its lines mixed through the CIE 1931 observer into sRGB.
TEST_P(LampGlow, RaysAndCentralMaximumHaveTheLampsColour)
{
    const GlowCase &c = GetParam();
    const ProgramRun run = runProgram(
        {QStringLiteral("--render"), png, QStringLiteral("--source"), QString::fromLatin1(c.key)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(png);
    // A row off the axis, which the cursor's ray at 0 covers; the first
    // incident ray at d = 1,0 runs along row 80.
    const QColor glow = image.pixelColor(800, 222);
    EXPECT_EQ(image.pixelColor(30, 80), glow);
    const int hue = glow.hsvHue();
    const bool inRange = c.hueFrom <= c.hueTo ? hue >= c.hueFrom && hue <= c.hueTo : hue >= c.hueFrom || hue <= c.hueTo;
    EXPECT_TRUE(inRange) << hue << " in " << glow.name().toStdString();
    EXPECT_LE(glow.hsvSaturationF(), c.maxSaturation) << glow.name().toStdString();
    EXPECT_EQ(glow.value(), 255); // normalised to the brightest channel
}

// Helium's range is the one real tubes are described in, pale pink to peach;
// NIST's relative intensities give its pink end. Sodium's D lines sit at the
// orange edge of yellow (sRGB has no purer yellow of 589 nm).
INSTANTIATE_TEST_SUITE_P(Lamps, LampGlow,
    ::testing::Values(GlowCase{"HydrogenPinkMagenta", "h", 275, 330, 1.0},
        GlowCase{"HeliumPinkToPeach", "he", 330, 40, 0.5}, GlowCase{"NeonOrangeRed", "ne", 5, 25, 1.0},
        GlowCase{"SodiumYellow", "na", 28, 60, 1.0}, GlowCase{"MercuryBlueWhite", "hg", 200, 260, 0.6}),
    [](const auto &info) { return std::string(info.param.name); });

struct SequenceCase {
    const char *name;
    std::vector<const char *> args;
    int wavelength;
    const char *wavelengthText;
    double grating;
    const char *gratingText;
    int order;
    const char *distance;
    const char *orderText;
    std::vector<int> lengths;
    std::vector<int> light;
    bool arcUp, arcDown;
    int phiTop;
};

void PrintTo(const SequenceCase &c, std::ostream *os)
{
    *os << c.name;
}

class RenderSequence : public RenderMode, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(RenderSequence, ReadOutsAfterTheSteps)
{
    const SequenceCase &c = GetParam();
    QStringList args{QStringLiteral("--render"), png, QStringLiteral("--state"), json};
    for (const char *a : c.args)
        args.append(QString::fromUtf8(a));
    const ProgramRun run = runProgram(args);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    const QJsonObject s = readJson(json);
    EXPECT_EQ(s[QStringLiteral("wavelength")].toInt(), c.wavelength);
    EXPECT_EQ(str(s[QStringLiteral("wavelength_text")]), c.wavelengthText);
    EXPECT_EQ(s[QStringLiteral("grating")].toDouble(), c.grating);
    EXPECT_EQ(str(s[QStringLiteral("grating_text")]), c.gratingText);
    EXPECT_EQ(s[QStringLiteral("order")].toInt(), c.order);
    EXPECT_EQ(str(s[QStringLiteral("distance_text")]), c.distance);
    EXPECT_EQ(str(s[QStringLiteral("order_text")]), c.orderText);
    EXPECT_EQ(ints(s[QStringLiteral("lengths")]), c.lengths);
    EXPECT_EQ(ints(s[QStringLiteral("light_colour")]), c.light);
    EXPECT_EQ(s[QStringLiteral("arc_up_visible")].toBool(), c.arcUp);
    EXPECT_EQ(s[QStringLiteral("arc_down_visible")].toBool(), c.arcDown);
    EXPECT_EQ(s[QStringLiteral("phi_top")].toInt(), c.phiTop);
    EXPECT_TRUE(s[QStringLiteral("error")].isNull());
    EXPECT_EQ(QImage(png).size(), QSize(945, 445));
}

INSTANTIATE_TEST_SUITE_P(Cli, RenderSequence,
    ::testing::Values(
        SequenceCase{"Green500AtD2", {"--wavelength", "500", "--grating", "2.0"}, 500, "500", 2.0000000000000009, "2",
            1, "1,25", "1", {80, 73, 52, 28, 8, 8, 8, 8, 8}, {0, 248, 165}, true, false, 185},
        SequenceCase{"Red760", {"--wavelength", "760"}, 760, "760", 1.0, "1,0", 1, "3,80", "1",
            {80, 53, 53, 53, 53, 53, 53, 53, 53}, {114, 0, 0}, true, false, 185},
        SequenceCase{"Order7AtD3", {"--grating", "3", "--order", "7"}, 380, "380", 3.0, "3", 7, "4,43", "7",
            {80, 77, 67, 52, 36, 20, 8, 2, 1}, {182, 0, 182}, true, false, 185},
        SequenceCase{"Order8FallsBack", {"--grating", "3,0", "--order", "8"}, 380, "380", 3.0, "3", 1, "0,63", "1",
            {80, 77, 67, 52, 36, 20, 8, 2, 1}, {182, 0, 182}, true, false, 185},
        SequenceCase{"OrderMinus1", {"--order", "-1"}, 380, "380", 1.0, "1,0", -1, "-1,90", "1",
            {80, 52, 8, 8, 8, 8, 8, 8, 8}, {182, 0, 182}, false, true, 270},
        SequenceCase{"Central", {"--order=0"}, 380, "380", 1.0, "1,0", 0, "0,00", "0", {80, 52, 8, 8, 8, 8, 8, 8, 8},
            {182, 0, 182}, false, false, 2000},
        // Two spinner steps carry the representation error that the text hides.
        SequenceCase{"SpinnerStepsNotParsedValue", {"--grating", "1,2"}, 380, "380", 1.2000000000000002, "1,2", 1,
            "1,58", "1", {80, 60, 20, 1, 1, 1, 1, 1, 1}, {182, 0, 182}, true, false, 185},
        SequenceCase{"HalfTieRoundsDownAfterSteps", {"--wavelength", "450", "--grating", "1.2"}, 450, "450",
            1.2000000000000002, "1,2", 1, "1,87", "1", {80, 60, 20, 20, 20, 20, 20, 20, 20}, {0, 102, 249}, true, false,
            185},
        SequenceCase{"TypedTextSetsTheDistancesNotTheColour", {"--wavelength-text", "$17C", "--wavelength", "600"}, 600,
            "$17C", 1.0, "1,0", 1, "1,90", "1", {80, 68, 39, 39, 39, 39, 39, 39, 39}, {248, 220, 0}, true, false, 185},
        SequenceCase{"HugeTypedWavelengthEnds", {"--wavelength-text", "2147483647", "--order", "5"}, 380, "2147483647",
            1.0, "1,0", 1, "1,07E07", "1", {80, 0, 0, 0, 0, 0, 0, 0, 0}, {182, 0, 182}, true, false, 185}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RenderMode, TypedNonIntegerWritesThePartialBenchAndFails)
{
    const ProgramRun run = runProgram({QStringLiteral("--render"), png, QStringLiteral("--wavelength-text"),
        QStringLiteral("4a0"), QStringLiteral("--order"), QStringLiteral("2"), QStringLiteral("--state"), json});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.toStdString(), "'4a0' is not a valid integer value.\n");

    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(945, 445));
    EXPECT_EQ(image.pixel(820, 223), kViolet);    // central maximum drawn
    EXPECT_EQ(image.pixel(830, 147), 0xff000000); // order 1 not
    EXPECT_NE(image.pixel(847, 147), kRayGrey);   // nor the ray
    EXPECT_NE(image.pixel(126, 223), kRayGrey);

    const QJsonObject s = readJson(json);
    EXPECT_EQ(str(s[QStringLiteral("error")]), "'4a0' is not a valid integer value.");
    EXPECT_EQ(s[QStringLiteral("order")].toInt(), 2);
    EXPECT_EQ(str(s[QStringLiteral("distance_text")]), "1,90"); // from start-up
    EXPECT_EQ(str(s[QStringLiteral("order_text")]), "1");
    EXPECT_EQ(str(s[QStringLiteral("wavelength_text")]), "4a0");
    EXPECT_EQ(ints(s[QStringLiteral("targets")].toObject()[QStringLiteral("Img1u")]),
        (std::vector<int>{812, 157, 52, 10}));
}

TEST_F(RenderMode, StateToStandardOutput)
{
    const ProgramRun run = runProgram({QStringLiteral("--render"), png, QStringLiteral("--state"), QStringLiteral("-"),
                                          QStringLiteral("--grating"), QStringLiteral("1.5")},
        QStringLiteral("C"));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    const QJsonObject s = QJsonDocument::fromJson(run.out).object();
    // A point locale writes points; either mark is taken on the command line.
    EXPECT_EQ(str(s[QStringLiteral("grating_text")]), "1.5");
    EXPECT_EQ(str(s[QStringLiteral("distance_text")]), "1.27");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("-"))));
}

struct BadCase {
    const char *name;
    std::vector<const char *> args; // @PNG and @JSON stand for files in a fresh directory
    const char *message = nullptr;  // the whole of stderr, where it is pinned
    const char *locale = "ru_RU.UTF-8";
};

void PrintTo(const BadCase &c, std::ostream *os)
{
    *os << c.name;
}

class BadArguments : public RenderMode, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadArguments, OneLineExitTwoNothingWritten)
{
    QStringList args;
    for (const char *a : GetParam().args) {
        QString arg = QString::fromUtf8(a);
        arg.replace(QStringLiteral("@PNG"), png).replace(QStringLiteral("@JSON"), json);
        args.append(arg);
    }
    const ProgramRun run = runProgram(args, QString::fromLatin1(GetParam().locale));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("gratinglab: ")) << run.err.toStdString();
    if (GetParam().message) {
        EXPECT_EQ(run.err.toStdString(), GetParam().message);
    }
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

INSTANTIATE_TEST_SUITE_P(Cli, BadArguments,
    ::testing::Values(BadCase{"Wavelength379", {"--render", "@PNG", "--state", "@JSON", "--wavelength", "379"}},
        BadCase{"Wavelength761", {"--render", "@PNG", "--wavelength", "761"}},
        BadCase{"WavelengthNotANumber", {"--render", "@PNG", "--wavelength", "5OO"}},
        BadCase{"GratingOffTheGrid", {"--render", "@PNG", "--grating", "1.05"}},
        BadCase{"GratingBelowRange", {"--render", "@PNG", "--grating", "0.9"}},
        BadCase{"GratingAboveRange", {"--render", "@PNG", "--grating", "3.1"}},
        BadCase{"GratingNotANumber", {"--render", "@PNG", "--grating", "2,x"}},
        BadCase{"GratingNan", {"--render", "@PNG", "--grating", "nan"}},
        BadCase{"Order9", {"--render", "@PNG", "--order", "9"}},
        BadCase{"OrderMinus9", {"--render", "@PNG", "--order", "-9"}},
        BadCase{"OrderNotWhole", {"--render", "@PNG", "--order", "1.0"}},
        BadCase{"OrderTwice", {"--render", "@PNG", "--order", "1", "--order", "2"}},
        BadCase{"UnknownOption", {"--render", "@PNG", "--bogus"},
            "gratinglab: неизвестный параметр --bogus (см. --help)\n"},
        // Refused before the program has an application object, and still in
        // the language asked for; a language it does not know cannot choose.
        BadCase{"UnknownOptionInEnglish", {"--bogus", "--render", "@PNG", "--language=en"},
            "gratinglab: unknown option --bogus (see --help)\n"},
        BadCase{"MissingValueInTheLocalesEnglish", {"--render", "@PNG", "--order"},
            "gratinglab: option --order needs a value (see --help)\n", "en_US.UTF-8"},
        BadCase{"UnknownLanguageInTheLocalesEnglish", {"--render", "@PNG", "--language", "fr"},
            "gratinglab: unknown language «fr»: --language accepts ru, en, uk or kk\n", "en_GB.UTF-8"},
        BadCase{"UnknownLanguageInRussian", {"--render", "@PNG", "--language", "fr"},
            "gratinglab: неизвестный язык «fr»: --language принимает ru, en, uk или kk\n"},
        BadCase{"WavelengthInEnglish", {"--render", "@PNG", "--wavelength", "761", "--language", "en"},
            "gratinglab: --wavelength: a whole number from 380 to 760 is needed, not «761»\n"},
        BadCase{"StrayArgument", {"--render", "@PNG", "extra"}},
        BadCase{"MissingValue", {"--render", "@PNG", "--order"}},
        BadCase{"NoRender", {"--state", "@JSON", "--order", "2"}},
        BadCase{"UnwritableState", {"--render", "@PNG", "--state", "@PNG.d/state.json"}},
        BadCase{"UnwritableImage", {"--render", "@PNG.d/bench.png", "--state", "@JSON"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RenderModeInfo, HelpAndVersion)
{
    const ProgramRun help = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Использование:\n")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("gratinglab --render ФАЙЛ.png [--wavelength НМ]")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("gratinglab --screenshot ФАЙЛ.png [--screen title|procedure|experiment|journal]"));
    // The help follows the chosen language: English holds no Cyrillic at all.
    for (const char *language : {"en", "uk", "kk"}) {
        const ProgramRun translated = runProgram(
            {QStringLiteral("--help"), QStringLiteral("--language"), QString::fromLatin1(language)});
        EXPECT_EQ(translated.status, 0);
        EXPECT_NE(translated.out, help.out) << language;
        if (std::string_view(language) == "en") {
            EXPECT_FALSE(QString::fromUtf8(translated.out).contains(QRegularExpression(QStringLiteral("[А-яЁё]"))))
                << translated.out.toStdString();
        }
    }
    const ProgramRun version = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^gratinglab \\d+\\.\\d+\\.\\d+\\n$"))
                    .match(QString::fromUtf8(version.out))
                    .hasMatch())
        << version.out.toStdString();
}

} // namespace
