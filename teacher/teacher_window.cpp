#include "teacher_window.h"

#include "answer_key_pdf.h"
#include "board_projector.h"
#include "class_results_panel.h"
#include "classroom_texts.h"
#include "folder_work.h"
#include "key_rows.h"
#include "moodle_xml.h"
#include "new_task.h"
#include "save_file.h"
#include "task_code.h"
#include "task_files.h"
#include "task_texts.h"
#include "teacher_texts.h"
#include "ui_teacher_window.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// Functions, not constants: the texts follow the language chosen at start.
QString teacherFilter()
{
    return TeacherText::tr("Файлы учителя (*.gratinglab-teacher)");
}

QString taskFilter()
{
    return TeacherText::tr("Файлы задания (*.gratinglab-task)");
}

QString teacherWindowTitle()
{
    return TeacherText::tr("Учителю — Измерение длины световой волны");
}

// A name typed without its suffix gets it: the desktop knows the files by it.
QString withSuffix(const QString &path, const char16_t *suffix)
{
    const QString s = QString::fromUtf16(suffix);
    return path.endsWith(s, Qt::CaseInsensitive) ? path : path + s;
}

QString suggestedName(const classroom::ClassroomTask &task)
{
    QString name = task.form.isEmpty() ? task.code : task.form + u' ' + task.code;
    for (QChar &c : name) {
        if (c == u'/' || c == u'\\' || c == u':')
            c = u'-';
    }
    return name;
}

} // namespace

TeacherWindow::TeacherWindow(TeacherDialogs &dialogs, classroom::RandomSource &random, bench::Clock *clock,
    QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TeacherWindow>()), dialogs_(dialogs), random_(random)
{
    Ui::TeacherWindow &f = *ui_;
    f.setupUi(this);
    if (!clock) {
        ownClock_ = std::make_unique<bench::QtClock>();
        clock = ownClock_.get();
    }
    results_ = new ClassResultsPanel(dialogs_, *clock, f.Tab_results);
    f.resultsColumn->addWidget(results_);
    f.Ed_title->setText(classroom::defaultTaskTitle());
    f.Ed_code->setText(classroom::proposeBoardCode(random_));
    QFont big = f.Lbl_boardCode->font();
    big.setPixelSize(56);
    big.setBold(true);
    f.Lbl_boardCode->setFont(big);
    QPalette red = f.Lbl_message->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    f.Lbl_message->setPalette(red);
    f.Tbl_key->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    connect(f.Rb_list, &QRadioButton::toggled, this, [this](bool list) {
        ui_->Te_pupils->setEnabled(list);
        ui_->Sb_variants->setEnabled(!list);
    });
    f.Sb_variants->setEnabled(false);
    connect(f.Btn_newCode, &QPushButton::clicked, this,
        [this] { ui_->Ed_code->setText(classroom::proposeBoardCode(random_)); });
    connect(f.Ed_code, &QLineEdit::textChanged, this, &TeacherWindow::showBoardCode);
    connect(f.Btn_save, &QPushButton::clicked, this, &TeacherWindow::saveNewTask);
    connect(f.Btn_newTask, &QPushButton::clicked, this, &TeacherWindow::startNewTask);
    f.Btn_open->setShortcut(QKeySequence::Open);
    connect(results_, &ClassResultsPanel::classFolderMoved, this, &TeacherWindow::moveClassFolder);
    connect(f.Btn_open, &QPushButton::clicked, this, [this] {
        if (const QString path = dialogs_.chooseOpenFile(this, TeacherText::tr("Открыть файл учителя"),
                teacherFilter());
            !path.isEmpty())
            openTeacherFile(path);
    });
    connect(f.Btn_saveTask, &QPushButton::clicked, this, &TeacherWindow::saveTaskFile);
    connect(f.Btn_print, &QPushButton::clicked, this, &TeacherWindow::printKey);
    connect(f.Btn_pdf, &QPushButton::clicked, this, &TeacherWindow::saveKeyPdf);
    connect(f.Btn_moodle, &QPushButton::clicked, this, &TeacherWindow::exportMoodle);
    connect(f.Btn_showKey, &QPushButton::toggled, this, &TeacherWindow::showKey);
    connect(f.Btn_project, &QPushButton::clicked, this, &TeacherWindow::projectCode);
    for (QPushButton *b : {f.Btn_saveTask, f.Btn_print, f.Btn_pdf, f.Btn_moodle, f.Btn_showKey, f.Btn_project})
        b->setEnabled(false);
    f.Tbl_key->hide();
    f.Btn_newTask->hide();
    f.Lbl_task->setText(
        TeacherText::tr("Ключ ответов появится здесь, когда задание сохранено или открыт файл учителя."));
    showBoardCode();
    if (const QScreen *s = screen())
        fitScreen(s->availableGeometry());
}

