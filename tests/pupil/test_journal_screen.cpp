// The journal screen in the program's window: recording, the table through
// the accessibility interface, clearing, saving, printing and the question
// on close. The file and print dialogs are answered by the test.
#include "window_fixture.h"

#include "csv_file.h"
#include "journal.h"
#include "journal_dialogs.h"
#include "journal_screen.h"
#include "ui_journal_screen.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

class AnsweredDialogs final : public JournalDialogs {
public:
    std::optional<journal::SaveTarget> chooseSaveFile(QWidget *) override
    {
        ++saveAsked;
        return target;
    }
    bool print(QWidget *, const journal::Journal &journal) override
    {
        printedRows = journal.model().rowCount();
        return true;
    }

    std::optional<journal::SaveTarget> target;
    int saveAsked = 0;
    int printedRows = -1;
};

// Cyrillic as a keyboard layout delivers it: a key event carrying the text.
void typeInto(QWidget *edit, const QString &text)
{
    edit->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &press);
}

// Every text a widget offers on the screen, in tooltips and on the
// accessibility bus, the cells of a table through its accessible children.
void collectAccessible(QAccessibleInterface *a, QStringList &texts)
{
    if (!a)
        return;
    for (const auto role : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        texts << a->text(role);
    if (QAccessibleValueInterface *value = a->valueInterface())
        texts << value->currentValue().toString();
    for (int i = 0; i < a->childCount(); ++i)
        collectAccessible(a->child(i), texts);
}

QStringList textsOf(QWidget *root)
{
    QStringList texts{root->windowTitle()};
    for (QWidget *w : root->findChildren<QWidget *>()) {
        texts << w->toolTip() << w->whatsThis() << w->statusTip() << w->accessibleName() << w->accessibleDescription();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->text() << edit->placeholderText();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
    }
    collectAccessible(QAccessible::queryAccessibleInterface(root), texts);
    return texts;
}

// A decimal read-out as the journal shows it, as a fraction.
std::pair<long long, long long> fraction(const QString &text)
{
    const QStringList parts = text.split(u',');
    long long denominator = 1;
    for (qsizetype i = 0; i < parts.value(1).size(); ++i)
        denominator *= 10;
    const long long numerator = QString(parts.value(0) + parts.value(1)).toLongLong();
    return {numerator, denominator};
}

// The style lays a box's buttons out in its own order.
QStringList sorted(QStringList texts)
{
    texts.sort();
    return texts;
}

class JournalScreenTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        form().journalScreen().setDialogs(dialogs_);
        form().journal().setNow([] { return QDateTime(QDate(2026, 3, 2), QTime(10, 15, 0)); });
        showWindow();
    }

    // The pupil's check on the bench: an answer typed and judged, then reset.
    void check(const QString &answer)
    {
        press(ui().Button2);
        exp().Edit5->setFocus();
        QTest::keyClicks(exp().Edit5, answer);
        press(exp().Button6);
        press(exp().Button6);
    }

    Ui::JournalScreen &jr() { return form().journalScreen().ui(); }
    int rows() { return form().journal().model().rowCount(); }
    QString path(const QString &name) { return dir_.filePath(name); }

    QTemporaryDir dir_;
    AnsweredDialogs dialogs_;
};

TEST_F(JournalScreenTest, JournalButtonShowsTheChecksAndLeavesTheBenchAsItWas)
{
    check(u"380"_s);
    check(u"381"_s);
    form().session().selectOrder(-2);
    const QImage picture = canvas();
    const unsigned renders = form().session().renders();

    press(ui().Button7);
    EXPECT_TRUE(ui().P4->isVisible());
    for (QWidget *panel :
        {static_cast<QWidget *>(ui().P1), static_cast<QWidget *>(ui().P2), static_cast<QWidget *>(ui().P3)})
        EXPECT_FALSE(panel->isVisible()) << panel->objectName().toStdString();
    EXPECT_EQ(ui().P4->geometry(), QRect(0, 0, 992, 617));
    EXPECT_EQ(jr().Tbl_zhurnal->model()->rowCount(), 2);
    // 1,0 * 1,90 * 1e4 / 50 = 380,0; the second answer judged wrong.
    EXPECT_EQ(jr().Tbl_zhurnal->model()->index(1, 6).data().toString(), u"380,0");
    EXPECT_EQ(jr().Tbl_zhurnal->model()->index(1, 8).data().toString(), u"Неверно");
    EXPECT_TRUE(jr().Lbl_itogi->text().contains(u">380,0<"_s));
    EXPECT_TRUE(jr().Lbl_formuly->text().contains(u"λ = d·y / (k·F)"_s));

    press(ui().Button2);
    EXPECT_EQ(form().session().renders(), renders);
    EXPECT_EQ(canvas(), picture);
    EXPECT_EQ(bench().state().k_sel, -2);
}

