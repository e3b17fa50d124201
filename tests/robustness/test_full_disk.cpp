// Every writer of the program on a file system that is full: the save is
// reported as failed, in Russian, and the file it would have replaced keeps
// its old bytes. A real tmpfs of a few kilobytes is mounted for the purpose
// (root only; CI runs as root).
#include "bench_session.h"
#include "journal.h"
#include "manual_clock.h"
#include "picture_catalogue.h"
#include "program_run.h"
#include "recovery_store.h"
#include "save_file.h"
#include "save_journal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/mount.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        disk_ = root_.filePath(u"disk"_s);
        ASSERT_TRUE(QDir().mkpath(disk_));
        if (::mount("tmpfs", QFile::encodeName(disk_).constData(), "tmpfs", 0, "size=64k") != 0) {
            if (qEnvironmentVariableIsSet("CI"))
                FAIL() << "CI runs as root and must mount a tmpfs: " << std::strerror(errno);
            GTEST_SKIP() << "mounting a tmpfs needs root: " << std::strerror(errno);
        }
        mounted_ = true;
    }
    void TearDown() override
    {
        if (mounted_)
            ::umount2(QFile::encodeName(disk_).constData(), MNT_DETACH);
    }

    QString onDisk(const QString &name) const { return QDir(disk_).filePath(name); }

    // A good file, then every free block taken.
    void prepare(const QString &name, const QByteArray &good)
    {
        QFile old(onDisk(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        ASSERT_EQ(old.write(good), good.size());
        old.close();
        fill();
    }
    void fill()
    {
        QFile filler(onDisk(u"filler"_s));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {}
    }

    QTemporaryDir root_;
    QString disk_;
    bool mounted_ = false;
};

const QByteArray kGood = "old content that must survive\n";

// The writers inside the program, each replacing a good file by a larger one.
struct InProcessWriter {
    const char *name;
    std::function<QString(const QString &path)> write; // the failure told, empty when none
};

class InProcessWriterTest : public FullDiskTest, public ::testing::WithParamInterface<InProcessWriter> {};

TEST_P(InProcessWriterTest, ReportsTheFullDiskAndKeepsTheOldFile)
{
    prepare(u"target"_s, kGood);
    const QString told = GetParam().write(onDisk(u"target"_s));
    EXPECT_TRUE(told.contains(u"нет места на диске"_s)) << told.toStdString();
    EXPECT_EQ(readAll(onDisk(u"target"_s)), kGood);
    EXPECT_EQ(QDir(disk_).entryList(QDir::Files), (QStringList{u"filler"_s, u"target"_s}));
}

QString saveJournalAs(const QString &path, journal::FileType type)
{
    ManualClock clock;
    bench::BenchSession session(assets::scenePictures(), bench::NumberFormat{}, clock);
    journal::Journal journal(session);
    for (const char *answer : {"600", "589", "590"}) {
        session.typeText(bench::TextField::Answer, QString::fromLatin1(answer));
        session.Button6Click();
        session.Button6Click();
    }
    return journal::saveJournal(journal, {path, type}).value_or(QString());
}

INSTANTIATE_TEST_SUITE_P(Writers, InProcessWriterTest,
    ::testing::Values(InProcessWriter{"ClassroomFile",
                          [](const QString &path) { return classroom::saveFile(path, QByteArray(5000, 'r')); }},
        InProcessWriter{"JournalCsv", [](const QString &path) { return saveJournalAs(path, journal::FileType::Csv); }},
        InProcessWriter{"JournalPdf", [](const QString &path) { return saveJournalAs(path, journal::FileType::Pdf); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FullDiskTest, RecoveryCopyKeepsItsLastGoodVersion)
{
    journal::RecoveryStore store(disk_);
    ASSERT_TRUE(store.owned());
    ASSERT_TRUE(store.save(kGood));
    fill();
    EXPECT_FALSE(store.save(QByteArray(5000, 's')));
    EXPECT_EQ(readAll(store.path()), kGood);
}

// A new task whose class folder is full: no board code to write up, no task
// file of 0 bytes, and no teacher's file without its task file.
TEST_F(FullDiskTest, NewTaskOnAFullClassFolderFailsWhole)
{
    fill();
    const QString teacher = QDir(root_.path()).filePath(u"t.gratinglab-teacher"_s);
    const ProgramRun run = runProgram({u"--new-task"_s, teacher, u"--class-folder"_s, disk_, u"--variants"_s, u"3"_s});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(u"нет места на диске"_s)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(QDir(disk_).entryList(QDir::Files), QStringList{u"filler"_s});
    EXPECT_FALSE(QFile::exists(teacher));
}

// The command line's writers: exit status 1 or 2 with the reason on stderr,
// and the good file untouched.
struct CliWriter {
    const char *name;
    QStringList arguments; // {out} is the file on the full disk
};

class CliWriterTest : public FullDiskTest, public ::testing::WithParamInterface<CliWriter> {};

TEST_P(CliWriterTest, ExitsWithTheReasonAndKeepsTheOldFile)
{
    prepare(u"out"_s, kGood);
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(u"{out}"_s, onDisk(u"out"_s));
    arguments.replaceInStrings(u"{dir}"_s, root_.path());
    const ProgramRun run = runProgram(arguments);
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(u"нет места на диске"_s)) << run.err.toStdString();
    EXPECT_EQ(readAll(onDisk(u"out"_s)), kGood);
}

INSTANTIATE_TEST_SUITE_P(Writers, CliWriterTest,
    ::testing::Values(CliWriter{"Render", {u"--render"_s, u"{out}"_s}},
        CliWriter{"RenderState", {u"--render"_s, u"{dir}/picture.png"_s, u"--state"_s, u"{out}"_s}},
        CliWriter{"Screenshot", {u"--screenshot"_s, u"{out}"_s, u"--screen"_s, u"procedure"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
