#include "mainUnit.h"

#include "calculator.h"
#include "error_box.h"
#include "experiment_screen.h"
#include "form_fonts.h"
#include "journal.h"
#include "journal_screen.h"
#include "keyboard_help.h"
#include "patient_read.h"
#include "picture_catalogue.h"
#include "procedure_screen.h"
#include "pupil_texts.h"
#include "task_dialog.h"
#include "task_start.h"
#include "task_texts.h"
#include "title_screen.h"
#include "ui_mainUnit.h"
#include "ui_title_screen.h"
#include "window_geometry.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A single fixed border: caption, system menu and minimise, no maximise.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

} // namespace

TForm1::TForm1(const bench::NumberFormat &format, bench::Clock *clock, QWidget *parent)
    : QWidget(parent, kWindowFlags), chooseTaskFile(askForTaskFile), ui_(std::make_unique<Ui::TForm1>())
{
    if (!clock) {
        ownClock_ = std::make_unique<bench::QtClock>();
        clock = ownClock_.get();
    }
    clock_ = clock;
    // The bench renders once here, so the experiment screen is complete
    // before it is first opened.
    session_ = std::make_unique<bench::BenchSession>(assets::scenePictures(), format, *clock);
    // The box waits for the event loop: the action that failed has returned
    // and nothing of it is still being delivered.
    connect(session_.get(), &bench::BenchSession::conversionFailed, this, &showErrorBox, Qt::QueuedConnection);

    ui_->setupUi(this);
    applyPixelFonts(this);
    setWindowTitle(caption());
    setWindowIcon(QIcon(assets::showablePixmap(assets::PictureId::pic_icon)));
    setFixedSize(kWindowSize);

    // White shows through every panel, group box and label.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    experiment_ = new ExperimentScreen(*session_, ui_->P3);
    experiment_->move(0, 0);
    // The experiment screen's fields come after the bottom row in tab order.
    setTabOrder(ui_->Button5, experiment_->firstTabStop());
    installKeyboardHelp(*this);

    // Made after the experiment screen, its fields come after the bench's
    // in tab order.
    journal_ = std::make_unique<journal::Journal>(*session_);
    journalScreen_ = new JournalScreen(*journal_, ui_->P4);
    journalScreen_->move(0, 0);

    connect(ui_->Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui_->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(ui_->Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(ui_->Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    QPushButton *openTask = title().ui().Btn_openTask;
    connect(openTask, &QPushButton::clicked, this, &TForm1::openTaskAsked);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &TForm1::openTaskAsked);
    // After the bottom row, where the experiment screen's fields come when it
    // is shown: the row keeps its order for keyboard users.
    setTabOrder(ui_->Button5, openTask);

    FormCreate();

    ui_->Button1->setFocus();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

QString TForm1::caption()
{
    return PupilText::tr("  Измерение длины световой волны (gratinglab, виртуальная лабораторная работа по физике)");
}

QString TForm1::boxTitle()
{
    return PupilText::tr("Измерение длины световой волны");
}

void TForm1::startTask(const bench::Task &task, const QString &taskFile)
{
    resumeTask(task, 0, false, taskFile);
}

void TForm1::resumeTask(const bench::Task &task, unsigned checks, bool solved, const QString &taskFile)
{
    taskFile_ = taskFile;
    session_->resumeTask(task, checks, solved);
    setWindowTitle(caption() + bench::taskCaptionSuffix(task.variant));
    // The class is not part of a task: the task file's, or what was typed.
    const QString form = taskClass_.isEmpty() ? journal_->pupil().form : taskClass_;
    journal_->setPupil({task.pupil, form, task.code, QString::number(task.variant)});
    showScreen(ui_->P3);
}

void TForm1::openTask(const TaskStart &start)
{
    const auto chosen = taskToStart(start, isVisible() ? this : nullptr);
    if (!chosen)
        return;
    taskClass_ = chosen->form;
    emit taskChosen(chosen->task, chosen->file);
}

void TForm1::openTaskAsked()
{
    // The result file of a task running now would take the next task's
    // checks: one task to one run of the program.
    if (session_->task()) {
        tell(PupilText::tr(
            "Задание уже открыто. Чтобы открыть другое, закройте программу и откройте файл задания снова."));
        return;
    }
    if (const QString path = chooseTaskFile(this); !path.isEmpty())
        openTaskFile(path);
}

void TForm1::openTaskFile(const QString &path)
{
    CommandLine line;
    line.file = path;
    auto started = std::make_shared<std::pair<TaskStart, QString>>();
    if (!runPatiently([line, started] { started->first = readTaskStart(line, &started->second); },
            QFileInfo(path).absolutePath()))
        return;
    if (!started->second.isEmpty())
        tell(started->second, QMessageBox::Critical);
    else
        openTask(started->first);
}

void TForm1::tell(const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, boxTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

TitleScreen &TForm1::title()
{
    return *ui_->P1;
}

ProcedureScreen &TForm1::procedure()
{
    return *ui_->P2;
}

void TForm1::FormCreate()
{
    // The answer and the verdict start empty and the bench is drawn: the
    // session began that way.
    showScreen(ui_->P1);
}

void TForm1::showScreen(QWidget *screen)
{
    for (QFrame *panel : {static_cast<QFrame *>(ui_->P1), static_cast<QFrame *>(ui_->P2), ui_->P3, ui_->P4})
        panel->setVisible(panel == screen);
}

void TForm1::Button4Click()
{
    showScreen(ui_->P1);
}

void TForm1::Button1Click()
{
    showScreen(ui_->P2);
}

void TForm1::Button2Click()
{
    showScreen(ui_->P3);
}

void TForm1::Button3Click()
{
    if (const QString missing = calculator::start(this); !missing.isEmpty())
        tell(missing);
}

void TForm1::Button5Click()
{
    close();
}

void TForm1::Button7Click()
{
    showScreen(ui_->P4);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (journalScreen_->mayClose())
        event->accept();
    else
        event->ignore();
}
