// The window as a classroom task: the pupil sees the bench lit by an unknown
// lamp, and nothing on the screen or on the accessibility bus tells its
// wavelength before a right answer.
#include "window_fixture.h"

#include "journal.h"
#include "save_file.h"
#include "task_dialog.h"
#include "task_files.h"
#include "task_look.h"
#include "task_start.h"
#include "task_texts.h"
#include "title_screen.h"
#include "ui_task_dialog.h"
#include "ui_title_screen.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using bench::TaskHint;

namespace {

// 9Б: variant 6 is the sodium line at 589 nm, variant 2 mercury at 577 nm.
bench::Task taskOf(int variant)
{
    return bench::parseTask(u"9Б"_s, QString::number(variant), u"Иванов Пётр"_s).task;
}

// Every text a widget offers: on the screen, in tooltips and on the bus.
QStringList textsOf(QWidget *w)
{
    QStringList texts{w->toolTip(), w->whatsThis(), w->statusTip(), w->accessibleName(), w->accessibleDescription()};
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        texts << edit->text() << edit->placeholderText();
    if (auto *label = qobject_cast<QLabel *>(w))
        texts << label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        texts << button->text();
    if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w)) {
        for (const auto role : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            texts << a->text(role);
        if (QAccessibleValueInterface *value = a->valueInterface())
            texts << value->currentValue().toString();
    }
    return texts;
}

class TaskWindow : public WindowTest {
protected:
    void start(int variant)
    {
        form().startTask(taskOf(variant));
        showWindow();
        press(ui().Button2);
    }
    TaskLook &look() { return *bench().taskLook(); }
    void check(const QString &answer)
    {
        exp().Edit5->setText(answer);
        press(exp().Button6);
    }
    // The cursor on the sodium line's first order at d = 1,0 (2,95 cm, where
    // the read-outs give 590 nm), and k typed.
    void measure()
    {
        exp().Img_cursor->setFocus();
        QTest::keyClick(exp().Img_cursor, Qt::Key_PageUp);
        QTest::keyClick(exp().Img_cursor, Qt::Key_PageUp);
        for (int row = 80; row < 118; ++row)
            QTest::keyClick(exp().Img_cursor, Qt::Key_Up);
        exp().Ed_k->setText(u"1"_s);
    }
};

TEST_F(TaskWindow, TheLampTakesThePlaceOfTheStripSliderAndArrows)
{
    start(6);
    EXPECT_EQ(form().windowTitle(), TForm1::caption() + u" — контрольное задание, вариант 6"_s);
    for (QWidget *w : std::initializer_list<QWidget *>{exp().Shp_spektr, exp().Img_spektr, exp().Img_vizir,
             exp().Img_dl_dn, exp().Img_dl_up})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    QLabel *lamp = look().lampLabel();
    EXPECT_TRUE(lamp->isVisible());
    EXPECT_EQ(lamp->text(), u"Свет от лампы с неизвестной длиной волны"_s);
    EXPECT_TRUE(exp().Img_dl_dn->geometry().united(exp().Img_dl_up->geometry()).contains(lamp->geometry()));
    EXPECT_EQ(exp().Ed_mkm->text(), u"?"_s);
    EXPECT_TRUE(exp().Ed_mkm->isReadOnly());
    EXPECT_TRUE(exp().Ed_ym->isReadOnly());
    EXPECT_FALSE(exp().Ed_k->isReadOnly());
    EXPECT_NE(exp().Ed_ym->palette().color(QPalette::Base), exp().Ed_k->palette().color(QPalette::Base));
}

TEST_F(TaskWindow, YIsTheCursorsReadOutAndAMaximumsClickFillsInNothing)
{
    start(6);
    EXPECT_EQ(exp().Ed_ym->text(), u"0,00"_s);
    EXPECT_EQ(exp().Ed_k->text(), QString());
    measure();
    EXPECT_EQ(exp().Ed_ym->text(), u"2,95"_s);
    QTest::mouseClick(exp().Img1d, Qt::LeftButton);
    EXPECT_EQ(bench().session().state().k_sel, -1);
    EXPECT_EQ(exp().Ed_ym->text(), u"2,95"_s);
    EXPECT_EQ(exp().Ed_k->text(), u"1"_s);
    check(u"590"_s);
    EXPECT_EQ(exp().Lbl_otv->text(), u"Верно !"_s);
}

