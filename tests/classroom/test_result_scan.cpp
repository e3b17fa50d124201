// Finding and reading the result files of a class: only regular files with
// the suffix, nothing followed, opened or written that is not one; a file
// read again only when it changed; the table kept up to date by a rescan on
// a hand-driven clock.
#include "class_results_watch.h"
#include "folder_work.h"
#include "manual_clock.h"
#include "result_cache.h"
#include "result_samples.h"
#include "result_scan.h"

#include <QDirIterator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using classroom::ScanProblem;
using samples::Sodium;

namespace {

class ResultFolders : public ::testing::Test {
protected:
    void SetUp() override { classroom::setFolderWork(&inPlace_); }
    void TearDown() override { classroom::setFolderWork(nullptr); }
    classroom::InPlaceFolderWork inPlace_;
    QString at(const QString &relative) const { return dir.filePath(relative); }
    void mkdir(const QString &relative) { ASSERT_TRUE(QDir().mkpath(at(relative))); }
    void put(const QString &relative, const classroom::ResultFile &r)
    {
        samples::write(at(relative), classroom::resultFileBytes(r));
    }
    // Every entry under the folder with its size and time of change.
    QStringList snapshot() const
    {
        QStringList out;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo i(it.filePath());
            out << u"%1 %2 %3"_s.arg(i.filePath())
                       .arg(i.isSymLink() ? 0 : i.size())
                       .arg(i.lastModified().toMSecsSinceEpoch());
        }
        out.sort();
        return out;
    }
    QStringList paths(const std::vector<classroom::FoundResultFile> &files) const
    {
        QStringList out;
        for (const auto &f : files)
            out << QDir(dir.path()).relativeFilePath(f.path);
        return out;
    }

    QTemporaryDir dir;
};

TEST_F(ResultFolders, OnlyRegularResultFilesAreTakenAndNothingIsWritten)
{
    mkdir(u"class/Результаты"_s);
    mkdir(u"class/sub"_s);
    mkdir(u"usb"_s);
    put(u"class/a.gratinglab-result"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Right}));
    put(u"class/Результаты/b.GRATINGLAB-RESULT"_s, samples::result(5, u"Дмитриев Олег"_s, {Sodium::Right}));
    put(u"class/sub/deeper.gratinglab-result"_s, samples::result(4, u"Григорьев Пётр"_s, {}));
    put(u"usb/c.gratinglab-result"_s, samples::result(3, u"Васильева Ольга"_s, {}));
    samples::write(at(u"class/9Б.gratinglab-task"_s), "{}");
    samples::write(at(u"usb/notes.txt"_s), "x");
    ASSERT_TRUE(QFile::link(at(u"usb/c.gratinglab-result"_s), at(u"class/link.gratinglab-result"_s)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at(u"class/pipe.gratinglab-result"_s)).constData(), 0600), 0);
    const QStringList before = snapshot();

    const auto scan = classroom::scanResultPlaces(
        {at(u"class"_s), at(u"usb/c.gratinglab-result"_s), at(u"usb/notes.txt"_s), at(u"nowhere"_s), at(u"class/"_s)});
    EXPECT_EQ(paths(scan.files),
        (QStringList{u"class/a.gratinglab-result"_s, u"class/Результаты/b.GRATINGLAB-RESULT"_s,
            u"usb/c.gratinglab-result"_s}));
    std::map<QString, ScanProblem> refused;
    for (const auto &r : scan.refused)
        refused[QDir(dir.path()).relativeFilePath(r.path)] = r.problem;
    EXPECT_EQ(refused,
        (std::map<QString, ScanProblem>{{u"class/link.gratinglab-result"_s, ScanProblem::Link},
            {u"class/pipe.gratinglab-result"_s, ScanProblem::NotRegular},
            {u"usb/notes.txt"_s, ScanProblem::NotResultFile}, {u"nowhere"_s, ScanProblem::Missing}}));

    // Reading them, the pipe swapped in after the listing included, neither
    // blocks nor writes.
    classroom::ResultFileCache cache;
    const auto files = cache.load(scan.files);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_TRUE(files[0].read->ok());
    EXPECT_EQ(classroom::readRegularResultFile(at(u"class/pipe.gratinglab-result"_s)).error.problem,
        classroom::FileProblem::CannotRead);
    EXPECT_EQ(classroom::readRegularResultFile(at(u"class/link.gratinglab-result"_s)).error.problem,
        classroom::FileProblem::CannotRead);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ResultFolders, ALinkedResultsFolderAndFilesBeyondTheLimitAreNotRead)
{
    mkdir(u"class"_s);
    mkdir(u"elsewhere"_s);
    put(u"elsewhere/x.gratinglab-result"_s, samples::result(1, {}, {}));
    ASSERT_TRUE(QFile::link(at(u"elsewhere"_s), at(u"class/Результаты"_s)));
    for (int i = 0; i < 5; ++i)
        put(u"class/%1.gratinglab-result"_s.arg(i), samples::result(1, {}, {}));
    const auto scan = classroom::scanResultPlaces({at(u"class"_s)}, 3);
    EXPECT_EQ(scan.files.size(), 3u);
    ASSERT_EQ(scan.refused.size(), 2u);
    EXPECT_EQ(scan.refused[0].problem, ScanProblem::Link);
    EXPECT_EQ(scan.refused[0].path, at(u"class/Результаты"_s));
    EXPECT_EQ(scan.refused[1].problem, ScanProblem::TooMany);
}

