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

#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

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
    void write(const char *name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QJsonObject readJson(const char *name) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return QJsonDocument::fromJson(file.readAll()).object();
    }
};

// The class list and the code 4817-2593, whose variants 1..3 get 585, 577
// and 436 nm (worked out by the separate script of the folding vectors).
const QByteArray kList = "Иванов Пётр\tivanov@school.ru\r\nПетрова Анна;1042\r\nСидоров Илья\r\n";
const QByteArray kKey = "1\tИванов Пётр\t585\tнеон\tNe\n2\tПетрова Анна\t577\tртуть\tHg\n"
                        "3\tСидоров Илья\t436\tртуть\tHg\n";
// That task's teacher's file as this version writes it: a key printed from
// it must never change.
const QByteArray kTeacherFile = R"({"format": "gratinglab-teacher", "format_version": 1, "program_version": "1.0.0",
    "title": "Измерение длины световой волны", "class": "9Б", "code": "4817-2593", "created": "2025-03-14",
    "variants": 3, "pupils": [{"variant": 1, "name": "Иванов Пётр", "id": "ivanov@school.ru"},
    {"variant": 2, "name": "Петрова Анна", "id": "1042"}, {"variant": 3, "name": "Сидоров Илья", "id": ""}],
    "lines": [585, 577, 436]})";

TEST_F(TaskCli, TheKeyOfATeachersFileIsPrintedAndExported)
{
    write("9b.gratinglab-teacher", kTeacherFile);
    const ProgramRun key = runProgram({u"--answer-key"_s, path("9b.gratinglab-teacher"), u"--pdf"_s, path("key.pdf"),
        u"--moodle-xml"_s, path("quiz.xml")});
    ASSERT_EQ(key.status, 0) << key.err.toStdString();
    EXPECT_EQ(key.out, kKey);
    EXPECT_TRUE(key.err.isEmpty());
    const QString info = QString::fromUtf8(tool(u"pdfinfo"_s, {path("key.pdf")}));
    EXPECT_TRUE(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s))) << info.toStdString();
    EXPECT_TRUE(info.contains(u"595 x 842 pts (A4)"_s)) << info.toStdString();
    // Read back as text: the heading, then each row's cells in order.
    const QString words = QString::fromUtf8(tool(u"pdftotext"_s, {u"-layout"_s, path("key.pdf"), u"-"_s})).simplified();
    EXPECT_TRUE(words.contains(u"Ключ ответов: Измерение длины световой волны Класс 9Б Код задания 4817-2593 Дата "_s))
        << words.toStdString();
    for (const QString &row : QString::fromUtf8(kKey).split(u'\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(words.contains(row.split(u'\t').join(u' '))) << row.toStdString();
    QFile quiz(path("quiz.xml"));
    ASSERT_TRUE(quiz.open(QIODevice::ReadOnly));
    const QByteArray xml = quiz.readAll();
    EXPECT_EQ(xml.count("<question type=\"numerical\">"), 3);
    EXPECT_TRUE(xml.contains("<text>Вариант 2 — Петрова Анна</text>"));

    // The teacher's window as a picture takes the teacher's file only.
    const ProgramRun shot = runProgram(
        {u"--screenshot"_s, path("teacher.png"), u"--screen"_s, u"teacher"_s, path("9b.gratinglab-teacher")});
    ASSERT_EQ(shot.status, 0) << shot.err.toStdString();
    EXPECT_FALSE(QImage(path("teacher.png")).isNull());
}

// Every new task draws its own code, so the same class gets another key,
// and what the class folder gets holds none of it.
TEST_F(TaskCli, TwoNewTasksForTheSameClassDifferInCodeAndKey)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"class"_s));
    // 26 pupils: two keys alike by chance would take one permutation of 26 lines twice.
    QByteArray list = "Иванов Пётр\tivanov@school.ru\n";
    for (int i = 2; i <= 26; ++i)
        list += "Ученик " + QByteArray::number(i) + "\n";
    write("list.txt", list);
    QStringList codes, keys;
    for (const char *name : {"a.gratinglab-teacher", "b.gratinglab-teacher"}) {
        const ProgramRun made = runProgram({u"--new-task"_s, path(name), u"--class-folder"_s, path("class"),
            u"--pupils"_s, path("list.txt"), u"--class"_s, u"9Б"_s});
        ASSERT_EQ(made.status, 0) << made.err.toStdString();
        EXPECT_TRUE(QRegularExpression(u"^\\d{4}-\\d{4}\\n$"_s).match(QString::fromUtf8(made.out)).hasMatch())
            << made.out.toStdString();
        codes << QString::fromUtf8(made.out);
        const ProgramRun key = runProgram({u"--answer-key"_s, path(name)});
        ASSERT_EQ(key.status, 0) << key.err.toStdString();
        EXPECT_EQ(key.out.count('\n'), 26);
        keys << QString::fromUtf8(key.out);
    }
    EXPECT_NE(codes[0], codes[1]);
    EXPECT_NE(keys[0], keys[1]);

    // The pupils' copy names the class and the pupils, and no line of the key.
    QJsonObject task = readJson("class/a.gratinglab-task");
    EXPECT_FALSE(task.contains(u"lines"_s));
    task.remove(u"code"_s);
    const QString text = QString::fromUtf8(QJsonDocument(task).toJson());
    for (const QString &row : keys[0].split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cells = row.split(u'\t');
        for (const QString &secret : {u"(?<!\\d)%1(?!\\d)"_s.arg(cells[2]), cells[3], u"ivanov@"_s})
            EXPECT_FALSE(text.contains(QRegularExpression(secret))) << secret.toStdString();
    }
    const ProgramRun wrong = runProgram(
        {u"--screenshot"_s, path("pupils.png"), u"--screen"_s, u"teacher"_s, path("class/a.gratinglab-task")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_FALSE(QFile::exists(path("pupils.png")));
}

// What a pupil holds, edited to pass for a teacher's file (the format, a
// date and empty IDs), opens no key; nor do lines that are not the code's.
TEST_F(TaskCli, AnEditedTaskFileOrMadeUpLinesGiveNoKey)
{
    write("edited.gratinglab-teacher", QByteArray(kTeacherFile).replace(",\n    \"lines\": [585, 577, 436]", ""));
    write("swapped.gratinglab-teacher", QByteArray(kTeacherFile).replace("[585, 577, 436]", "[436, 577, 585]"));
    for (const auto &[name, said] : {std::pair{"edited.gratinglab-teacher", u"нет линий ключа"_s},
             std::pair{"swapped.gratinglab-teacher", u"линии ключа в нём не те"_s}}) {
        for (const QString &mode : {u"--answer-key"_s, u"--teacher"_s}) {
            const ProgramRun run = runProgram({mode, path(name)});
            EXPECT_EQ(run.status, 2) << name;
            EXPECT_TRUE(run.out.isEmpty()) << name;
            EXPECT_TRUE(run.err.startsWith("gratinglab: ")) << run.err.toStdString();
            EXPECT_TRUE(QString::fromUtf8(run.err).contains(said)) << run.err.toStdString();
        }
    }
}

// The pupil's start from the task file: the name picks the variant, and the
// window is the one a typed code and variant give.
TEST_F(TaskCli, ATaskFileAndANameStartThatNamesVariant)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"class"_s));
    write("list.txt", kList);
    const ProgramRun made = runProgram({u"--new-task"_s, path("t.gratinglab-teacher"), u"--class-folder"_s,
        path("class"), u"--pupils"_s, path("list.txt")});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    const QString code = QString::fromUtf8(made.out).trimmed();
    const QString file = path("class/t.gratinglab-task");
    const ProgramRun fromFile = runProgram(
        {u"--screenshot"_s, path("file.png"), u"--screen"_s, u"experiment"_s, file, u"--pupil"_s, u" петрова  анна"_s});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
    const ProgramRun typed = runProgram({u"--screenshot"_s, path("typed.png"), u"--screen"_s, u"experiment"_s,
        u"--task"_s, code, u"--variant"_s, u"2"_s, u"--pupil"_s, u"Петрова Анна"_s});
    ASSERT_EQ(typed.status, 0) << typed.err.toStdString();
    EXPECT_EQ(QImage(path("file.png")), QImage(path("typed.png")));

    const ProgramRun stranger = runProgram({file, u"--pupil"_s, u"Петров Иван"_s});
    EXPECT_EQ(stranger.status, 2);
    EXPECT_EQ(stranger.err, "gratinglab: --pupil: «Петров Иван» нет в списке класса этого задания.\n");
}

