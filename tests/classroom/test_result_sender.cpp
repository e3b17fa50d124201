// The pupil's result file on its way to a class folder that does not take
// it: every failed write is tried again, 1 s, 2 s, 4 s, … at most 30 s
// later, on a hand-driven clock; a newer version goes at once; the newest
// version is what arrives.
#include "folder_work.h"
#include "manual_clock.h"
#include "result_samples.h"
#include "result_sender.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using samples::Sodium;

namespace {

TEST(ResultSender, RetriesWithBackoffUntilTheFolderTakesTheNewestVersion)
{
    classroom::InPlaceFolderWork inPlace;
    classroom::setFolderWork(&inPlace);
    QTemporaryDir dir;
    // «Результаты» cannot be made while a file has its name.
    const QString folder = dir.filePath(u"Результаты"_s);
    samples::write(folder, "not a folder");
    ManualClock clock;
    classroom::ResultSender sender(clock);
    QStringList failures, sent;
    QObject::connect(&sender, &classroom::ResultSender::failed, [&](const QString &why) { failures << why; });
    QObject::connect(&sender, &classroom::ResultSender::sent, [&](const QString &path) { sent << path; });

    sender.send(folder, u"i.gratinglab-result"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic}));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(u"нельзя создать"_s)) << failures[0].toStdString();
    std::vector<int> waits;
    for (int i = 0; i < 7; ++i) {
        waits.push_back(sender.retryMs());
        clock.advance(sender.retryMs() - 1);
        EXPECT_EQ(failures.size(), i + 1);
        clock.advance(1);
        EXPECT_EQ(failures.size(), i + 2);
    }
    EXPECT_EQ(waits, (std::vector<int>{1000, 2000, 4000, 8000, 16000, 30000, 30000}));
    EXPECT_TRUE(sender.pending());

    // The pupil's next check goes at once, and on to the next retry.
    const classroom::ResultFile newest = samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right});
    sender.send(folder, u"i.gratinglab-result"_s, newest);
    EXPECT_EQ(failures.size(), 9);
    ASSERT_TRUE(QFile::remove(folder));
    clock.advance(sender.retryMs());
    ASSERT_EQ(sent, QStringList{QDir(folder).filePath(u"i.gratinglab-result"_s)});
    EXPECT_FALSE(sender.pending());
    EXPECT_EQ(classroom::readResultFile(sent[0]).result.checks, newest.checks);
    clock.advance(60000);
    EXPECT_EQ(failures.size(), 9);
    EXPECT_EQ(sent.size(), 1);
    classroom::setFolderWork(nullptr);
}

} // namespace