TEST_F(ResultFolders, OnlyAChangedFileIsReadAgain)
{
    put(u"a.gratinglab-result"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic}));
    put(u"b.gratinglab-result"_s, samples::result(5, u"Дмитриев Олег"_s, {}));
    classroom::ResultFileCache cache;
    const auto first = cache.load(classroom::scanResultPlaces({dir.path()}).files);
    EXPECT_EQ(cache.reads(), 2);
    const auto same = cache.load(classroom::scanResultPlaces({dir.path()}).files);
    EXPECT_EQ(cache.reads(), 2);
    EXPECT_EQ(same[0].read, first[0].read);
    put(u"a.gratinglab-result"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right}));
    const auto changed = cache.load(classroom::scanResultPlaces({dir.path()}).files);
    EXPECT_EQ(cache.reads(), 3);
    EXPECT_EQ(changed[0].read->result.checks.size(), 2u);
    EXPECT_EQ(changed[1].read, first[1].read);
}

TEST_F(ResultFolders, TheWatchShowsAPupilsCheckAtTheNextRescan)
{
    ManualClock clock;
    classroom::ClassResultsWatch watch(clock);
    int changes = 0;
    QObject::connect(&watch, &classroom::ClassResultsWatch::changed, [&] { ++changes; });
    watch.setTask(samples::task9B());
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(watch.results().rows.size(), 6u);
    EXPECT_EQ(watch.results().rows[5].status, classroom::PupilStatus::NoResult);
    // An empty folder changes nothing.
    watch.setPlaces({dir.path()});
    EXPECT_EQ(changes, 1);

    // The class folder gets «Результаты» and the first check; no
    // notification is delivered here, as on a network share.
    mkdir(u"Результаты"_s);
    put(u"Результаты/i.gratinglab-result"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic}));
    clock.advance(classroom::ClassResultsWatch::kRescanMs - 1);
    EXPECT_EQ(changes, 1);
    clock.advance(1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(watch.results().rows[5].judged.checks, 1);
    EXPECT_EQ(watch.cache().reads(), 1);

    // Nothing new: no change, nothing read.
    clock.advance(std::int64_t{3} * classroom::ClassResultsWatch::kRescanMs);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(watch.cache().reads(), 1);

    put(u"Результаты/i.gratinglab-result"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right}));
    clock.advance(classroom::ClassResultsWatch::kRescanMs);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(watch.results().rows[5].mark, 4);
    EXPECT_EQ(watch.cache().reads(), 2);
}

// A share that does not answer: the scan's file work is held on the worker.
// The window's thread goes on (rescan returns at once), the two-second
// rescans do not pile up behind the held one, and the table arrives when the
// share answers again.
class HeldFolderWork final : public classroom::FolderWork {
public:
    void run(std::function<void()> job, QObject *context, std::function<void()> done) override
    {
        ++started;
        threaded_.run(
            [gate = gate, job = std::move(job)] {
            gate->acquire();
            job();
            },
            context, std::move(done));
    }
    ~HeldFolderWork() override { gate->release(100); }
    // Shared with the jobs, so that a test that fails early lets them end.
    std::shared_ptr<QSemaphore> gate = std::make_shared<QSemaphore>();
    int started = 0;

private:
    classroom::ThreadedFolderWork threaded_;
};