void TeacherWindow::fitScreen(const QRect &available)
{
    // Room for the window manager's frame and a panel; no wider than a
    // table of results needs.
    const QSize wanted(qMin(available.width() - 64, 1280), qMin(available.height() - 128, 860));
    resize(wanted.expandedTo(minimumSizeHint()));
    QRect placed(QPoint(), size());
    placed.moveCenter(available.center());
    move(placed.topLeft());
}

TeacherWindow::~TeacherWindow() = default;

void TeacherWindow::say(const QString &message)
{
    ui_->Lbl_message->setText(message);
}

void TeacherWindow::showBoardCode()
{
    ui_->Lbl_boardCode->setText(task_ ? task_->code : bench::normaliseTaskCode(ui_->Ed_code->text()));
}

bool TeacherWindow::openTeacherFile(const QString &path)
{
    const classroom::TaskFileRead read = classroom::readTaskFile(path, classroom::TaskFileKind::Teacher);
    if (!read.ok()) {
        say(classroom::fileMessage(QFileInfo(path).fileName(), classroom::TaskFileKind::Teacher, read.error));
        return false;
    }
    say({});
    ui_->Lbl_next->clear();
    showTask(read.task, path, read.task.classFolder.isEmpty() ? QStringList() : QStringList{read.task.classFolder});
    return true;
}

void TeacherWindow::showTask(const classroom::ClassroomTask &task, const QString &teacherFile,
    const QStringList &places)
{
    Ui::TeacherWindow &f = *ui_;
    task_ = task;
    teacherFile_ = teacherFile;
    setWindowTitle(u"%1 — %2"_s.arg(QFileInfo(teacherFile).completeBaseName(), teacherWindowTitle()));
    const QString count = task.hasList()
        ? TeacherText::tr("учеников: %1").arg(task.variants)
        : TeacherText::tr("вариантов: %1").arg(task.variants);
    const QString date = task.created.toString(u"dd.MM.yyyy"_s);
    const QString file = QDir::toNativeSeparators(teacherFile);
    const QString info = task.form.isEmpty()
        ? TeacherText::tr("«%1», %2 от %3. Файл учителя: %4").arg(task.title, count, date, file)
        : TeacherText::tr("«%1», класс %2, %3 от %4. Файл учителя: %5").arg(task.title, task.form, count, date, file);
    f.Lbl_task->setText(info);
    results_->setTask(task, suggestedName(task), places);
    for (QPushButton *b : {f.Btn_saveTask, f.Btn_print, f.Btn_pdf, f.Btn_moodle, f.Btn_showKey, f.Btn_project})
        b->setEnabled(true);
    // One code on the screen: the form, with the code it would give a new
    // task, is gone while a task is shown.
    f.Grp_new->hide();
    f.Btn_newTask->show();
    // Toggled does not fire when already off, and the new rows must go.
    f.Btn_showKey->setChecked(false);
    showKey(false);
    delete projector_; // it shows the code of the task before
    showBoardCode();
}

void TeacherWindow::showKey(bool shown)
{
    Ui::TeacherWindow &f = *ui_;
    shown = shown && task_;
    f.Btn_showKey->setText(shown ? TeacherText::tr("Скрыть ключ") : TeacherText::tr("Показать ключ"));
    // Hidden means gone, not only unseen: no screen reader reads it either.
    const auto rows = shown ? classroom::keyRows(*task_) : std::vector<classroom::KeyRow>();
    f.Tbl_key->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const classroom::KeyRow &row = rows[size_t(r)];
        const QStringList cells{QString::number(row.variant), row.pupil, QString::number(row.line.nm),
            bench::elementName(row.line), row.line.symbol.toString()};
        for (int c = 0; c < cells.size(); ++c)
            f.Tbl_key->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    f.Tbl_key->setColumnHidden(1, !task_ || !task_->hasList());
    f.Tbl_key->setVisible(shown);
    results_->setKeyShown(shown);
}

void TeacherWindow::projectCode()
{
    if (!task_)
        return;
    delete projector_;
    projector_ = new BoardProjector(task_->code, task_->title, task_->form, this);
    // With a second screen (the projector beside the teacher's), the code
    // goes there and the teacher keeps this window.
    for (QScreen *other : QGuiApplication::screens()) {
        if (other != screen()) {
            projector_->move(other->geometry().topLeft());
            break;
        }
    }
    projector_->showFullScreen();
}

