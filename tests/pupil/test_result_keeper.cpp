// The pupil's result file follows every judged check of a task: into the
// class folder's «Результаты» beside the task file, and always on this
// computer; a class folder that takes no files is told once, quietly. The
// file only grows: a new start goes on after the checks already there, and
// no copy is ever cut short or overwritten by one that went another way.
#include "window_fixture.h"

#include "class_results.h"
#include "class_results_texts.h"
#include "experiment_screen.h"
#include "folder_work.h"
#include "journal.h"
#include "journal_dialogs.h"
#include "journal_recovery.h"
#include "journal_screen.h"
#include "patient_read.h"
#include "program_run.h"
#include "result_file.h"
#include "result_keeper.h"
#include "result_samples.h"
#include "task_code.h"
#include "task_files.h"
#include "task_look.h"
#include "ui_journal_screen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSemaphore>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

void check(TForm1 &form, const QString &answer)
{
    form.experiment().ui().Edit5->setText(answer);
    form.experiment().ui().Button6->click();
    form.experiment().ui().Button6->click();
}

// «Сохранить…» answered with a file name, as the pupil types it.
class SaveAs final : public JournalDialogs {
public:
    explicit SaveAs(journal::SaveTarget target) : target_(std::move(target)) {}
    std::optional<journal::SaveTarget> chooseSaveFile(QWidget *) override { return target_; }
    bool print(QWidget *, const journal::Journal &) override { return false; }

private:
    journal::SaveTarget target_;
};

class Results : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TForm1 form{bench::NumberFormat{}};
    QString local = dir.filePath(u"local"_s);
    QString classFolder = dir.filePath(u"9Б класс"_s);
    QString shared = classFolder + u"/Результаты"_s;
    QString taskFile = classFolder + u"/задание.gratinglab-task"_s;
    bench::Task ivanov = bench::parseTask(u"9Б"_s, u"6"_s, u"Иванов Пётр"_s).task;

    void check(const QString &answer) { ::check(form, answer); }
    // The cursor on the sodium line's first order, 2,95 cm, and k typed: the
    // right answer from these read-outs is 590 nm.
    void measure()
    {
        form.session().moveCursorTo(118);
        form.experiment().ui().Ed_k->setText(u"1"_s);
    }
    static QStringList filesIn(const QString &folder)
    {
        return QDir(folder).entryList({u"*.gratinglab-result"_s}, QDir::Files, QDir::Name);
    }
    static classroom::ResultFileRead onlyFileIn(const QString &folder)
    {
        const QStringList files = filesIn(folder);
        EXPECT_EQ(files.size(), 1) << folder.toStdString();
        return classroom::readResultFile(QDir(folder).filePath(files.value(0)));
    }
    classroom::ClassResults table()
    {
        classroom::ResultFileCache cache;
        return classroom::readClassResults(samples::task9B(), {classFolder}, cache);
    }
};

TEST_F(Results, EveryCheckReachesTheClassFolderAndThisComputer)
{
    ASSERT_TRUE(QDir().mkpath(classFolder));
    ResultKeeper keeper(form, local);
    keeper.startTask(ivanov, taskFile);
    measure();
    check(u"5890"_s);
    check(u"590"_s);

    for (const QString &folder : {shared, local}) {
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
        EXPECT_EQ(read.result.starts.size(), 1u);
    }
    EXPECT_TRUE(form.journalScreen().ui().Lbl_zametka->text().isEmpty());
}

