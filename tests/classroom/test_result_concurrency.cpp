// Forty pupils' programs write their result files into one folder at once
// while the teacher's side rescans in a loop: no rescan ever meets half a
// file, and the last one has forty complete rows.
#include "class_results.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPupils = 40;
constexpr int kChecks = 50;

TEST(ResultConcurrency, FortyWritersAndARescanningReaderNeverMeetHalfAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Результаты"_s));
    classroom::ClassroomTask task;
    task.title = u"Измерение длины световой волны"_s;
    task.code = u"4817-2593"_s;
    task.variants = kPupils;
    for (int v = 1; v <= kPupils; ++v)
        task.pupils.push_back({v, u"Ученик %1"_s.arg(v, 2, 10, QChar(u'0')), {}});

    std::vector<std::unique_ptr<QProcess>> writers;
    for (const classroom::Pupil &p : task.pupils) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(RESULT_WRITER),
            {dir.filePath(u"Результаты"_s), task.code, QString::number(p.variant), p.name, QString::number(kChecks)});
        writers.push_back(std::move(process));
    }
    for (auto &w : writers) {
        ASSERT_TRUE(w->waitForStarted(120000));
        w->write("\n");
        w->waitForBytesWritten(120000);
    }

    classroom::ResultFileCache cache;
    int rescans = 0;
    const auto running = [&] {
        return std::any_of(writers.begin(), writers.end(),
            [](const auto &w) { return w->state() != QProcess::NotRunning; });
    };
    do {
        const classroom::ClassResults table = classroom::readClassResults(task, {dir.path()}, cache);
        ++rescans;
        ASSERT_TRUE(table.misfits.empty()) << "rescan " << rescans << ": " << table.misfits[0].reason.toStdString();
        for (const classroom::PupilRow &row : table.rows) {
            ASSERT_NE(row.status, classroom::PupilStatus::Edited) << row.variant;
            ASSERT_LE(row.judged.checks, kChecks);
        }
        // Lets each process tell that it ended; nothing waits on the clock.
        for (auto &w : writers)
            w->waitForFinished(0);
    } while (running());

    for (auto &w : writers) {
        ASSERT_EQ(w->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(w->exitCode(), 0) << w->readAllStandardError().toStdString();
    }
    const classroom::ClassResults last = classroom::readClassResults(task, {dir.path()}, cache);
    EXPECT_TRUE(last.misfits.empty());
    ASSERT_EQ(last.rows.size(), size_t(kPupils));
    for (const classroom::PupilRow &row : last.rows) {
        EXPECT_EQ(row.status, classroom::PupilStatus::Counted) << row.variant;
        EXPECT_EQ(row.judged.checks, kChecks) << row.variant;
        EXPECT_EQ(row.judged.firstRight, kChecks) << row.variant;
        EXPECT_EQ(row.mark, 3) << row.variant;
    }
    // The loop ran while files were being written, not only after.
    std::printf("rescans while writing: %d\n", rescans);
    EXPECT_GT(rescans, 1);
}

} // namespace