void TeacherWindow::startNewTask()
{
    Ui::TeacherWindow &f = *ui_;
    task_.reset();
    teacherFile_.clear();
    setWindowTitle(teacherWindowTitle());
    for (QPushButton *b : {f.Btn_saveTask, f.Btn_print, f.Btn_pdf, f.Btn_moodle, f.Btn_showKey, f.Btn_project})
        b->setEnabled(false);
    f.Btn_showKey->setChecked(false);
    showKey(false);
    delete projector_;
    f.Lbl_task->setText(
        TeacherText::tr("Ключ ответов появится здесь, когда задание сохранено или открыт файл учителя."));
    f.Lbl_next->clear();
    say({});
    f.Btn_newTask->hide();
    f.Grp_new->show();
    f.Ed_title->setFocus();
    showBoardCode();
}

void TeacherWindow::saveNewTask()
{
    Ui::TeacherWindow &f = *ui_;
    classroom::NewTaskInput input;
    input.title = f.Ed_title->text();
    input.form = f.Ed_class->text();
    if (f.Rb_list->isChecked())
        input.pupils = f.Te_pupils->toPlainText();
    input.variants = f.Sb_variants->value();
    input.code = f.Ed_code->text();
    input.created = today();
    classroom::NewTask made = classroom::makeNewTask(input);
    if (!made.task) {
        using Field = classroom::NewTask::Field;
        say(made.error);
        QWidget *wrong = made.field == Field::Title ? static_cast<QWidget *>(f.Ed_title)
            : made.field == Field::Form             ? static_cast<QWidget *>(f.Ed_class)
            : made.field == Field::Pupils           ? static_cast<QWidget *>(f.Te_pupils)
            : made.field == Field::Variants
            ? static_cast<QWidget *>(f.Sb_variants)
            : static_cast<QWidget *>(f.Ed_code);
        wrong->setFocus();
        return;
    }
    classroom::ClassroomTask &task = *made.task;
    QString teacherFile = dialogs_.chooseSaveFile(this,
        TeacherText::tr("Сохранить файл учителя — храните его там, где ученики его не прочтут"), suggestedName(task),
        teacherFilter());
    if (teacherFile.isEmpty()) {
        say(TeacherText::tr("Задание не сохранено: файл учителя не выбран, ничего не записано."));
        return;
    }
    teacherFile = withSuffix(teacherFile, classroom::kTeacherSuffix);
    QString taskFile = dialogs_.chooseSaveFile(this, TeacherText::tr("Сохранить файл задания в папку класса"),
        QFileInfo(classroom::pupilsFilePath(teacherFile, QString())).fileName(), taskFilter());
    std::vector<std::pair<QString, QByteArray>> files;
    if (!taskFile.isEmpty()) {
        taskFile = withSuffix(taskFile, classroom::kTaskSuffix);
        classroom::recordTaskFile(task, taskFile);
        files.emplace_back(taskFile, classroom::taskFileBytes(task, classroom::TaskFileKind::Pupils));
    }
    files.emplace_back(teacherFile, classroom::taskFileBytes(task, classroom::TaskFileKind::Teacher));
    // Both or neither: a teacher's file never names a task file that is not there.
    saveInBackground(std::move(files), [this, task, teacherFile, taskFile](const QString &error) {
        Ui::TeacherWindow &f = *ui_;
        if (!error.isEmpty()) {
            say(TeacherText::tr("%1 Задание не сохранено.").arg(error));
            return;
        }
        // The places read so far stay: the next task of a class goes to its folder.
        QStringList places = results_->places();
        if (!task.classFolder.isEmpty() && !places.contains(task.classFolder))
            places.prepend(task.classFolder);
        showTask(task, teacherFile, places);
        // The next task gets a code of its own.
        f.Ed_code->setText(classroom::proposeBoardCode(random_));
        if (taskFile.isEmpty()) {
            f.Lbl_next->clear();
            say(TeacherText::tr(
                "Файл учителя записан: %1. Файл задания для учеников не записан — папка класса не выбрана; "
                "запишите его кнопкой «Файл задания…».")
                    .arg(QDir::toNativeSeparators(teacherFile)));
        } else {
            say({});
            sayNext(taskFile);
        }
    });
}