// Two wrong answers, the window closed without saving the journal, the
// task opened again and answered right: every check counts, in the model
// and in the real program's report.
TEST_F(Results, ARestartGoesOnAfterTheChecksAlreadyThere)
{
    ASSERT_TRUE(QDir().mkpath(classFolder));
    {
        ResultKeeper keeper(form, local);
        keeper.startTask(ivanov, taskFile);
        check(u"5890"_s);
        check(u"1"_s);
        BoxCatcher boxes;
        boxes.answerNextWith(u"Не сохранять"_s);
        form.show();
        form.close();
        QApplication::processEvents();
        EXPECT_FALSE(form.isVisible());
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text,
            u"Все проверки уже переданы учителю: они в папке «%1». Сохранить журнал измерений?"_s.arg(
                QDir::toNativeSeparators(shared)));
    }
    TForm1 again{bench::NumberFormat{}};
    ResultKeeper keeper(again, local);
    keeper.startTask(ivanov, taskFile);
    EXPECT_EQ(again.session().taskChecks(), 2u);
    EXPECT_FALSE(again.session().taskSolved());
    again.session().moveCursorTo(118);
    again.experiment().ui().Ed_k->setText(u"1"_s);
    ::check(again, u"590"_s);

    const classroom::ResultFileRead read = onlyFileIn(shared);
    ASSERT_TRUE(read.ok() && read.checksumOk);
    EXPECT_EQ(read.result.checks.size(), 3u);
    EXPECT_EQ(read.result.starts.size(), 2u);
    EXPECT_EQ(onlyFileIn(local).result.checks, read.result.checks);
    // The file the pupil hands in by hand holds them all too.
    SaveAs handIn({dir.filePath(u"сдать"_s), journal::FileType::Result});
    again.journalScreen().setDialogs(handIn);
    ASSERT_TRUE(again.journalScreen().save());
    EXPECT_EQ(classroom::readResultFile(dir.filePath(u"сдать.gratinglab-result"_s)).result.checks, read.result.checks);
    const classroom::PupilRow row = table().rows[5];
    EXPECT_EQ(row.judged.checks, 3);
    EXPECT_EQ(row.judged.firstRight, 3);
    EXPECT_EQ(row.mark, 4);
    EXPECT_EQ(row.starts, 2);

    const QString teacher = dir.filePath(u"9b.gratinglab-teacher"_s);
    samples::write(teacher, classroom::taskFileBytes(samples::task9B(), classroom::TaskFileKind::Teacher));
    const ProgramRun run = runProgram({u"--class-report"_s, teacher, u"--results"_s, classFolder});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("Дмитриев Олег\t5\t703\t0\t0\t\t\t0\nИванов Пётр\t6\t589\t3\t1\t3\t4\t2\n"))
        << run.out.toStdString();
}

// A run clears its journal after two wrong answers and dies; the next start
// brings the journal back («Восстановить») or drops it («Удалить»), as the
// program's start does. Neither shortens the file.
class AfterACrash : public Results, public ::testing::WithParamInterface<bool> {};