TEST_F(TaskWindow, NothingTellsTheWavelengthBeforeARightAnswer)
{
    start(6);
    const QRect slider = exp().Img_vizir->geometry();
    measure();
    check(u"580"_s); // a wrong answer brings up a hint, not the line
    for (const QString &nm : {u"589"_s, u"0,589"_s, u"5,89"_s}) {
        EXPECT_FALSE(form().windowTitle().contains(nm));
        for (QWidget *w : form().findChildren<QWidget *>()) {
            for (const QString &text : textsOf(w))
                EXPECT_FALSE(text.contains(nm)) << w->objectName().toStdString() << ": " << text.toStdString();
        }
    }
    // The hidden slider stands where it stands for any other lamp.
    TForm1 other(bench::NumberFormat{});
    other.startTask(taskOf(2));
    EXPECT_EQ(other.experiment().ui().Img_vizir->geometry(), slider);
    EXPECT_NE(other.session().state().dl_ofs, bench().state().dl_ofs);
}

TEST_F(TaskWindow, TheHintStandsBesideTheVerdictCoveringNoControl)
{
    start(6);
    QLabel *hint = look().hintLabel();
    measure();
    check(u"5890"_s);
    EXPECT_EQ(exp().Lbl_otv->text(), u"Неверно !"_s);
    EXPECT_EQ(hint->text(), u"ошибка в вычислении"_s);
    for (QWidget *w : exp().GroupBox4->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w != hint && w->isVisible()) {
            EXPECT_FALSE(w->geometry().intersects(hint->geometry())) << w->objectName().toStdString();
        }
    }
    EXPECT_TRUE(exp().GroupBox4->contentsRect().contains(hint->geometry()));
    // Every text the label can show fits in it, and the lamp's in its own.
    for (const TaskHint h :
        {TaskHint::OffTheLine, TaskHint::Arithmetic, TaskHint::OrderMissing, TaskHint::WrongOrder, TaskHint::Rounding})
        EXPECT_LE(hint->fontMetrics().boundingRect(hint->rect(), Qt::TextWordWrap, bench::hintText(h)).height(),
            hint->height())
            << bench::hintText(h).toStdString();
    for (const bench::LampLine &line : bench::kLampLines)
        EXPECT_LE(hint->fontMetrics().boundingRect(hint->rect(), Qt::TextWordWrap, bench::lineName(line)).height(),
            hint->height());
    QLabel *lamp = look().lampLabel();
    EXPECT_LE(lamp->fontMetrics().boundingRect(lamp->text()).width(), lamp->width());

    press(exp().Button6);
    EXPECT_EQ(hint->text(), QString());
    check(u"590"_s);
    EXPECT_EQ(exp().Lbl_otv->text(), u"Верно !"_s);
    EXPECT_EQ(hint->text(), u"натрий, 589 нм"_s);
    EXPECT_EQ(bench().session().taskChecks(), 2u);
}

TaskStart taskStartOf(const QStringList &arguments)
{
    QString error;
    TaskStart start = readTaskStart(parseCommandLine(arguments), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return start;
}

TEST(TaskDialog, RefusesWhatIsWrongKeepsWhatWasTypedAndCancelLeavesNoTask)
{
    TaskDialog dialog;
    dialog.prefill(taskStartOf({u"--task"_s, u"--variant"_s, u"7"_s}));
    Ui::TaskDialog &f = dialog.ui();
    EXPECT_EQ(dialog.windowTitle(), u"Контрольное задание"_s);
    EXPECT_EQ(f.Ed_variant->text(), u"7"_s);

    f.Ed_pupil->setText(u"Иванов Пётр"_s);
    f.Btn_start->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(f.Lbl_message->text(), u"Введите код задания, который дал учитель."_s);
    f.Ed_code->setText(u"9б"_s);
    f.Ed_variant->setText(u"100"_s);
    f.Btn_start->click();
    EXPECT_EQ(f.Lbl_message->text(), u"Вариант — целое число от 1 до 99."_s);
    EXPECT_EQ(f.Ed_pupil->text(), u"Иванов Пётр"_s);
    EXPECT_FALSE(dialog.task().has_value());

    f.Ed_variant->setText(u"6"_s);
    f.Btn_start->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.task().has_value());
    EXPECT_EQ(dialog.task()->code, u"9Б"_s);
    EXPECT_EQ(dialog.task()->lampLine().nm, 589);

    TaskDialog cancelled;
    cancelled.prefill(taskStartOf({u"--task"_s, u"9Б"_s, u"--variant"_s, u"6"_s}));
    cancelled.ui().Btn_cancel->click();
    EXPECT_FALSE(cancelled.task().has_value());
}

