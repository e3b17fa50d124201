// The classroom task on the command line, through the real program: the
// teacher's answer key, the task's bench picture, the refusals, and a start
// without the new options that is the same window as before, pixel for pixel.
#include "program_run.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// 9Б after normalisation, from the independently computed vectors.
const QByteArray kKeyOf9B = "1\t410\tводород\tH\n2\t577\tртуть\tHg\n3\t579\tртуть\tHg\n4\t656\tводород\tH\n"
                            "5\t703\tнеон\tNe\n6\t589\tнатрий\tNa\n";

QByteArray tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return process.readAllStandardOutput();
}

class TaskCli : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    bool dirEmpty() const { return QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
};

TEST_F(TaskCli, TheAnswerKeyOnStdoutAndAsAOnePageA4Pdf)
{
    const ProgramRun six = runProgram({u"--answer-key"_s, u" 9б "_s, u"--variants"_s, u"6"_s});
    ASSERT_EQ(six.status, 0) << six.err.toStdString();
    EXPECT_EQ(six.out, kKeyOf9B);
    EXPECT_TRUE(six.err.isEmpty());
    EXPECT_EQ(runProgram({u"--answer-key=9Б"_s}).out.count('\n'), 30); // the default

    const ProgramRun all = runProgram({u"--answer-key"_s, u"9Б"_s, u"--variants=99"_s, u"--pdf"_s, path("key.pdf")});
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.startsWith(kKeyOf9B));
    EXPECT_TRUE(all.out.endsWith("99\t535\tталлий\tTl\n"));
    const QString info = QString::fromUtf8(tool(u"pdfinfo"_s, {path("key.pdf")}));
    EXPECT_TRUE(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s))) << info.toStdString();
    EXPECT_TRUE(info.contains(u"595 x 842 pts (A4)"_s)) << info.toStdString();
    // Read back as text, each row is the same variant, nm, element and symbol.
    const QString text = QString::fromUtf8(tool(u"pdftotext"_s, {u"-layout"_s, path("key.pdf"), u"-"_s}));
    EXPECT_TRUE(text.contains(u"Ключ ответов: контрольное задание «9Б»"_s)) << text.toStdString();
    const QString words = text.simplified();
    for (const QString &row : QString::fromUtf8(all.out).split(u'\n', Qt::SkipEmptyParts)) {
        const QString cells = row.split(u'\t').join(u' ');
        EXPECT_TRUE(words.contains(QRegularExpression(u"(^| )"_s + QRegularExpression::escape(cells) + u"( |$)"_s)))
            << cells.toStdString();
    }
}

TEST_F(TaskCli, TheRenderOfATaskIsTheBenchAtTheLineWithTheWavelengthLeftOut)
{
    const ProgramRun task = runProgram({u"--render"_s, path("task.png"), u"--task"_s, u"9б"_s, u"--variant"_s,
                                        u"6"_s, u"--order"_s, u"-1"_s, u"--grating"_s, u"1,5"_s, u"--state"_s,
                                        path("task.json")});
    ASSERT_EQ(task.status, 0) << task.err.toStdString();
    const ProgramRun plain = runProgram({u"--render"_s, path("plain.png"), u"--wavelength"_s, u"589"_s,
                                         u"--order"_s, u"-1"_s, u"--grating"_s, u"1,5"_s, u"--state"_s,
                                         path("plain.json")});
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_EQ(QImage(path("task.png")), QImage(path("plain.png")));

    QFile taskFile(path("task.json")), plainFile(path("plain.json"));
    ASSERT_TRUE(taskFile.open(QIODevice::ReadOnly) && plainFile.open(QIODevice::ReadOnly));
    QJsonObject t = QJsonDocument::fromJson(taskFile.readAll()).object();
    QJsonObject p = QJsonDocument::fromJson(plainFile.readAll()).object();
    EXPECT_EQ(t.take(u"task"_s).toObject(), (QJsonObject{{u"code"_s, u"9Б"_s}, {u"variant"_s, 6}}));
    EXPECT_TRUE(t[u"wavelength"_s].isNull());
    EXPECT_TRUE(t[u"wavelength_text"_s].isNull());
    EXPECT_EQ(p[u"wavelength"_s].toInt(), 589);
    for (const char *key : {"wavelength", "wavelength_text"}) {
        t.remove(QString::fromUtf8(key));
        p.remove(QString::fromUtf8(key));
    }
    EXPECT_EQ(t, p); // every other read-out as for the slider at 589 nm
}