TEST_F(ResultFolders, AShareThatDoesNotAnswerHoldsUpTheTableNotTheWindow)
{
    HeldFolderWork held;
    classroom::setFolderWork(&held);
    mkdir(u"Результаты"_s);
    put(u"Результаты/i.gratinglab-result"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right}));
    ManualClock clock;
    classroom::ClassResultsWatch watch(clock);
    QSignalSpy changes(&watch, &classroom::ClassResultsWatch::changed);
    watch.setTask(samples::task9B());
    watch.setPlaces({dir.path()});
    for (int i = 0; i < 5; ++i)
        clock.advance(classroom::ClassResultsWatch::kRescanMs);
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.scanning());
    EXPECT_EQ(held.started, 1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(watch.results().rows.empty());

    // The share answers: the held scan ends (its task only, as asked then),
    // and the one rescan asked for meanwhile reads the folder.
    held.gate->release(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.scanning() && held.started == 2; }, 30000));
    ASSERT_EQ(watch.results().rows.size(), 6u);
    EXPECT_EQ(watch.results().rows[5].mark, 4);
    EXPECT_EQ(changes.count(), 1);
    classroom::setFolderWork(nullptr);
}

// A share mid-replace shows a file missing, and a client's cache may hand
// back an older, shorter file: the row keeps its last good read until two
// scans agree. A class folder that goes away keeps every row, marked old,
// and says since when.
TEST_F(ResultFolders, RowsHoldThroughAFlickeringOrLostShare)
{
    mkdir(u"class/Результаты"_s);
    const QString file = u"class/Результаты/i.gratinglab-result"_s;
    put(file, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Arithmetic}));
    ManualClock clock;
    classroom::ClassResultsWatch watch(clock);
    watch.setNow([] { return QDateTime(QDate(2026, 12, 9), QTime(10, 42)); });
    watch.setTask(samples::task9B());
    watch.setPlaces({at(u"class"_s)});
    const auto checks = [&] { return watch.results().rows.at(5).judged.checks; };
    const auto rescan = [&] { clock.advance(classroom::ClassResultsWatch::kRescanMs); };
    ASSERT_EQ(checks(), 2);

    // Missing for one scan, then back with a third check.
    ASSERT_TRUE(QFile::remove(at(file)));
    rescan();
    EXPECT_EQ(checks(), 2);
    EXPECT_TRUE(watch.oldRows().empty());
    put(file, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Arithmetic, Sodium::Right}));
    rescan();
    EXPECT_EQ(checks(), 3);

    // Read shorter: kept once, taken when the next scan agrees.
    put(file, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic}));
    rescan();
    EXPECT_EQ(checks(), 3);
    rescan();
    EXPECT_EQ(checks(), 1);

    // The folder goes: every row stays, marked old, for as long as it is gone.
    put(file, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right}));
    rescan();
    ASSERT_TRUE(QDir(dir.path()).rename(u"class"_s, u"away"_s));
    for (int i = 0; i < 3; ++i)
        rescan();
    EXPECT_EQ(checks(), 2);
    EXPECT_EQ(watch.results().rows.at(5).mark, 4);
    EXPECT_EQ(watch.oldRows(), (std::set<classroom::RowKey>{{6, u"Иванов Пётр"_s}}));
    EXPECT_EQ(watch.unreachableSince(), QDateTime(QDate(2026, 12, 9), QTime(10, 42)));
    ASSERT_FALSE(watch.results().misfits.empty());
    EXPECT_EQ(watch.results().misfits[0].why, classroom::Misfit::Missing);

    ASSERT_TRUE(QDir(dir.path()).rename(u"away"_s, u"class"_s));
    rescan();
    EXPECT_EQ(checks(), 2);
    EXPECT_TRUE(watch.oldRows().empty());
    EXPECT_FALSE(watch.unreachableSince());
    EXPECT_TRUE(watch.results().misfits.empty());
}

} // namespace