// The task file goes to the class folder, often a share that may not
// answer: the files are written on the class folder's worker, and the
// window only waits for the outcome.
void TeacherWindow::saveInBackground(std::vector<std::pair<QString, QByteArray>> files,
    std::function<void(const QString &)> then)
{
    Ui::TeacherWindow &f = *ui_;
    const std::vector<QPushButton *> held{f.Btn_save, f.Btn_saveTask, f.Btn_open, f.Btn_newTask};
    std::vector<QPointer<QPushButton>> enabled;
    for (QPushButton *b : held)
        if (b->isEnabled()) {
            enabled.emplace_back(b);
            b->setEnabled(false);
        }
    say(TeacherText::tr("Файлы записываются…"));
    auto error = std::make_shared<QString>();
    classroom::folderWork().run([files = std::move(files), error] { *error = classroom::saveFiles(files); }, this,
        [enabled, error, then = std::move(then)] {
        for (const QPointer<QPushButton> &b : enabled)
            if (b)
                b->setEnabled(true);
        then(*error);
    });
}

void TeacherWindow::sayNext(const QString &taskFile)
{
    ui_->Lbl_next->setText(TeacherText::tr(
        "Что дальше: файл задания — %1. Ученики открывают его двойным щелчком в папке класса "
        "или запускают «Измерение длины световой волны» с рабочего стола и нажимают "
        "«Открыть задание…». Их результаты появятся на вкладке «Результаты».")
                               .arg(QDir::toNativeSeparators(taskFile)));
}

void TeacherWindow::saveTaskFile()
{
    if (!task_)
        return;
    const QString suggested = !task_->taskFile.isEmpty()
        ? task_->taskFile
        : QFileInfo(classroom::pupilsFilePath(teacherFile_, QString())).fileName();
    QString path = dialogs_.chooseSaveFile(this, TeacherText::tr("Сохранить файл задания в папку класса"), suggested,
        taskFilter());
    if (path.isEmpty()) {
        say(TeacherText::tr("Файл задания не записан: папка класса не выбрана."));
        return;
    }
    path = withSuffix(path, classroom::kTaskSuffix);
    classroom::ClassroomTask task = *task_;
    classroom::recordTaskFile(task, path);
    // The teacher's file learns the new place, so the next lesson reads it.
    saveInBackground({{path, classroom::taskFileBytes(task, classroom::TaskFileKind::Pupils)},
                         {teacherFile_, classroom::taskFileBytes(task, classroom::TaskFileKind::Teacher)}},
        [this, task, path](const QString &error) {
        if (!error.isEmpty()) {
            say(TeacherText::tr("%1 Файл задания не записан.").arg(error));
            return;
        }
        task_ = task;
        results_->addPlaces({task.classFolder});
        say({});
        sayNext(path);
    });
}

void TeacherWindow::moveClassFolder(const QString &folder)
{
    if (!task_)
        return;
    classroom::ClassroomTask task = *task_;
    const QString name = QFileInfo(task.taskFile).fileName();
    classroom::recordTaskFile(task, QDir(folder).filePath(name));
    if (const QString error = classroom::saveFile(teacherFile_,
            classroom::taskFileBytes(task, classroom::TaskFileKind::Teacher));
        !error.isEmpty()) {
        say(TeacherText::tr("%1 Новая папка класса читается, но в файл учителя не записана.").arg(error));
        return;
    }
    task_ = task;
    say({});
    ui_->Lbl_next->setText(
        TeacherText::tr("Папка класса записана в файл учителя: %1.").arg(QDir::toNativeSeparators(folder)));
}

void TeacherWindow::printKey()
{
    if (!task_)
        return;
    const auto rows = classroom::keyRows(*task_);
    dialogs_.print(this, [&](QPagedPaintDevice &device) { paintAnswerKey(device, *task_, rows); });
}

void TeacherWindow::saveKeyPdf()
{
    if (task_)
        saveKeyAs(TeacherText::tr("Сохранить ключ ответов в PDF"), TeacherText::tr("Ключ %1"), u"PDF (*.pdf)"_s,
            u".pdf", [this] { return answerKeyPdf(*task_, classroom::keyRows(*task_)); });
}

void TeacherWindow::exportMoodle()
{
    if (task_)
        saveKeyAs(TeacherText::tr("Экспорт в Moodle (Moodle XML)"), u"Moodle %1"_s, u"Moodle XML (*.xml)"_s, u".xml",
            [this] { return classroom::moodleQuizXml(*task_); });
}

void TeacherWindow::saveKeyAs(const QString &caption, const QString &name, const QString &filter,
    const char16_t *suffix, const std::function<QByteArray()> &bytes)
{
    const QString chosen = dialogs_.chooseSaveFile(this, caption,
        name.arg(suggestedName(*task_)) + QString::fromUtf16(suffix), filter);
    if (!chosen.isEmpty())
        say(classroom::saveFile(withSuffix(chosen, suffix), bytes()));
}