TEST_F(JournalScreenTest, TabWalksTheBottomRowThenTheJournal)
{
    press(ui().Button7);
    ui().Button1->setFocus(Qt::TabFocusReason);
    QStringList walked;
    for (int i = 0; i < 12; ++i) {
        walked.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked,
        (QStringList{u"Button1"_s, u"Button2"_s, u"Button3"_s, u"Button7"_s, u"Button4"_s, u"Button5"_s,
            u"Ed_uchenik"_s, u"Ed_klass"_s, u"Tbl_zhurnal"_s, u"Btn_ochistit"_s, u"Btn_sohranit"_s, u"Btn_pechat"_s}));
}

TEST_F(JournalScreenTest, ScreenReaderReadsTheTableCellByCell)
{
    check(u"380"_s);
    press(ui().Button7);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(jr().Tbl_zhurnal);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), u"Журнал измерений");
    QAccessibleTableInterface *cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 1);
    EXPECT_EQ(cells->columnCount(), 9);
    QStringList read;
    for (int c = 0; c < cells->columnCount(); ++c)
        read.append(cells->cellAt(0, c)->text(QAccessible::Name));
    EXPECT_EQ(read,
        (QStringList{u"1"_s, u"10:15:00"_s, u"380"_s, u"1,0"_s, u"1"_s, u"1,90"_s, u"380,0"_s, u"380"_s, u"Верно"_s}));
    QAccessibleTableCellInterface *cell = cells->cellAt(0, 6)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    // Qt hands the header cells over to the caller, who gives them to the
    // cache to be deleted.
    QAccessibleInterface *header = cell->columnHeaderCells().value(0);
    ASSERT_NE(header, nullptr);
    const QAccessible::Id headerId = QAccessible::registerAccessibleInterface(header);
    EXPECT_EQ(header->text(QAccessible::Name), u"λ по d и y, нм");
    QAccessible::deleteAccessibleInterface(headerId);
}

TEST_F(JournalScreenTest, ClearingAsksFirstAndOnlyAYesEmptiesTheJournal)
{
    BoxCatcher boxes;
    check(u"380"_s);
    press(ui().Button7);
    boxes.answerNextWith(u"Отмена"_s);
    press(jr().Btn_ochistit);
    EXPECT_EQ(rows(), 1);
    boxes.answerNextWith(u"Очистить"_s);
    press(jr().Btn_ochistit);
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(form().journal().lastBench().isNull());
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, u"Очистить журнал? Все записи будут удалены.");
    EXPECT_EQ(sorted(boxes.shown()[0].buttons), (QStringList{u"Отмена"_s, u"Очистить"_s}));
    // The bench's check is untouched, and new checks number from 1 again.
    check(u"380"_s);
    EXPECT_EQ(form().journal().model().cellText(0, journal::Column::Number), u"1");
}

// Ctrl+S and Ctrl+P work on the journal screen only; a name without an
// extension takes the selected type's.
TEST_F(JournalScreenTest, SaveWritesTheChosenTypeAndShortcutsWorkOnTheJournalOnly)
{
    check(u"380"_s);
    dialogs_.target = journal::SaveTarget{path(u"журнал"_s), journal::FileType::Csv};
    QTest::keySequence(form().windowHandle(), QKeySequence::Save);
    QTest::keySequence(form().windowHandle(), QKeySequence::Print);
    EXPECT_EQ(dialogs_.saveAsked, 0) << "the bench is shown";
    EXPECT_EQ(dialogs_.printedRows, -1);

    press(ui().Button7);
    QTest::keySequence(form().windowHandle(), QKeySequence::Save);
    EXPECT_EQ(dialogs_.saveAsked, 1);
    QFile file(path(u"журнал.csv"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), journal::csvBytes(form().journal().model()));
    EXPECT_FALSE(form().journal().model().hasUnsavedRows());

    QTest::keySequence(form().windowHandle(), QKeySequence::Print);
    EXPECT_EQ(dialogs_.printedRows, 1);
    dialogs_.printedRows = -1;
    press(jr().Btn_pechat);
    EXPECT_EQ(dialogs_.printedRows, 1);
}

