// The class report through the real program: the table on stdout, every
// file that does not count on stderr with its reason, the three files
// written, and exit status 2 only for the teacher's file or the arguments.
#include "class_results_csv.h"
#include "program_run.h"
#include "result_samples.h"
#include "task_files.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using samples::Sodium;

namespace {

QByteArray tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return process.readAllStandardOutput();
}

class ClassReportCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path(u"class/Результаты"_s)) && QDir().mkpath(path(u"usb"_s)));
        samples::write(teacher(), classroom::taskFileBytes(samples::task9B(), classroom::TaskFileKind::Teacher));
    }
    QString path(const QString &relative) const { return dir.filePath(relative); }
    QString teacher() const { return path(u"9b.gratinglab-teacher"_s); }
    void put(const QString &relative, const QByteArray &bytes) { samples::write(path(relative), bytes); }

    QTemporaryDir dir;
};

TEST_F(ClassReportCli, PrintsTheTableListsTheMisfitsAndWritesTheFiles)
{
    const auto bytes = [](const classroom::ResultFile &r) { return classroom::resultFileBytes(r); };
    put(u"class/Результаты/ivanov.gratinglab-result"_s,
        bytes(samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right})));
    put(u"class/Результаты/ivanov-2.gratinglab-result"_s,
        bytes(samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic})));
    QByteArray forged = bytes(samples::result(5, u"Дмитриев Олег"_s, {Sodium::OffTheLine}));
    forged.replace("\"verdict\": \"Неверно !\"", "\"verdict\": \"Верно !\"");
    put(u"class/Результаты/dmitriev.gratinglab-result"_s, forged);
    classroom::ResultFile otherTask = samples::result(2, u"Борисова Мария"_s, {Sodium::Right});
    otherTask.code = u"9А"_s;
    put(u"class/Результаты/borisova.gratinglab-result"_s, bytes(otherTask));
    put(u"class/Результаты/broken.gratinglab-result"_s, R"({"format": "gratinglab-result", "version": 1})");
    // Variant 1 has the hydrogen line, 410 nm: at d = 2, k = 1 the cursor on
    // its maximum, 41 rows up, reads 1,03 cm, and the formula gives 412 nm.
    classroom::ResultFile alekseev = samples::result(1, u"Алексеев Иван"_s, {Sodium::Right});
    alekseev.checks[0].order = 1;
    alekseev.checks[0].distance = u"1,03"_s;
    alekseev.checks[0].answer = u"412"_s;
    alekseev.checks[0].hint = u"водород, 410 нм"_s;
    put(u"usb/alekseev.gratinglab-result"_s, bytes(alekseev));

    const ProgramRun run = runProgram({u"--class-report"_s, teacher(), u"--results"_s, path(u"class"_s), u"--results"_s,
        path(u"usb/alekseev.gratinglab-result"_s), u"--csv"_s, path(u"9b.csv"_s), u"--moodle-csv"_s,
        path(u"moodle.csv"_s), u"--pdf"_s, path(u"9b.pdf"_s)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(),
        "Алексеев Иван\t1\t410\t1\t1\t1\t5\t1\n"
        "Борисова Мария\t2\t577\t0\t0\t\t\t0\n"
        "Васильева Ольга\t3\t579\t0\t0\t\t\t0\n"
        "Григорьев Пётр\t4\t656\t0\t0\t\t\t0\n"
        "Дмитриев Олег\t5\t703\t1\t0\t\t\t1\n"
        "Иванов Пётр\t6\t589\t2\t1\t2\t4\t1\n");
    const QString r = path(u"class/Результаты/"_s);
    EXPECT_EQ(run.err.toStdString(),
        (r + u"borisova.gratinglab-result: другое задание (код 9А)\n"_s + r
            + u"broken.gratinglab-result: файл повреждён: неверное поле «program»\n"_s + r
            + u"dmitriev.gratinglab-result: файл изменён: контрольная сумма не сходится\n"_s + r
            + u"ivanov-2.gratinglab-result: повтор: для этого ученика учтён файл «ivanov.gratinglab-result»\n"_s
            + u"gratinglab: в файл для Moodle не вошли (нет адреса или номера в файле учителя либо нет "
              u"оценки): Борисова Мария, Васильева Ольга, Григорьев Пётр, Дмитриев Олег\n"_s)
            .toStdString());

    QFile csv(path(u"9b.csv"_s)), moodle(path(u"moodle.csv"_s));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly) && moodle.open(QIODevice::ReadOnly));
    const QByteArray sheet = csv.readAll();
    EXPECT_TRUE(sheet.startsWith("\xEF\xBB\xBF"
                                 "Вариант;Ученик;"));
    EXPECT_TRUE(sheet.contains("\r\n6;Иванов Пётр;ivanov@school.ru;589;2;да;2;590;1;4;;1\r\n"));
    EXPECT_EQ(moodle.readAll().toStdString(),
        "Ученик,Адрес или номер,Измерение длины световой волны (код 9Б)\r\n"
        "Алексеев Иван,10234,5\r\nИванов Пётр,ivanov@school.ru,4\r\n");
    const QString info = QString::fromUtf8(tool(u"pdfinfo"_s, {path(u"9b.pdf"_s)}));
    EXPECT_TRUE(info.contains(u"595 x 842 pts (A4)"_s)) << info.toStdString();
    const QString words = QString::fromUtf8(tool(u"pdftotext"_s, {path(u"9b.pdf"_s), u"-"_s})).simplified();
    EXPECT_TRUE(words.contains(u"Результаты класса: Измерение длины световой волны"_s)) << words.toStdString();
    EXPECT_TRUE(words.contains(u"Решили верно: 2 из 6."_s)) << words.toStdString();
    EXPECT_TRUE(words.contains(u"dmitriev.gratinglab-result — файл изменён: контрольная сумма не сходится"_s))
        << words.toStdString();
}