// The class's task file opened from the dialog: with a list the pupil picks
// a name and its variant follows; a bad file changes nothing. 4817-2593's
// variants 2 and 3 are 577 and 436 nm (the separate script's vectors).
TEST(TaskDialog, ATaskFileGivesTheCodeAndTheNameGivesTheVariant)
{
    QTemporaryDir dir;
    classroom::ClassroomTask listed;
    listed.title = u"Контрольная"_s;
    listed.form = u"9Б"_s;
    listed.code = u"4817-2593"_s;
    listed.variants = 3;
    listed.pupils = {{1, u"Иванов Пётр"_s, {}}, {2, u"Петрова Анна"_s, {}}, {3, u"Сидоров Илья"_s, {}}};
    classroom::ClassroomTask unlisted = listed;
    unlisted.pupils.clear();
    const QString withList = dir.filePath(u"список.gratinglab-task"_s);
    const QString withoutList = dir.filePath(u"без списка.gratinglab-task"_s);
    const QString teacher = dir.filePath(u"ключ.gratinglab-teacher"_s);
    ASSERT_TRUE(
        classroom::saveFile(withList, classroom::taskFileBytes(listed, classroom::TaskFileKind::Pupils)).isEmpty());
    ASSERT_TRUE(classroom::saveFile(withoutList, classroom::taskFileBytes(unlisted, classroom::TaskFileKind::Pupils))
                    .isEmpty());
    ASSERT_TRUE(
        classroom::saveFile(teacher, classroom::taskFileBytes(listed, classroom::TaskFileKind::Teacher)).isEmpty());

    TaskDialog dialog;
    Ui::TaskDialog &f = dialog.ui();
    QString answer = teacher;
    dialog.chooseTaskFile = [&answer](QWidget *) { return answer; };
    f.Ed_code->setText(u"9Б"_s);
    f.Btn_openFile->click();
    EXPECT_EQ(f.Lbl_message->text(),
        u"«ключ.gratinglab-teacher» — файл учителя с ключом ответов, а не файл задания для учеников."_s);
    EXPECT_EQ(f.Ed_code->text(), u"9Б"_s);
    EXPECT_FALSE(f.Ed_code->isReadOnly());

    answer = withList;
    f.Btn_openFile->click();
    EXPECT_EQ(f.Lbl_message->text(), QString());
    EXPECT_EQ(f.Lbl_file->text(), u"«Контрольная», класс 9Б"_s);
    EXPECT_EQ(f.Ed_code->text(), u"4817-2593"_s);
    EXPECT_TRUE(f.Ed_code->isReadOnly());
    EXPECT_TRUE(f.Cb_pupil->isVisibleTo(&dialog));
    EXPECT_FALSE(f.Ed_pupil->isVisibleTo(&dialog));
    ASSERT_EQ(f.Cb_pupil->count(), 4);
    f.Btn_start->click();
    EXPECT_EQ(f.Lbl_message->text(), u"Выберите свою фамилию и имя из списка класса."_s);
    f.Cb_pupil->setCurrentIndex(2);
    EXPECT_EQ(f.Ed_variant->text(), u"2"_s);
    EXPECT_EQ(f.Lbl_message->text(), QString());
    // The variant follows the name: it looks, acts and reads as read-only.
    EXPECT_TRUE(f.Ed_variant->isReadOnly());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(f.Ed_variant)->state().readOnly);
    EXPECT_NE(f.Ed_variant->palette().color(QPalette::Base), f.Ed_pupil->palette().color(QPalette::Base));
    QTest::keyClicks(f.Ed_variant, u"3"_s);
    EXPECT_EQ(f.Ed_variant->text(), u"2"_s);
    f.Btn_start->click();
    ASSERT_TRUE(dialog.task().has_value());
    EXPECT_EQ(dialog.task()->pupil, u"Петрова Анна"_s);
    EXPECT_EQ(dialog.task()->variant, 2);
    EXPECT_EQ(dialog.task()->lampLine().nm, 577);

    TaskDialog typed;
    typed.prefill(taskStartOf({withoutList}));
    Ui::TaskDialog &t = typed.ui();
    EXPECT_TRUE(t.Ed_pupil->isVisibleTo(&typed));
    EXPECT_FALSE(t.Cb_pupil->isVisibleTo(&typed));
    t.Ed_variant->setText(u"4"_s);
    t.Btn_start->click();
    EXPECT_EQ(t.Lbl_message->text(), u"Вариант — целое число от 1 до 3."_s);
    t.Ed_variant->setText(u"3"_s);
    t.Ed_pupil->setText(u"Новенький"_s);
    t.Btn_start->click();
    ASSERT_TRUE(typed.task().has_value());
    EXPECT_EQ(typed.task()->lampLine().nm, 436);
    EXPECT_EQ(typed.task()->pupil, u"Новенький"_s);
}

} // namespace