TEST_F(JournalScreenTest, UnwritableFileIsReportedAndTheJournalKept)
{
    BoxCatcher boxes;
    check(u"380"_s);
    press(ui().Button7);
    const QString missing = path(u"нет такой папки/отчёт.pdf"_s);
    dialogs_.target = journal::SaveTarget{missing, journal::FileType::Pdf};
    press(jr().Btn_sohranit);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.shown()[0].text,
        u"Не удалось сохранить журнал в файл «"_s + missing
            + u"»: такой папки нет. Записи журнала сохранены в программе; "
              u"выберите другое место."_s);
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(form().journal().model().hasUnsavedRows());
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(JournalScreenTest, PupilDataGoesToTheReportAndATaskFillsIt)
{
    press(ui().Button7);
    typeInto(jr().Ed_uchenik, u"Петров"_s);
    typeInto(jr().Ed_klass, u"11Б"_s);
    EXPECT_EQ(form().journal().pupil().pupil, u"Петров");
    EXPECT_EQ(form().journal().pupil().form, u"11Б");
    EXPECT_EQ(jr().Lbl_zadanie->text(), u"");

    form().journal().setPupil({u"Сидорова"_s, u"10А"_s, u"Q4"_s, u"2"_s});
    EXPECT_EQ(jr().Ed_uchenik->text(), u"Сидорова");
    EXPECT_EQ(jr().Ed_klass->text(), u"10А");
    EXPECT_EQ(jr().Lbl_zadanie->text(), u"Задание: код Q4, вариант 2");
}

enum class CloseBy { Button5, WindowSystem };

struct CloseCase {
    const char *name;
    const char16_t *answer; // nullptr: no rows, no question
    CloseBy by;
    bool closes;
    bool written;
};

class ClosePromptTest : public JournalScreenTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosePromptTest, UnsavedRowsAreAskedAbout)
{
    const CloseCase c = GetParam();
    BoxCatcher boxes;
    if (c.answer) {
        check(u"380"_s);
        boxes.answerNextWith(QString::fromUtf16(c.answer));
    }
    dialogs_.target = journal::SaveTarget{path(u"итог.pdf"_s), journal::FileType::Csv};
    if (c.by == CloseBy::Button5)
        press(ui().Button5);
    else
        form().windowHandle()->close(); // the close box and the system menu
    QApplication::processEvents();

