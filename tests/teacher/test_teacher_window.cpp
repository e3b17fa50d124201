// The teacher's window is wired to the classroom's rules: the form makes
// the two files, the key of the task saved or opened fills the table and
// goes to the printer, a PDF and a Moodle quiz; every refusal is said in
// the window; «Результаты» follows the class folder on a hand-driven clock
// and exports. The rules themselves are tested in tests/classroom.
#include "board_code.h"
#include "board_projector.h"
#include "class_results_panel.h"
#include "manual_clock.h"
#include "result_samples.h"
#include "task_files.h"
#include "teacher_window.h"
#include "ui_class_results_panel.h"
#include "ui_teacher_window.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
#include <QPointer>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

using namespace Qt::Literals::StringLiterals;

namespace {

// The dialogs answer from a script, as a teacher would.
class ScriptedDialogs final : public TeacherDialogs {
public:
    std::deque<QString> answers;
    QStringList captions, suggestions;
    int printed = 0;
    QByteArray printedPdf;

    QString chooseSaveFile(QWidget *, const QString &caption, const QString &suggested, const QString &) override
    {
        captions << caption;
        suggestions << suggested;
        return next();
    }
    QString chooseOpenFile(QWidget *, const QString &caption, const QString &) override
    {
        captions << caption;
        return next();
    }
    QString chooseFolder(QWidget *, const QString &caption) override
    {
        captions << caption;
        return next();
    }
    QStringList chooseOpenFiles(QWidget *, const QString &caption, const QString &) override
    {
        captions << caption;
        return {next()};
    }
    bool print(QWidget *, const std::function<void(QPagedPaintDevice &)> &paint) override
    {
        ++printed;
        QBuffer buffer(&printedPdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        paint(writer);
        return true;
    }

private:
    QString next()
    {
        QString a = answers.empty() ? QString() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return a;
    }
};

// Two codes in turn: 4817-2593, then 6031-8427.
class Digits final : public classroom::RandomSource {
public:
    std::uint32_t below(std::uint32_t) override { return digits_[i_++ % digits_.size()]; }

private:
    std::array<std::uint32_t, 16> digits_{4, 8, 1, 7, 2, 5, 9, 3, 6, 0, 3, 1, 8, 4, 2, 7};
    size_t i_ = 0;
};

// Every text the window and its children would show or tell a screen
// reader, hidden ones included, the temporary folder's random name left out.
QString allTexts(QWidget &top, const QString &folder)
{
    QStringList texts;
    const QList<QWidget *> widgets = top.findChildren<QWidget *>() << &top;
    for (QWidget *w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->text();
        if (auto *list = qobject_cast<QListWidget *>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        if (auto *table = qobject_cast<QTableWidget *>(w))
            for (QTableWidgetItem *item : table->findItems(u"*"_s, Qt::MatchWildcard))
                texts << item->text();
    }
    return texts.join(u'\n').remove(folder);
}

// The lines of «9Б» (samples::task9B) as whole numbers among other text.
const QRegularExpression kLines9B(u"(?<!\\d)(410|577|579|656|703|589)(?!\\d)"_s);

class TeacherWindowTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Digits digits;
    ManualClock clock;
    TeacherWindow window{dialogs, digits, &clock};
    Ui::TeacherWindow &f = window.ui();
};

// 4817-2593: variants 1..3 get 585, 577 and 436 nm (the separate script of
// the folding vectors).
TEST_F(TeacherWindowTest, ANewTaskIsSavedAsBothFilesAndItsKeyShown)
{
    EXPECT_EQ(f.Ed_title->text(), u"Измерение длины световой волны"_s);
    EXPECT_EQ(f.Ed_code->text(), u"4817-2593"_s);
    EXPECT_TRUE(f.Ed_code->isReadOnly());
    EXPECT_EQ(f.Lbl_boardCode->text(), u"4817-2593"_s);
    EXPECT_FALSE(f.Btn_pdf->isEnabled());
    window.today = [] { return QDate(2025, 3, 14); };
    f.Ed_class->setText(u"9Б"_s);
    f.Te_pupils->setPlainText(u"Иванов Пётр\tivanov@school.ru\nПетрова Анна\nСидоров Илья\n"_s);
    dialogs.answers = {path("9b"), path("class-9b")};
    f.Btn_save->click();

    EXPECT_EQ(f.Lbl_message->text(), QString());
    EXPECT_EQ(dialogs.suggestions, (QStringList{u"9Б 4817-2593"_s, u"9b.gratinglab-task"_s}));
    const auto teacher = classroom::readTaskFile(path("9b.gratinglab-teacher"), classroom::TaskFileKind::Teacher);
    ASSERT_TRUE(teacher.ok());
    EXPECT_EQ(teacher.task.created, QDate(2025, 3, 14));
    EXPECT_EQ(teacher.task.pupils[0].id, u"ivanov@school.ru"_s);
    const auto pupils = classroom::readTaskFile(path("class-9b.gratinglab-task"), classroom::TaskFileKind::Pupils);
    ASSERT_TRUE(pupils.ok());
    EXPECT_EQ(pupils.task.pupils.size(), 3u);
    // The class folder the pupils' file went to is where results are read,
    // and the teacher's file says so for the next lesson.
    EXPECT_EQ(window.results().watch().places(), QStringList{dir.path()});
    EXPECT_EQ(teacher.task.classFolder, dir.path());
    EXPECT_EQ(teacher.task.taskFile, path("class-9b.gratinglab-task"));
    EXPECT_EQ(f.Lbl_next->text(),
        u"Что дальше: файл задания — %1. Ученики открывают его двойным щелчком в папке класса или запускают "
        u"«Измерение длины световой волны» с рабочего стола и нажимают «Открыть задание…». Их результаты "
        u"появятся на вкладке «Результаты»."_s.arg(QDir::toNativeSeparators(path("class-9b.gratinglab-task"))));
    // One code on the screen: the form, with the next task's code, is gone.
    EXPECT_TRUE(f.Grp_new->isHidden());
    EXPECT_FALSE(f.Btn_newTask->isHidden());
    // Closed and opened again for the next lesson: no folder to pick.
    {
        TeacherWindow next{dialogs, digits, &clock};
        const auto asked = dialogs.captions.size();
        ASSERT_TRUE(next.openTeacherFile(path("9b.gratinglab-teacher")));
        EXPECT_EQ(next.results().watch().places(), QStringList{dir.path()});
        EXPECT_EQ(next.results().ui().Tbl_results->rowCount(), 3);
        EXPECT_EQ(dialogs.captions.size(), asked);
    }

    // The next task will have a code of its own; the board keeps this one.
    EXPECT_EQ(f.Ed_code->text(), u"6031-8427"_s);
    EXPECT_EQ(f.Lbl_boardCode->text(), u"4817-2593"_s);
    EXPECT_EQ(f.Tbl_key->rowCount(), 0);
    f.Btn_showKey->click();
    ASSERT_EQ(f.Tbl_key->rowCount(), 3);
    const QStringList second{u"2"_s, u"Петрова Анна"_s, u"577"_s, u"ртуть"_s, u"Hg"_s};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(f.Tbl_key->item(1, c)->text(), second[c]);
    EXPECT_EQ(f.Tbl_key->item(2, 2)->text(), u"436"_s);

    dialogs.answers = {path("key")};
    f.Btn_pdf->click();
    dialogs.answers = {path("quiz")};
    f.Btn_moodle->click();
    f.Btn_print->click();
    QFile pdf(path("key.pdf")), quiz(path("quiz.xml"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly) && quiz.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(quiz.readAll().contains("<text>Вариант 3 — Сидоров Илья</text>"));
    EXPECT_EQ(dialogs.printed, 1);
    EXPECT_TRUE(dialogs.printedPdf.startsWith("%PDF"));

    // A new task closes this one: the form is back with the code it will get.
    f.Btn_newTask->click();
    EXPECT_FALSE(f.Grp_new->isHidden());
    EXPECT_TRUE(f.Btn_newTask->isHidden());
    EXPECT_EQ(f.Lbl_boardCode->text(), u"6031-8427"_s);
    EXPECT_FALSE(window.task().has_value());
    EXPECT_FALSE(f.Btn_print->isEnabled());
    EXPECT_TRUE(f.Lbl_next->text().isEmpty());
    // Saved again, the places read so far stay.
    window.results().addPlaces({path("stick")});
    dialogs.answers = {path("9b-2"), path("class-9b-2")};
    f.Btn_save->click();
    EXPECT_EQ(window.results().watch().places(), (QStringList{dir.path(), path("stick")}));
    EXPECT_EQ(f.Lbl_boardCode->text(), u"6031-8427"_s);
}

TEST_F(TeacherWindowTest, RefusalsAreSaidInTheWindowAndNothingIsWritten)
{
    f.Te_pupils->setPlainText(u"Иванов Пётр\nПетрова Анна\nиванов пётр\n"_s);
    f.Btn_save->click();
    EXPECT_EQ(f.Lbl_message->text(),
        u"Строка 3: этот ученик уже есть в строке 1. Допишите к одинаковым именам что-нибудь отличающее."_s);
    EXPECT_TRUE(dialogs.captions.isEmpty());

    // The class folder's dialog cancelled: the teacher's file alone, and
    // the window says what was not written.
    f.Te_pupils->setPlainText(u"Иванов Пётр\nПетрова Анна\n"_s);
    dialogs.answers = {path("alone"), QString()};
    f.Btn_save->click();
    EXPECT_EQ(f.Lbl_message->text(),
        u"Файл учителя записан: %1. Файл задания для учеников не записан — папка класса не выбрана; запишите его "
        u"кнопкой «Файл задания…»."_s.arg(QDir::toNativeSeparators(path("alone.gratinglab-teacher"))));
    EXPECT_TRUE(f.Lbl_next->text().isEmpty());
    EXPECT_TRUE(classroom::readTaskFile(path("alone.gratinglab-teacher"), classroom::TaskFileKind::Teacher)
                    .task.classFolder.isEmpty());
    dialogs.answers = {QString()};
    f.Btn_saveTask->click();
    EXPECT_EQ(f.Lbl_message->text(), u"Файл задания не записан: папка класса не выбрана."_s);
    ASSERT_TRUE(QFile::remove(path("alone.gratinglab-teacher")));
    f.Btn_newTask->click();
    dialogs.captions.clear();

    f.Rb_count->setChecked(true);
    f.Sb_variants->setValue(25);
    f.Btn_newCode->click();
    EXPECT_EQ(f.Lbl_boardCode->text(), u"4817-2593"_s);

    dialogs.answers = {QString()};
    f.Btn_save->click();
    EXPECT_EQ(f.Lbl_message->text(), u"Задание не сохранено: файл учителя не выбран, ничего не записано."_s);
    dialogs.answers = {path("missing/t")};
    f.Btn_save->click();
    EXPECT_TRUE(f.Lbl_message->text().startsWith(u"Не удалось записать файл «"_s))
        << f.Lbl_message->text().toStdString();
    EXPECT_FALSE(window.task().has_value());

    QFile task(path("pupils.gratinglab-task"));
    ASSERT_TRUE(task.open(QIODevice::WriteOnly));
    task.write(R"({"format": "gratinglab-task", "format_version": 1})");
    task.close();
    dialogs.answers = {path("pupils.gratinglab-task")};
    f.Btn_open->click();
    EXPECT_EQ(f.Lbl_message->text(),
        u"«pupils.gratinglab-task» — файл задания для учеников; ключ ответов есть только "
        u"в файле учителя (.gratinglab-teacher)."_s);
    EXPECT_EQ(f.Tbl_key->rowCount(), 0);
    EXPECT_FALSE(f.Btn_print->isEnabled());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"pupils.gratinglab-task"_s});
}

// The window may be on the projector: with a task open and a pupil's right
// answer read, no line of the key is anywhere until «Показать ключ», and
// after it only until the next file is opened.
TEST_F(TeacherWindowTest, NoWavelengthShowsUntilTheKeyIsAskedFor)
{
    samples::write(path("9b.gratinglab-teacher"),
        classroom::taskFileBytes(samples::task9B(), classroom::TaskFileKind::Teacher));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Результаты"_s));
    samples::write(path("Результаты/i.gratinglab-result"),
        classroom::resultFileBytes(samples::result(6, u"Иванов Пётр"_s, {samples::Sodium::Right})));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(window.openTeacherFile(path("9b.gratinglab-teacher")));
        window.results().addPlaces({dir.path()});
        ASSERT_EQ(window.results().ui().Tbl_results->item(5, 9)->text(), u"5"_s);
        const QString hidden = allTexts(window, dir.path());
        EXPECT_FALSE(hidden.contains(kLines9B)) << hidden.toStdString();
        EXPECT_TRUE(f.Tbl_key->isHidden());

        f.Btn_showKey->click();
        EXPECT_EQ(f.Btn_showKey->text(), u"Скрыть ключ"_s);
        EXPECT_EQ(f.Tbl_key->item(5, 2)->text(), u"589"_s);
        EXPECT_EQ(window.results().ui().Tbl_results->item(5, 3)->text(), u"589"_s);
        EXPECT_FALSE(window.results().ui().Tbl_results->isColumnHidden(3));
        EXPECT_EQ(allTexts(window, dir.path()).count(kLines9B), 12); // six in each table
    }
    f.Btn_showKey->click();
    EXPECT_FALSE(allTexts(window, dir.path()).contains(kLines9B));
    EXPECT_TRUE(window.results().ui().Tbl_results->isColumnHidden(3));
}