TEST_P(AfterACrash, TheFileGoesOnWhetherTheJournalComesBackOrNot)
{
    const QString store = dir.filePath(u"store"_s);
    {
        ResultKeeper keeper(form, local);
        JournalRecovery recovery(form, store, [](QWidget *) { return false; });
        keeper.startTask(ivanov);
        check(u"5890"_s);
        check(u"1"_s);
        form.journal().clear();
    }
    TForm1 again{bench::NumberFormat{}};
    JournalRecovery recovery(again, store, [restore = GetParam()](QWidget *) { return restore; });
    ResultKeeper keeper(again, local);
    if (recovery.offerLeftover())
        keeper.continueTask();
    else
        keeper.startTask(ivanov);
    EXPECT_EQ(again.session().taskChecks(), 2u);
    ::check(again, u"589"_s);
    const classroom::ResultFileRead read = onlyFileIn(local);
    ASSERT_EQ(read.result.checks.size(), 3u);
    EXPECT_EQ(read.result.checks[0].answer, u"5890"_s);
    EXPECT_EQ(read.result.starts.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Answers, AfterACrash, ::testing::Bool(),
    [](const auto &info) { return info.param ? std::string("Restored") : std::string("Deleted"); });

// The class folder's copy and this computer's went separate ways (the share
// was away for a while): the class folder's goes on, the other is kept
// beside it in both places, and the teacher's table says so.
TEST_F(Results, CopiesThatWentSeparateWaysAreBothKeptAndFlagged)
{
    ASSERT_TRUE(QDir().mkpath(shared) && QDir().mkpath(local));
    const QString name = classroom::resultFileName(samples::result(6, u"Иванов Пётр"_s, {}),
        classroom::thisComputerMark());
    classroom::ResultFile there = samples::result(6, u"Иванов Пётр"_s, {samples::Sodium::OffTheLine});
    there.form.clear();
    classroom::ResultFile here = there;
    here.checks[0].time = here.checks[0].time.addSecs(60);
    samples::write(QDir(shared).filePath(name), classroom::resultFileBytes(there));
    samples::write(QDir(local).filePath(name), classroom::resultFileBytes(here));

    ResultKeeper keeper(form, local);
    keeper.startTask(ivanov, taskFile);
    check(u"589"_s);

    const QString aside = name.chopped(18) + u"-2.gratinglab-result"_s;
    for (const QString &folder : {shared, local}) {
        ASSERT_EQ(filesIn(folder), (QStringList{aside, name})) << folder.toStdString();
        const classroom::ResultFileRead grown = classroom::readResultFile(QDir(folder).filePath(name));
        ASSERT_EQ(grown.result.checks.size(), 2u);
        EXPECT_EQ(grown.result.checks[0], there.checks[0]);
        EXPECT_EQ(classroom::readResultFile(QDir(folder).filePath(aside)).result.checks, here.checks);
    }
    const classroom::ClassResults results = table();
    EXPECT_TRUE(results.rows[5].filesDiverge);
    EXPECT_EQ(classroom::resultCellText(results.rows[5], classroom::ResultColumn::Note), u"файлы расходятся"_s);
    ASSERT_EQ(results.misfits.size(), 1u);
    EXPECT_EQ(results.misfits[0].why, classroom::Misfit::Diverging);
}

TEST_F(Results, AClassFolderThatTakesNothingIsToldOnceAndTheCopyStaysHere)
{
    ASSERT_TRUE(QDir().mkpath(classFolder));
    QFile blocker(shared); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ResultKeeper keeper(form, local);
    int told = 0;
    QObject::connect(&keeper, &ResultKeeper::classFolderFailed, [&] { ++told; });
    keeper.startTask(bench::parseTask(u"9Б"_s, u"6"_s, QString()).task, taskFile);
    QLabel &lamp = *form.experiment().taskLook()->lampLabel();
    check(u"1"_s);
    check(u"2"_s);
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(form.journalScreen().ui().Lbl_zametka->text().isEmpty());
    EXPECT_EQ(lamp.text(), u"Папка класса не отвечает; проверки сохранены здесь"_s);
    EXPECT_EQ(onlyFileIn(local).result.checks.size(), 2u);

    // The folder takes files again: the next check carries all three there,
    // and both notes go.
    ASSERT_TRUE(QFile::remove(shared));
    check(u"3"_s);
    EXPECT_EQ(onlyFileIn(shared).result.checks.size(), 3u);
    EXPECT_TRUE(form.journalScreen().ui().Lbl_zametka->text().isEmpty());
    EXPECT_EQ(lamp.text(), u"Свет от лампы с неизвестной длиной волны"_s);
}

// A class folder whose server hangs: every call on it waits in a queue
// that the test lets go when it likes, as the worker would be stuck.
class HeldFolderWork final : public classroom::FolderWork {
public:
    HeldFolderWork() { classroom::setFolderWork(this); }
    ~HeldFolderWork() override
    {
        static classroom::InPlaceFolderWork inPlace;
        classroom::setFolderWork(&inPlace);
    }
    void run(std::function<void()> job, QObject *, std::function<void()> done) override
    {
        held_.emplace_back(std::move(job), std::move(done));
    }
    size_t held() const { return held_.size(); }
    void answer()
    {
        while (!held_.empty()) {
            auto [job, done] = std::move(held_.front());
            held_.erase(held_.begin());
            job();
            done();
        }
    }

private:
    std::vector<std::pair<std::function<void()>, std::function<void()>>> held_;
};

// The class folder holds two checks from an earlier start and its server
// hangs: the pupil's checks are judged, journaled and kept here all the
// same, nothing is sent before the class copy is known, and once it comes
// the file goes on after its checks.
TEST_F(Results, AHangingClassFolderHoldsUpNoCheck)
{
    ASSERT_TRUE(QDir().mkpath(shared));
    const QString name = classroom::resultFileName(samples::result(6, u"Иванов Пётр"_s, {}),
        classroom::thisComputerMark());
    classroom::ResultFile there = samples::result(6, u"Иванов Пётр"_s,
        {samples::Sodium::OffTheLine, samples::Sodium::OffTheLine});
    there.form.clear();
    samples::write(QDir(shared).filePath(name), classroom::resultFileBytes(there));

    HeldFolderWork hanging;
    ResultKeeper keeper(form, local);
    keeper.startTask(ivanov, taskFile);
    measure();
    check(u"5890"_s);
    EXPECT_EQ(form.journal().model().rows().size(), 1u);
    EXPECT_EQ(onlyFileIn(local).result.checks.size(), 1u);
    EXPECT_EQ(hanging.held(), 1u); // the read; no write behind it yet
    EXPECT_EQ(classroom::readResultFile(QDir(shared).filePath(name)).result.checks, there.checks);

    hanging.answer(); // the read, then the write it lets go
    EXPECT_EQ(form.session().taskChecks(), 3u);
    for (const QString &folder : {shared, local}) {
        const classroom::ResultFileRead grown = classroom::readResultFile(QDir(folder).filePath(name));
        ASSERT_EQ(grown.result.checks.size(), 3u) << folder.toStdString();
        EXPECT_EQ(grown.result.checks[1], there.checks[1]);
        EXPECT_EQ(grown.result.checks[2].answer, u"5890"_s);
    }
}

// The program ended while the class folder took nothing: the next start,
// with no task at all, sends the result there first.
TEST_F(Results, WhatAnEndedRunOwesIsSentAtTheNextStart)
{
    ASSERT_TRUE(QDir().mkpath(classFolder));
    QFile blocker(shared);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    {
        ResultKeeper keeper(form, local);
        keeper.startTask(ivanov, taskFile);
        measure();
        check(u"590"_s);
        EXPECT_FALSE(keeper.sendPending(0));
    }
    ASSERT_EQ(classroom::readOwedResults(local).size(), 1u);
    ASSERT_TRUE(QFile::remove(shared));

    TForm1 nextStart{bench::NumberFormat{}};
    ResultKeeper keeper(nextStart, local);
    keeper.sendOwed();
    EXPECT_TRUE(keeper.sendPending(0));
    EXPECT_EQ(onlyFileIn(shared).result.checks.size(), 1u);
    EXPECT_EQ(onlyFileIn(shared).result.checks[0].verdict, u"Верно !"_s);
    EXPECT_TRUE(classroom::readOwedResults(local).empty());
}

TEST_F(Results, TheOrdinaryExerciseWritesNoResultFile)
{
    ResultKeeper keeper(form, local);
    check(u"500"_s);
    EXPECT_FALSE(QDir(local).exists() && !QDir(local).isEmpty());
}

// A task file on a share whose server hangs: the read goes on on its own
// thread, and the pupil is told the class folder does not answer, and may
// wait again or give up; a folder that answers is not told about.
TEST(PatientRead, AFolderThatDoesNotAnswerIsToldAndMayBeWaitedForOrGivenUp)
{
    auto gate = std::make_shared<QSemaphore>();
    BoxCatcher boxes;
    boxes.answerNextWith(u"Повторить"_s);
    boxes.answerNextWith(u"Отмена"_s);
    EXPECT_FALSE(runPatiently([gate] { gate->acquire(); }, u"/srv/klass"_s, 10));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].title, u"Измерение длины световой волны"_s);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(u"Папка класса не отвечает: «/srv/klass»"_s))
        << boxes.shown()[0].text.toStdString();
    EXPECT_EQ(boxes.shown()[1].buttons, (QStringList{u"Повторить"_s, u"Отмена"_s}));
    gate->release();

    auto answered = std::make_shared<bool>(false);
    EXPECT_TRUE(runPatiently([answered] { *answered = true; }, u"/srv/klass"_s, 600000));
    EXPECT_TRUE(*answered);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

} // namespace