// Without the teacher's file there is no key, whatever else is given.
TEST_F(TaskCli, TheKeyNeedsTheTeachersFile)
{
    const ProgramRun code = runProgram({u"--answer-key"_s, u"9Б"_s});
    EXPECT_EQ(code.status, 2);
    EXPECT_TRUE(code.out.isEmpty());
    EXPECT_EQ(code.err,
        "gratinglab: --answer-key: Не удалось прочитать файл «9Б»: такого файла нет. Ключ ответов "
        "выдаётся только по файлу учителя (.gratinglab-teacher), который записывают окно учителя и "
        "--new-task.\n");
}

// The cursor is always on in a task; the plain bench turns it on.
TEST_F(TaskCli, TheRenderOfATaskIsTheBenchAtTheLineWithTheWavelengthLeftOut)
{
    const ProgramRun task = runProgram({u"--render"_s, path("task.png"), u"--task"_s, u"9б"_s, u"--variant"_s, u"6"_s,
        u"--order"_s, u"-1"_s, u"--grating"_s, u"1,5"_s, u"--cursor"_s, u"1,5"_s, u"--state"_s, path("task.json")});
    ASSERT_EQ(task.status, 0) << task.err.toStdString();
    const ProgramRun plain = runProgram({u"--render"_s, path("plain.png"), u"--wavelength"_s, u"589"_s, u"--order"_s,
        u"-1"_s, u"--grating"_s, u"1,5"_s, u"--cursor"_s, u"1,5"_s, u"--state"_s, path("plain.json")});
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
    // y is the cursor's read-out and k is left to the pupil, not the selected maximum's.
    EXPECT_EQ(t[u"distance_text"_s].toString(), u"1,50"_s);
    EXPECT_EQ(t[u"order_text"_s].toString(), QString());
    EXPECT_EQ(p[u"order_text"_s].toString(), u"1"_s);
    for (const char *key : {"wavelength", "wavelength_text", "distance_text", "order_text"}) {
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
        {u"--answer-key"_s, u"9Б"_s, u"--variants"_s, u"6"_s, u"--pdf"_s, pdf},
        {u"--answer-key"_s, u"9Б"_s, u"--pdf"_s, pdf},
        {u"--answer-key"_s, dir.path(), u"--moodle-xml"_s, path("quiz.xml")},
        {u"--answer-key"_s, u"9Б"_s, u"--bogus"_s},
        {u"--new-task"_s, path("t.gratinglab-teacher"), u"--class-folder"_s, path("missing"), u"--variants"_s, u"3"_s},
        {u"--new-task"_s, path("t.gratinglab-teacher"), u"--class-folder"_s, dir.path()},
        {u"--new-task"_s, path("t.gratinglab-teacher"), u"--class-folder"_s, dir.path(), u"--variants"_s, u"3"_s,
            u"--pupils"_s, path("list.txt")},
        {u"--new-task"_s, path("t.gratinglab-teacher"), u"--class-folder"_s, dir.path(), u"--pupils"_s,
            path("list.txt")},
        {u"--new-task"_s, path("t.gratinglab-teacher"), u"--class-folder"_s, dir.path(), u"--variants"_s, u"100"_s},
        {u"--new-task"_s, path("t.gratinglab-teacher"), u"--class-folder"_s, dir.path(), u"--variants"_s, u"3"_s,
            u"--code"_s, QString(33, u'Ж')},
        {u"--new-task"_s, path("missing/t.gratinglab-teacher"), u"--class-folder"_s, dir.path(), u"--variants"_s,
            u"3"_s},
        {path("nothing.gratinglab-task")},
        {path("nothing.gratinglab-task"), u"--teacher"_s},
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
    const ProgramRun run = runProgram({u"--screenshot"_s, path("task.png"), u"--screen"_s, u"experiment"_s, u"--task"_s,
        u"9Б"_s, u"--variant"_s, u"6"_s, u"--pupil"_s, u"Иванов Пётр"_s});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains("589") || run.err.contains("589")) << run.err.toStdString();
    EXPECT_EQ(QImage(path("task.png")).size(), QSize(992, 665));

    const ProgramRun help = runProgram({u"--help"_s});
    for (const char *line : {"gratinglab [--task [КОД] [--variant N] [--pupil ИМЯ]]",
             "gratinglab ФАЙЛ.gratinglab-task [--pupil ИМЯ | --variant N]",
             "gratinglab --answer-key ФАЙЛ.gratinglab-teacher [--pdf ФАЙЛ] [--moodle-xml ФАЙЛ]",
             "gratinglab --render ФАЙЛ.png --task КОД --variant N"})
        EXPECT_TRUE(help.out.contains(line)) << line;
    EXPECT_FALSE(help.out.contains("--answer-key КОД"));
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
        const QImage documented = QImage(
            QStringLiteral(GL_SOURCE_DIR "/docs/screen-%1.png").arg(QString::fromUtf8(screen)))
                                      .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(documented.isNull()) << screen;
        EXPECT_EQ(shot, documented) << screen;
    }
}

// LANGUAGE=en on a Russian locale: every screen, the teacher's window too,
// is drawn in English (no longer the documented Russian picture).
TEST_F(TaskCli, EveryScreenIsDrawnInEnglish)
{
    write("9b.gratinglab-teacher", kTeacherFile);
    for (const char *screen : {"title", "procedure", "experiment", "journal", "teacher"}) {
        const QString out = path("screen.png");
        QStringList arguments{u"--screenshot"_s, out, u"--screen"_s, QString::fromUtf8(screen)};
        if (qstrcmp(screen, "teacher") == 0)
            arguments << path("9b.gratinglab-teacher");
        const ProgramRun run = runProgram(arguments, u"ru_RU.UTF-8"_s, {u"LANGUAGE=en"_s});
        ASSERT_EQ(run.status, 0) << screen << ": " << run.err.toStdString();
        const QImage shot = QImage(out).convertToFormat(QImage::Format_RGB32);
        const QImage russian = QImage(
            QStringLiteral(GL_SOURCE_DIR "/docs/screen-%1.png").arg(QString::fromUtf8(screen)))
                                   .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(shot.isNull() || russian.isNull()) << screen;
        EXPECT_NE(shot, russian) << screen;
    }
}

} // namespace