// «Показать код классу»: the code, title and class fill the screen, the
// code as a third of its height; Esc closes the view.
TEST_F(TeacherWindowTest, TheProjectorShowsTheCodeAndEscClosesIt)
{
    EXPECT_FALSE(f.Btn_project->isEnabled());
    samples::write(path("9b.gratinglab-teacher"),
        classroom::taskFileBytes(samples::task9B(), classroom::TaskFileKind::Teacher));
    ASSERT_TRUE(window.openTeacherFile(path("9b.gratinglab-teacher")));
    f.Btn_showKey->click(); // even with the key shown in the window
    f.Btn_project->click();
    QPointer<BoardProjector> projector = window.projector();
    ASSERT_TRUE(projector);
    QCoreApplication::processEvents();
    EXPECT_TRUE(projector->isVisible());
    EXPECT_TRUE(projector->windowState().testFlag(Qt::WindowFullScreen));
    QStringList labels;
    QLabel *code = nullptr;
    for (QLabel *label : projector->findChildren<QLabel *>()) {
        labels << label->text();
        if (label->text() == u"9Б"_s)
            code = label;
    }
    EXPECT_EQ(labels, (QStringList{u"Измерение длины световой волны"_s, u"9Б"_s, u"Класс 9Б"_s, u"Esc — закрыть"_s}));
    ASSERT_TRUE(code);
    EXPECT_EQ(code->font().pixelSize(), projector->height() / 3);
    EXPECT_FALSE(allTexts(*projector, dir.path()).contains(kLines9B));

    QTest::keyClick(projector, Qt::Key_Escape);
    EXPECT_FALSE(projector->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(projector);
    EXPECT_FALSE(window.projector());
}

TEST_F(TeacherWindowTest, ResultsFollowTheClassFolderAndAreExported)
{
    QFile teacher(path("9b.gratinglab-teacher"));
    ASSERT_TRUE(teacher.open(QIODevice::WriteOnly));
    teacher.write(classroom::taskFileBytes(samples::task9B(), classroom::TaskFileKind::Teacher));
    teacher.close();
    ASSERT_TRUE(window.openTeacherFile(path("9b.gratinglab-teacher")));
    ClassResultsPanel &panel = window.results();
    Ui::ClassResultsPanel &r = panel.ui();
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Результаты"_s));
    dialogs.answers = {dir.path()};
    r.Btn_addFolder->click();
    ASSERT_EQ(r.Tbl_results->rowCount(), 6);
    EXPECT_EQ(r.Tbl_results->item(5, 10)->text(), u"нет результата"_s);
    EXPECT_TRUE(r.Lst_misfits->isHidden());

    // A pupil's check lands in the folder; the next rescan shows it.
    QByteArray edited = classroom::resultFileBytes(
        samples::result(5, u"Дмитриев Олег"_s, {samples::Sodium::OffTheLine}));
    edited.replace("\"Неверно !\"", "\"Верно !\"");
    samples::write(path("Результаты/d.gratinglab-result"), edited);
    samples::write(path("Результаты/i.gratinglab-result"),
        classroom::resultFileBytes(samples::result(6, u"Иванов Пётр"_s, {samples::Sodium::Right})));
    clock.advance(classroom::ClassResultsWatch::kRescanMs);
    EXPECT_EQ(r.Tbl_results->item(5, 9)->text(), u"5"_s);
    EXPECT_EQ(r.Tbl_results->item(4, 10)->text(), u"файл изменён"_s);
    ASSERT_EQ(r.Lst_misfits->count(), 1);
    EXPECT_EQ(r.Lst_misfits->item(0)->text(), u"d.gratinglab-result — файл изменён: контрольная сумма не сходится"_s);

    r.Chk_marks->setChecked(false);
    EXPECT_TRUE(r.Tbl_results->isColumnHidden(9));
    dialogs.answers = {path("9b"), path("moodle"), path("report")};
    r.Btn_csv->click();
    r.Btn_moodle->click();
    EXPECT_TRUE(r.Lbl_message->text().startsWith(u"В файл не вошли"_s)) << r.Lbl_message->text().toStdString();
    r.Btn_pdf->click();
    r.Btn_print->click();
    QFile csv(path("9b.csv")), moodle(path("moodle.csv")), pdf(path("report.pdf"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly) && moodle.open(QIODevice::ReadOnly) && pdf.open(QIODevice::ReadOnly));
    EXPECT_FALSE(csv.readAll().contains("Оценка"));
    EXPECT_TRUE(moodle.readAll().endsWith("Иванов Пётр,ivanov@school.ru,5\r\n"));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_EQ(dialogs.printed, 1);
}

// A classroom projector is often 1024 x 768: the window, its frame and a
// panel fit it whatever the tab, and a larger screen gives a larger window.
// The real window manager's frame is checked by tests/e2e/teacher_e2e.sh.
TEST_F(TeacherWindowTest, TheWindowFitsAProjectorAndGrowsWithTheScreen)
{
    const auto fits = [this] {
        const QSize least = window.minimumSizeHint();
        EXPECT_LE(least.width(), 960);
        EXPECT_LE(least.height(), 640);
    };
    fits();
    f.Tabs->setCurrentIndex(1);
    fits();
    window.fitScreen(QRect(0, 0, 1024, 768));
    EXPECT_EQ(window.geometry(), QRect(32, 64, 960, 640));
    window.fitScreen(QRect(0, 0, 1920, 1080));
    EXPECT_EQ(window.size(), QSize(1280, 860));
}

// The next lesson: the teacher's file names its class folder, read at
// once; moved, the window says so and takes its new place, which the
// teacher's file then keeps.
TEST_F(TeacherWindowTest, AReopenedTeacherFileReadsItsClassFolderAtOnce)
{
    classroom::ClassroomTask task = samples::task9B();
    classroom::recordTaskFile(task, path("9Б/9Б.gratinglab-task"));
    samples::write(path("9b.gratinglab-teacher"), classroom::taskFileBytes(task, classroom::TaskFileKind::Teacher));
    ASSERT_TRUE(QDir().mkpath(path("9Б/Результаты")));
    samples::write(path("9Б/Результаты/i.gratinglab-result"),
        classroom::resultFileBytes(samples::result(6, u"Иванов Пётр"_s, {samples::Sodium::Right})));
    Ui::ClassResultsPanel &r = window.results().ui();
    ASSERT_TRUE(window.openTeacherFile(path("9b.gratinglab-teacher")));
    EXPECT_EQ(r.Tbl_results->item(5, 9)->text(), u"5"_s);
    EXPECT_TRUE(r.Btn_classFolder->isHidden());
    EXPECT_TRUE(dialogs.captions.isEmpty());
    // The only code on the screen is the file's.
    EXPECT_TRUE(f.Grp_new->isHidden());
    EXPECT_EQ(f.Lbl_boardCode->text(), task.code);

    ASSERT_TRUE(QDir(dir.path()).rename(u"9Б"_s, u"9Б-2025"_s));
    ASSERT_TRUE(window.openTeacherFile(path("9b.gratinglab-teacher")));
    EXPECT_EQ(r.Lbl_places->text(),
        u"Папка класса «9Б» не найдена или не открывается: %1. Если её перенесли или переименовали, нажмите "
        u"«Указать папку класса…»."_s.arg(QDir::toNativeSeparators(path("9Б"))));
    EXPECT_FALSE(r.Btn_classFolder->isHidden());
    EXPECT_EQ(r.Tbl_results->item(5, 9)->text(), QString());

    dialogs.answers = {path("9Б-2025")};
    r.Btn_classFolder->click();
    EXPECT_EQ(r.Tbl_results->item(5, 9)->text(), u"5"_s);
    EXPECT_TRUE(r.Btn_classFolder->isHidden());
    EXPECT_EQ(window.results().watch().places(), QStringList{path("9Б-2025")});
    const auto reread = classroom::readTaskFile(path("9b.gratinglab-teacher"), classroom::TaskFileKind::Teacher);
    EXPECT_EQ(reread.task.classFolder, path("9Б-2025"));
    EXPECT_EQ(reread.task.taskFile, path("9Б-2025/9Б.gratinglab-task"));
}

// A class folder that goes away: the rows read before stay, in grey, and
// the window says since when the folder cannot be read.
TEST_F(TeacherWindowTest, ALostClassFolderKeepsItsRowsAndSaysSinceWhen)
{
    samples::write(path("9b.gratinglab-teacher"),
        classroom::taskFileBytes(samples::task9B(), classroom::TaskFileKind::Teacher));
    ASSERT_TRUE(window.openTeacherFile(path("9b.gratinglab-teacher")));
    Ui::ClassResultsPanel &r = window.results().ui();
    window.results().watch().setNow([] { return QDateTime(QDate(2026, 12, 9), QTime(10, 42)); });
    ASSERT_TRUE(QDir().mkpath(path("class/Результаты")));
    samples::write(path("class/Результаты/i.gratinglab-result"),
        classroom::resultFileBytes(samples::result(6, u"Иванов Пётр"_s, {samples::Sodium::Right})));
    window.results().addPlaces({path("class")});
    ASSERT_EQ(r.Tbl_results->item(5, 9)->text(), u"5"_s);

    ASSERT_TRUE(QDir(dir.path()).rename(u"class"_s, u"away"_s));
    clock.advance(classroom::ClassResultsWatch::kRescanMs);
    EXPECT_EQ(r.Tbl_results->item(5, 9)->text(), u"5"_s);
    EXPECT_FALSE(r.Tbl_results->item(5, 9)->toolTip().isEmpty());
    EXPECT_TRUE(r.Lbl_places->text().startsWith(u"Папка класса недоступна с 10:42"_s))
        << r.Lbl_places->text().toStdString();

    ASSERT_TRUE(QDir(dir.path()).rename(u"away"_s, u"class"_s));
    clock.advance(classroom::ClassResultsWatch::kRescanMs);
    EXPECT_TRUE(r.Tbl_results->item(5, 9)->toolTip().isEmpty());
    EXPECT_TRUE(r.Lbl_places->text().startsWith(u"Читается: "_s)) << r.Lbl_places->text().toStdString();
}

} // namespace
