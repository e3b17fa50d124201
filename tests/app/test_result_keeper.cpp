// The pupil's result file follows every judged check of a task: into the
// class folder's «Результаты» beside the task file, and always on this
// computer; a class folder that takes no files is told once, quietly.
#include "window_fixture.h"

#include "journal_screen.h"
#include "result_file.h"
#include "result_keeper.h"
#include "task_code.h"
#include "ui_journal_screen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

class Results : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TForm1 form{bench::NumberFormat{}};
    QString local = dir.filePath(u"local"_s);
    QString classFolder = dir.filePath(u"9Б класс"_s);
    QString taskFile = classFolder + u"/задание.gratinglab-task"_s;

    void check(const QString &answer)
    {
        form.experiment().ui().Edit5->setText(answer);
        form.experiment().ui().Button6->click();
        form.experiment().ui().Button6->click();
    }
    static classroom::ResultFileRead onlyFileIn(const QString &folder)
    {
        const QStringList files = QDir(folder).entryList({u"*.gratinglab-result"_s}, QDir::Files);
        EXPECT_EQ(files.size(), 1) << folder.toStdString();
        return classroom::readResultFile(QDir(folder).filePath(files.value(0)));
    }
};

TEST_F(Results, EveryCheckReachesTheClassFolderAndThisComputer)
{
    ASSERT_TRUE(QDir().mkpath(classFolder));
    ResultKeeper keeper(form, local);
    form.startTask(bench::parseTask(u"9Б"_s, u"6"_s, u"Иванов Пётр"_s).task, taskFile);
    // The cursor on the line's first order, 2,95 cm: 590 nm from the read-outs.
    form.session().moveCursorTo(118);
    form.experiment().ui().Ed_k->setText(u"1"_s);
    check(u"5890"_s);
    check(u"590"_s);

    for (const QString &folder : {classFolder + u"/Результаты"_s, local}) {
        const classroom::ResultFileRead read = onlyFileIn(folder);
        ASSERT_TRUE(read.ok()) << folder.toStdString();
        EXPECT_TRUE(read.checksumOk);
        EXPECT_EQ(read.result.code, u"9Б"_s);
        EXPECT_EQ(read.result.variant, 6);
        EXPECT_EQ(read.result.pupil, u"Иванов Пётр"_s);
        ASSERT_EQ(read.result.checks.size(), 2u);
        EXPECT_EQ(read.result.checks[0].verdict, u"Неверно !"_s);
        EXPECT_EQ(read.result.checks[1].verdict, u"Верно !"_s);
        EXPECT_EQ(read.result.checks[1].hint, u"натрий, 589 нм"_s);
        EXPECT_EQ(read.result.checks[1].answer, u"590"_s);
        EXPECT_EQ(read.result.checks[1].distance, u"2,95"_s);
        EXPECT_EQ(read.result.checks[1].order, 1);
    }
    EXPECT_TRUE(form.journalScreen().ui().Lbl_zametka->text().isEmpty());
}

TEST_F(Results, AClassFolderThatTakesNothingIsToldOnceAndTheCopyStaysHere)
{
    ASSERT_TRUE(QDir().mkpath(classFolder));
    QFile blocker(classFolder + u"/Результаты"_s); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ResultKeeper keeper(form, local);
    int told = 0;
    QObject::connect(&keeper, &ResultKeeper::classFolderFailed, [&] { ++told; });
    QObject::connect(&keeper, &ResultKeeper::classFolderFailed, &form.journalScreen(), &JournalScreen::showNote);
    form.startTask(bench::parseTask(u"9Б"_s, u"6"_s, QString()).task, taskFile);
    check(u"1"_s);
    check(u"2"_s);
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(form.journalScreen().ui().Lbl_zametka->text().isEmpty());
    EXPECT_EQ(onlyFileIn(local).result.checks.size(), 2u);
}

TEST_F(Results, TheOrdinaryExerciseWritesNoResultFile)
{
    ResultKeeper keeper(form, local);
    check(u"500"_s);
    EXPECT_FALSE(QDir(local).exists() && !QDir(local).isEmpty());
}

} // namespace