// A place that cannot be read may hide any pupil's results: the table of
// what was read is printed, the place named on stderr, and the status is 1.
TEST_F(ClassReportCli, APlaceThatCannotBeReadFailsTheReport)
{
    const ProgramRun run = runProgram(
        {u"--class-report"_s, teacher(), u"--results"_s, path(u"class"_s), u"--results"_s, path(u"gone"_s)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.count('\n'), 6);
    EXPECT_EQ(QString::fromUtf8(run.err), path(u"gone"_s) + u": нет такой папки или файла\n"_s);
}

struct Refusal {
    const char *name;
    QStringList arguments; // {teacher} and {dir} stand for the paths
    QString message;
};

class ClassReportRefuses : public ClassReportCli, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ClassReportRefuses, WithStatusTwoAndNothingOnStdout)
{
    QStringList arguments;
    for (QString a : GetParam().arguments)
        arguments << a.replace(u"{teacher}"_s, teacher()).replace(u"{dir}"_s, dir.path());
    const ProgramRun run = runProgram(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(run.err),
        u"gratinglab: "_s + QString(GetParam().message).replace(u"{dir}"_s, dir.path()) + u'\n');
    EXPECT_FALSE(QFile::exists(path(u"made.csv"_s)));
}

INSTANTIATE_TEST_SUITE_P(Arguments, ClassReportRefuses,
    ::testing::Values(
        Refusal{"NoPlaceToRead", {u"--class-report"_s, u"{teacher}"_s},
            u"файл учителя не называет папку класса (он записан без файла задания): укажите папку или файлы "
            u"результатов параметром --results"_s},
        Refusal{"NotATeachersFile", {u"--class-report"_s, u"{dir}/class"_s, u"--results"_s, u"{dir}"_s},
            u"--class-report: Не удалось прочитать файл «{dir}/class»: это папка."_s},
        Refusal{"CsvGivenTwice",
            {u"--class-report"_s, u"{teacher}"_s, u"--csv={dir}/made.csv"_s, u"--csv={dir}/b.csv"_s},
            u"параметр --csv задан дважды"_s},
        Refusal{"EmptyResults", {u"--class-report"_s, u"{teacher}"_s, u"--results="_s},
            u"параметру --results нужна папка или файл"_s}),
    [](const auto &info) { return std::string(info.param.name); });

// A file that cannot be written is a failed save (status 1): the other file
// of the run is not left behind, and stdout stays empty.
TEST_F(ClassReportCli, UnwritablePdfFailsTheWholeRun)
{
    const ProgramRun run = runProgram({u"--class-report"_s, teacher(), u"--results"_s, path(u"class"_s), u"--csv"_s,
        path(u"made.csv"_s), u"--pdf"_s, path(u"no/such/r.pdf"_s)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(run.err),
        u"gratinglab: Не удалось записать файл «%1»: папки «%2» нет.\n"_s.arg(path(u"no/such/r.pdf"_s),
            path(u"no/such"_s)));
    EXPECT_FALSE(QFile::exists(path(u"made.csv"_s)));
}

} // namespace