    EXPECT_EQ(form().isVisible(), !c.closes);
    EXPECT_EQ(QFile::exists(path(u"итог.pdf"_s)), c.written);
    if (!c.answer) {
        EXPECT_TRUE(boxes.shown().empty());
        return;
    }
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, u"Сохранить журнал измерений?");
    EXPECT_EQ(sorted(boxes.shown()[0].buttons), (QStringList{u"Не сохранять"_s, u"Отмена"_s, u"Сохранить"_s}));
    EXPECT_EQ(rows(), 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosePromptTest,
    ::testing::Values(CloseCase{"SaveWritesThenCloses", u"Сохранить", CloseBy::Button5, true, true},
        CloseCase{"DontSaveCloses", u"Не сохранять", CloseBy::Button5, true, false},
        CloseCase{"CancelKeepsRunning", u"Отмена", CloseBy::Button5, false, false},
        CloseCase{"CloseBoxAsksToo", u"Отмена", CloseBy::WindowSystem, false, false},
        CloseCase{"CloseBoxDontSave", u"Не сохранять", CloseBy::WindowSystem, true, false},
        CloseCase{"NoRowsClosesAtOnce", nullptr, CloseBy::Button5, true, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Saving from the question fails: the program stays, with its rows.
TEST_F(JournalScreenTest, CloseWithAFailedSaveKeepsRunning)
{
    BoxCatcher boxes;
    check(u"380"_s);
    boxes.answerNextWith(u"Сохранить"_s);
    dialogs_.target = journal::SaveTarget{path(u"нет/итог.csv"_s), journal::FileType::Csv};
    press(ui().Button5);
    EXPECT_TRUE(form().isVisible());
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].icon, QMessageBox::Critical);
    EXPECT_EQ(rows(), 1);
}

// In a task, after a wrong answer, nothing of the journal gives the answer
// away: neither the lamp's line nor the wavelength worked out from the shown
// d, y and k, rounded down or up (a text with one decimal holds one of those
// whole numbers), on the screen, on the bus, in the CSV file or in the PDF.
struct LeakCase {
    const char *name;
    int variant;
    int spins; // presses of d's up arrow
    int order;
    const char16_t *answer;
};

class TaskJournalTest : public JournalScreenTest, public ::testing::WithParamInterface<LeakCase> {};

TEST_P(TaskJournalTest, NothingShownWorksOutTheAnswer)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        << "pdftotext is missing: tools/install-deps.sh installs poppler-utils";
    const LeakCase c = GetParam();
    form().startTask(bench::parseTask(u"9Б"_s, QString::number(c.variant), u"Иванов Пётр"_s).task);
    press(ui().Button2);
    for (int i = 0; i < c.spins; ++i)
        form().session().SpinButton1UpClick();
    ASSERT_TRUE(form().session().orderSelectable(c.order));
    form().session().selectOrder(c.order);
    // In a task y is the cursor's read-out and k is typed: the cursor a
    // little off the axis on the maximum's side.
    form().session().moveCursorTo(c.order > 0 ? 101 : -101);
    exp().Ed_k->setText(QString::number(std::abs(c.order)));
    exp().Edit5->setText(QString::fromUtf16(c.answer));
    press(exp().Button6);
    ASSERT_EQ(exp().Lbl_otv->text(), u"Неверно !"_s);
    press(ui().Button7);

    const journal::JournalModel &model = form().journal().model();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.cellText(0, journal::Column::Computed), u"—"_s);
    // lambda = d * 1e4 nm * y / (|k| * 50), from the texts the row shows.
    const auto [dn, dd] = fraction(model.cellText(0, journal::Column::Grating));
    const auto [yn, yd] = fraction(model.cellText(0, journal::Column::Distance));
    const long long k = model.cellText(0, journal::Column::Order).toLongLong();
    ASSERT_NE(k, 0);
    const long long num = 200 * dn * (yn < 0 ? -yn : yn);
    const long long den = dd * yd * (k < 0 ? -k : k);
    ASSERT_GT(num, 0);
    QStringList secrets{QString::number(form().session().task()->lampLine().nm), QString::number(num / den),
        QString::number((num + den - 1) / den)};

    QStringList texts = textsOf(&form());
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int col = 0; col < journal::kColumnCount; ++col)
            texts << model.cellText(r, journal::Column(col));
    }
    dialogs_.target = journal::SaveTarget{path(u"журнал.csv"_s), journal::FileType::Csv};
    ASSERT_TRUE(form().journalScreen().save());
    QFile csv(path(u"журнал.csv"_s));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    texts << QString::fromUtf8(csv.readAll());
    dialogs_.target = journal::SaveTarget{path(u"отчёт.pdf"_s), journal::FileType::Pdf};
    ASSERT_TRUE(form().journalScreen().save());
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, path(u"отчёт.pdf"_s), u"-"_s});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    const QString report = QString::fromUtf8(pdftotext.readAllStandardOutput());
    ASSERT_TRUE(report.contains(u"Неверно"_s)) << report.toStdString();
    texts << report;

    for (const QString &secret : secrets) {
        for (const QString &text : texts)
            EXPECT_FALSE(text.contains(secret)) << secret.toStdString() << " in: " << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tasks, TaskJournalTest,
    ::testing::Values(LeakCase{"FirstOrderAnswerOne", 6, 0, 1, u"1"},
        LeakCase{"SecondOrderBelowTheAxis", 2, 3, -2, u"600"},
        LeakCase{"ThirdOrderOnAnotherGrating", 11, 9, 3, u"300"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