namespace {

// The journal of a task: the lamp's wavelength stays «?» in every row until a
// check of it is right, and the task's code, variant and pupil head the report.
TEST_F(TaskWindow, TheJournalConcealsTheLampUntilItIsMeasured)
{
    start(6);
    const journal::JournalModel &rows = form().journal().model();
    measure();
    check(u"580"_s);
    press(exp().Button6);
    check(u"5890"_s);
    press(exp().Button6);
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.cellText(0, journal::Column::SetWavelength), u"?"_s);
    EXPECT_EQ(rows.cellText(1, journal::Column::SetWavelength), u"?"_s);
    check(u"590"_s);
    ASSERT_EQ(rows.rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(rows.cellText(row, journal::Column::SetWavelength), u"589"_s) << row;

    const journal::PupilData &pupil = form().journal().pupil();
    EXPECT_EQ(pupil.pupil, u"Иванов Пётр"_s);
    EXPECT_EQ(pupil.taskCode, u"9Б"_s);
    EXPECT_EQ(pupil.variant, u"6"_s);
}

} // namespace

namespace {

// Answers the task dialog as the pupil would, once it is on the screen.
class DialogAnswer : public QObject {
public:
    explicit DialogAnswer(std::function<void(Ui::TaskDialog &)> answer) : answer_(std::move(answer))
    {
        qApp->installEventFilter(this);
    }
    ~DialogAnswer() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<TaskDialog *>(watched);
        if (dialog && event->type() == QEvent::Show) {
            ++shown;
            QMetaObject::invokeMethod(
                dialog, [dialog, this] { answer_(dialog->ui()); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(Ui::TaskDialog &)> answer_;
};

// The ordinary window opens the class's task file itself: from the title
// screen's button, or Ctrl+O on any screen. A file that is not a task file is
// told in the program's box; a task starts on the bench, its class in the
// journal, and a second one waits for the next run.
TEST_F(TaskWindow, ATaskFileOpenedInTheWindowStartsOnTheBenchWithItsClass)
{
    QTemporaryDir dir;
    classroom::ClassroomTask listed;
    listed.title = u"Контрольная"_s;
    listed.form = u"10А"_s;
    listed.code = u"4817-2593"_s;
    listed.variants = 3;
    listed.pupils = {{1, u"Иванов Пётр"_s, {}}, {2, u"Петрова Анна"_s, {}}, {3, u"Сидоров Илья"_s, {}}};
    const QString task = dir.filePath(u"Контрольная.gratinglab-task"_s);
    const QString teacher = dir.filePath(u"Контрольная.gratinglab-teacher"_s);
    ASSERT_TRUE(classroom::saveFile(task, classroom::taskFileBytes(listed, classroom::TaskFileKind::Pupils)).isEmpty());
    ASSERT_TRUE(
        classroom::saveFile(teacher, classroom::taskFileBytes(listed, classroom::TaskFileKind::Teacher)).isEmpty());
    QObject::connect(&form(), &TForm1::taskChosen, &form(), &TForm1::startTask);
    QString chosen = teacher;
    form().chooseTaskFile = [&chosen](QWidget *) { return chosen; };
    BoxCatcher boxes;
    DialogAnswer dialog([](Ui::TaskDialog &f) {
        f.Cb_pupil->setCurrentIndex(2);
        f.Btn_start->click();
    });
    showWindow();

    press(form().title().findChild<QPushButton *>(u"Btn_openTask"_s));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, u"Измерение длины световой волны"_s);
    EXPECT_EQ(boxes.shown()[0].text,
        u"«%1» — файл учителя с ключом ответов, а не файл задания для учеников."_s.arg(teacher));
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_FALSE(form().session().task().has_value());
    EXPECT_TRUE(ui().P1->isVisible());

    chosen = task;
    showWindow(); // active again after the box
    press(ui().Button7);
    QTest::keyClick(&form(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialog.shown, 1);
    ASSERT_TRUE(form().session().task().has_value());
    EXPECT_EQ(form().session().task()->variant, 2);
    EXPECT_EQ(form().taskFile(), task);
    EXPECT_TRUE(ui().P3->isVisible());
    const journal::PupilData &pupil = form().journal().pupil();
    EXPECT_EQ(pupil.pupil, u"Петрова Анна"_s);
    EXPECT_EQ(pupil.form, u"10А"_s);
    EXPECT_EQ(pupil.taskCode, u"4817-2593"_s);

    showWindow();
    QTest::keyClick(&form(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text,
        u"Задание уже открыто. Чтобы открыть другое, закройте программу и откройте файл задания снова."_s);
    EXPECT_EQ(dialog.shown, 1);
}

} // namespace