TEST_F(TaskCli, BadTaskArgumentsGiveOneLineExitTwoAndWriteNothing)
{
    const QString png = path("bench.png");
    const QString pdf = path("key.pdf");
    const std::vector<QStringList> cases{
        {u"--task"_s, u"9Б"_s, u"--variant"_s, u"0"_s},
        {u"--task"_s, u"9Б"_s, u"--variant"_s, u"100"_s},
        {u"--task="_s, u"--variant"_s, u"1"_s},
        {u"--task"_s, QString(33, u'Ж'), u"--variant"_s, u"1"_s},
        {u"--task"_s, u"9Б"_s, u"--variant"_s, u"1"_s, u"--pupil"_s, QString(61, u'я')},
        {u"--task"_s, u"9Б"_s, u"--variant"_s},
        {u"--variant"_s, u"3"_s},
        {u"--task"_s, u"9Б"_s, u"--variant"_s, u"1"_s, u"--task"_s, u"9А"_s},
        {u"--render"_s, png, u"--task"_s, u"9Б"_s, u"--variant"_s, u"1"_s, u"--wavelength"_s, u"500"_s},
        {u"--render"_s, png, u"--task"_s, u"9Б"_s, u"--variant"_s, u"1"_s, u"--wavelength-text"_s, u"500"_s},
        {u"--render"_s, png, u"--task"_s, u"9Б"_s},
        {u"--render"_s, png, u"--task"_s, u"9Б"_s, u"--variant"_s, u"1"_s, u"--pupil"_s, u"Иванов"_s},
        {u"--screenshot"_s, png, u"--task"_s},
        {u"--answer-key"_s, u""_s},
        {u"--answer-key"_s, u"9Б"_s, u"--variants"_s, u"100"_s, u"--pdf"_s, pdf},
        {u"--answer-key"_s, u"9Б"_s, u"--variants"_s, u"0"_s},
        {u"--answer-key"_s, u"9Б"_s, u"--bogus"_s},
        {u"--answer-key"_s, u"9Б"_s, u"--pdf"_s, path("missing/key.pdf")},
    };
    for (const QStringList &args : cases) {
        const ProgramRun run = runProgram(args);
        const std::string what = args.join(u' ').toStdString();
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.err.count('\n'), 1) << what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("gratinglab: ")) << what;
        EXPECT_TRUE(run.out.isEmpty()) << what;
        EXPECT_TRUE(dirEmpty()) << what;
    }
}

TEST_F(TaskCli, TheTaskWindowPrintsNothingAndTheHelpListsTheOptions)
{
    const ProgramRun run = runProgram({u"--screenshot"_s, path("task.png"), u"--screen"_s, u"experiment"_s,
                                       u"--task"_s, u"9Б"_s, u"--variant"_s, u"6"_s, u"--pupil"_s, u"Иванов Пётр"_s});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains("589") || run.err.contains("589")) << run.err.toStdString();
    EXPECT_EQ(QImage(path("task.png")).size(), QSize(992, 665));

    const ProgramRun help = runProgram({u"--help"_s});
    for (const char *line : {"gratinglab [--task [КОД] [--variant N] [--pupil ИМЯ]]",
                             "gratinglab --answer-key КОД [--variants N] [--pdf ФАЙЛ]",
                             "gratinglab --render ФАЙЛ.png --task КОД --variant N"})
        EXPECT_TRUE(help.out.contains(line)) << line;
}

// The documentation's pictures were drawn before the task existed; a start
// without its options must still draw exactly them.
TEST_F(TaskCli, AStartWithoutTheNewOptionsDrawsTheDocumentedScreens)
{
    for (const char *screen : {"title", "procedure", "experiment"}) {
        const QString out = path("screen.png");
        const ProgramRun run = runProgram({u"--screenshot"_s, out, u"--screen"_s, QString::fromUtf8(screen)});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QImage shot = QImage(out).convertToFormat(QImage::Format_RGB32);
        const QImage documented =
            QImage(QStringLiteral(GL_SOURCE_DIR "/docs/screen-%1.png").arg(QString::fromUtf8(screen)))
                .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(documented.isNull()) << screen;
        EXPECT_EQ(shot, documented) << screen;
    }
}

} // namespace
