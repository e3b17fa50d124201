// The journal's recovery copy through the real window: what a crash leaves
// comes back whole, a clean end leaves nothing, and a second running program
// never touches the first one's copy.
#include "window_fixture.h"

#include "journal.h"
#include "journal_recovery.h"
#include "journal_snapshot.h"
#include "task_code.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// Asks nothing of a person: records that the question came and gives the answer.
struct Answer {
    bool restore = true;
    int asked = 0;
    JournalRecovery::Ask ask()
    {
        return [this](QWidget *) {
            ++asked;
            return restore;
        };
    }
};

class Recovery : public ::testing::Test {
protected:
    QTemporaryDir dir;

    // A run that makes three checks of variant 6 of «9Б» (sodium, 589 nm)
    // and then dies: nothing is removed, nothing saved.
    void crashAfterThreeChecks()
    {
        TForm1 form(bench::NumberFormat{});
        Answer none;
        JournalRecovery recovery(form, dir.path(), none.ask());
        EXPECT_FALSE(recovery.offerLeftover());
        form.startTask(bench::parseTask(u"9Б"_s, u"6"_s, u"Иванов Пётр"_s).task);
        Ui::ExperimentScreen &exp = form.experiment().ui();
        // The cursor on the line's first order, 2,95 cm: 590 nm from the read-outs.
        form.session().moveCursorTo(118);
        exp.Ed_k->setText(u"1"_s);
        for (const QString &answer : {u"500"_s, u"5890"_s, u"590"_s}) {
            exp.Edit5->setText(answer);
            exp.Button6->click(); // judges
            exp.Button6->click(); // and makes ready for the next
        }
        EXPECT_EQ(none.asked, 0);
    }
};

TEST_F(Recovery, AfterACrashTheTaskAndEveryCheckComeBack)
{
    crashAfterThreeChecks();

    TForm1 form(bench::NumberFormat{});
    Answer yes;
    JournalRecovery recovery(form, dir.path(), yes.ask());
    ASSERT_TRUE(recovery.offerLeftover());
    EXPECT_EQ(yes.asked, 1);

    const auto &task = form.session().task();
    ASSERT_TRUE(task.has_value());
    EXPECT_EQ(task->code, u"9Б"_s);
    EXPECT_EQ(task->variant, 6);
    EXPECT_EQ(task->pupil, u"Иванов Пётр"_s);
    EXPECT_EQ(form.session().taskChecks(), 3u);
    EXPECT_TRUE(form.session().taskSolved());
    EXPECT_TRUE(form.windowTitle().endsWith(u" — контрольное задание, вариант 6"_s));
    EXPECT_EQ(form.experiment().ui().Ed_mkm->text(), u"?"_s);

    const journal::JournalModel &rows = form.journal().model();
    ASSERT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(rows.rows()[0].answer, u"500"_s);
    EXPECT_EQ(rows.rows()[1].answer, u"5890"_s);
    EXPECT_EQ(rows.rows()[2].answer, u"590"_s);
    EXPECT_FALSE(rows.rows()[1].right);
    EXPECT_TRUE(rows.rows()[2].right);
    // Solved, so the line shows in every row, as it did before the crash.
    EXPECT_EQ(rows.cellText(0, journal::Column::SetWavelength), u"589"_s);
    EXPECT_TRUE(rows.hasUnsavedRows());
    EXPECT_EQ(form.journal().pupil().pupil, u"Иванов Пётр"_s);

    // The next check is kept too, after the three recovered ones.
    form.experiment().ui().Edit5->setText(u"590"_s);
    form.experiment().ui().Button6->click();
    QFile copy(QDir(dir.path()).filePath(u"journal-recovery.json"_s));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    const auto kept = journal::readSnapshot(copy.readAll());
    ASSERT_TRUE(std::holds_alternative<journal::JournalSnapshot>(kept));
    const journal::JournalSnapshot &s = std::get<journal::JournalSnapshot>(kept);
    ASSERT_EQ(s.rows.size(), 4u);
    EXPECT_EQ(s.rows[3].answer, u"590"_s);
    ASSERT_TRUE(s.task.has_value());
    EXPECT_EQ(s.task->checks, 4u);
}

TEST_F(Recovery, ACleanEndOrDeleteLeavesNothingToOffer)
{
    crashAfterThreeChecks();
    {
        TForm1 form(bench::NumberFormat{});
        Answer no{false};
        JournalRecovery recovery(form, dir.path(), no.ask());
        EXPECT_FALSE(recovery.offerLeftover());
        EXPECT_EQ(no.asked, 1);
        EXPECT_EQ(form.journal().model().rowCount(), 0);
        EXPECT_FALSE(form.session().task().has_value());
    }
    {
        TForm1 form(bench::NumberFormat{});
        Answer yes;
        JournalRecovery recovery(form, dir.path(), yes.ask());
        EXPECT_FALSE(recovery.offerLeftover());
        form.experiment().ui().Edit5->setText(u"1"_s);
        form.experiment().ui().Button6->click();
        recovery.finish();
    }
    TForm1 form(bench::NumberFormat{});
    Answer yes;
    JournalRecovery recovery(form, dir.path(), yes.ask());
    EXPECT_FALSE(recovery.offerLeftover());
    EXPECT_EQ(yes.asked, 0);
}

TEST_F(Recovery, ASecondRunningProgramLeavesTheFirstOnesCopyAlone)
{
    journal::RecoveryStore first(dir.path());
    ASSERT_TRUE(first.owned());
    ASSERT_TRUE(first.save("one"));
    journal::RecoveryStore second(dir.path());
    EXPECT_FALSE(second.owned());
    EXPECT_FALSE(second.leftover().has_value());
    EXPECT_FALSE(second.save("two"));
    second.remove();
    EXPECT_EQ(first.leftover(), QByteArray("one"));
}

} // namespace
