// Lamps, white light and the cursor on the command line, through the real
// program: the picture and state they give, the refusals, and a default
// render that does not change.
#include "program_run.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Y = 223;

class LightCli : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    bool dirEmpty() const { return QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
};

TEST_F(LightCli, AMercuryBenchWithTheCursorOnTheGreenLine)
{
    const ProgramRun run = runProgram({u"--render"_s, path("hg.png"), u"--source"_s, u"hg"_s, u"--cursor"_s, u"2.73"_s,
        u"--order"_s, u"1"_s, u"--state"_s, u"-"_s});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    const QJsonObject state = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(state[u"source"_s].toString(), u"hg"_s);
    EXPECT_EQ(state[u"cursor_y_text"_s].toString(), u"2,73"_s);
    EXPECT_EQ(state[u"distance_text"_s].toString(), u"2,73"_s);
    EXPECT_EQ(state[u"order_text"_s].toString(), u"1"_s);
    EXPECT_EQ(state[u"wavelength_text"_s].toString(), u"Hg"_s);
    EXPECT_TRUE(state[u"wavelength"_s].isNull());

    const QImage image(path("hg.png"));
    ASSERT_EQ(image.size(), QSize(945, 445));
    EXPECT_EQ(image.pixel(848, Y - 109), qRgb(33, 248, 0));    // 546 nm, order 1
    EXPECT_EQ(image.pixel(900, Y - 109), qRgb(160, 160, 160)); // the hairline
    // All its lines together, mixed through the CIE 1931 observer (worked
    // apart in Python from the same intensities): a bluish white.
    EXPECT_EQ(image.pixel(848, Y), qRgb(122, 113, 255));
}

TEST_F(LightCli, TheDefaultRenderIsTheSameWithMonoNamedAndTheCursorOnlyAddsItsRow)
{
    ASSERT_EQ(runProgram({u"--render"_s, path("a.png"), u"--state"_s, path("a.json")}).status, 0);
    ASSERT_EQ(runProgram({u"--render"_s, path("b.png"), u"--source"_s, u"mono"_s}).status, 0);
    ASSERT_EQ(runProgram({u"--render"_s, path("c.png"), u"--cursor=-1,5"_s}).status, 0);
    const QImage a(path("a.png")), b(path("b.png")), c(path("c.png"));
    EXPECT_EQ(a, b);
    for (int y = 0; y < 445; ++y) {
        for (int x = 0; x < 945; ++x) {
            if (y != Y + 60 || x < 850) {
                ASSERT_EQ(a.pixel(x, y), c.pixel(x, y)) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(c.pixel(944, Y + 60), qRgb(160, 160, 160));
    QFile json(path("a.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject state = QJsonDocument::fromJson(json.readAll()).object();
    EXPECT_EQ(state[u"source"_s].toString(), u"mono"_s);
    EXPECT_TRUE(state[u"cursor_y_text"_s].isNull());
    EXPECT_EQ(state[u"wavelength"_s].toInt(), 380);
}

// The window as documented before the sources existed: a start without
// the new options changes nothing but the source control's own place.
TEST_F(LightCli, ADefaultStartAddsOnlyTheSourceControl)
{
    const ProgramRun run = runProgram({u"--screenshot"_s, path("now.png"), u"--screen"_s, u"experiment"_s});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage now = QImage(path("now.png")).convertToFormat(QImage::Format_RGB32);
    const QImage before = QImage(QStringLiteral(GL_SOURCE_DIR "/tests/data/screen-experiment-before-sources.png"))
                              .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(now.size(), before.size());
    // «Источник света:» and its list, under the bench picture.
    const QRect control(24, 472, 322, 22);
    int changed = 0;
    for (int y = 0; y < now.height(); ++y) {
        for (int x = 0; x < now.width(); ++x) {
            if (now.pixel(x, y) != before.pixel(x, y)) {
                ++changed;
                ASSERT_TRUE(control.contains(x, y)) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(changed, 500);
}

struct Refusal {
    const char *name;
    QStringList arguments;
    const char *message;
};

class LightRefusal : public LightCli, public ::testing::WithParamInterface<Refusal> {};

TEST_P(LightRefusal, ExitTwoWithOneRussianLineAndNothingWritten)
{
    const ProgramRun run = runProgram(
        QStringList{u"--render"_s, path("x.png"), u"--state"_s, path("x.json")} + GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(QString::fromUtf8(run.err), u"gratinglab: "_s + QString::fromUtf8(GetParam().message) + u'\n');
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(dirEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cli, LightRefusal,
    ::testing::Values(Refusal{"WavelengthWithALamp", {u"--source"_s, u"hg"_s, u"--wavelength"_s, u"546"_s},
                          "--wavelength и --wavelength-text нельзя задать с --source hg: длины волн даёт источник"},
        Refusal{"WavelengthTextWithWhite", {u"--source=white"_s, u"--wavelength-text"_s, u"5"_s},
            "--wavelength и --wavelength-text нельзя задать с --source white: длины волн даёт источник"},
        Refusal{"ATaskWithALamp", {u"--source"_s, u"na"_s, u"--task"_s, u"9Б"_s, u"--variant"_s, u"1"_s},
            "--source na нельзя задать с --task: в задании свет даёт лампа задания"},
        Refusal{"UnknownSource", {u"--source"_s, u"Hg"_s},
            "--source: нужно одно из mono|white|hg|na|h|he|ne|cd, а не «Hg»"},
        Refusal{"CursorBeyondTheScale", {u"--cursor"_s, u"5,01"_s},
            "--cursor: нужно расстояние от оси в см, от -5 до 5, а не «5,01»"},
        Refusal{"CursorNotANumber", {u"--cursor"_s, u"2,7,3"_s},
            "--cursor: нужно расстояние от оси в см, от -5 до 5, а не «2,7,3»"},
        Refusal{"CursorWithTheAnswerKey", {u"--answer-key"_s, u"9Б"_s, u"--cursor"_s, u"1"_s},
            "--render и --answer-key нельзя задать вместе"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
