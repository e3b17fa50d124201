#include "task_dialog.h"

#include "classroom_texts.h"
#include "patient_read.h"
#include "pupil_start.h"
#include "pupil_texts.h"
#include "read_only_field.h"
#include "task_files.h"
#include "task_texts.h"
#include "ui_task_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <memory>

using namespace Qt::Literals::StringLiterals;

QString askForTaskFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, PupilText::tr("Открыть файл задания"), QString(),
        PupilText::tr("Файлы задания (*.gratinglab-task);;Все файлы (*)"));
}

TaskDialog::TaskDialog(QWidget *parent)
    : QDialog(parent), chooseTaskFile(askForTaskFile), ui_(std::make_unique<Ui::TaskDialog>())
{
    ui_->setupUi(this);
    QPalette red = ui_->Lbl_message->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    ui_->Lbl_message->setPalette(red);
    connect(ui_->Btn_start, &QPushButton::clicked, this, &TaskDialog::accept);
    connect(ui_->Btn_cancel, &QPushButton::clicked, this, &TaskDialog::reject);
    connect(ui_->Btn_openFile, &QPushButton::clicked, this, [this] {
        if (const QString path = chooseTaskFile(this); !path.isEmpty())
            openTaskFile(path);
    });
    connect(ui_->Cb_pupil, &QComboBox::currentIndexChanged, this, &TaskDialog::pupilPicked);
}

TaskDialog::~TaskDialog() = default;

void TaskDialog::prefill(const TaskStart &start)
{
    if (start.file) {
        showTaskFile(*start.file);
        filePath_ = start.filePath;
    } else
        ui_->Ed_code->setText(start.code.value_or(QString()));
    ui_->Ed_variant->setText(start.variant.value_or(ui_->Ed_variant->text()));
    ui_->Ed_pupil->setText(start.pupil.value_or(QString()));
}

bool TaskDialog::openTaskFile(const QString &path)
{
    auto shared = std::make_shared<classroom::TaskFileRead>();
    if (!runPatiently([path, shared] { *shared = classroom::readTaskFile(path, classroom::TaskFileKind::Pupils); },
            QFileInfo(path).absolutePath()))
        return false;
    const classroom::TaskFileRead &read = *shared;
    if (!read.ok()) {
        ui_->Lbl_message->setText(
            classroom::fileMessage(QFileInfo(path).fileName(), classroom::TaskFileKind::Pupils, read.error));
        return false;
    }
    ui_->Lbl_message->clear();
    showTaskFile(read.task);
    filePath_ = path;
    return true;
}

void TaskDialog::showTaskFile(const classroom::ClassroomTask &file)
{
    Ui::TaskDialog &f = *ui_;
    file_ = file;
    f.Lbl_file->setText(
        file.form.isEmpty() ? u"«%1»"_s.arg(file.title) : PupilText::tr("«%1», класс %2").arg(file.title, file.form));
    f.Ed_code->setText(file.code);
    setReadOnlyField(f.Ed_code, true);
    f.Ed_variant->clear();
    setReadOnlyField(f.Ed_variant, file.hasList());
    f.Ed_pupil->setVisible(!file.hasList());
    f.Cb_pupil->setVisible(file.hasList());
    f.Cb_pupil->clear();
    if (file.hasList()) {
        f.Cb_pupil->addItem(PupilText::tr("— выберите себя в списке —"));
        for (const classroom::Pupil &pupil : file.pupils)
            f.Cb_pupil->addItem(pupil.name);
        f.Cb_pupil->setFocus();
    } else {
        f.Ed_variant->setFocus();
    }
}

void TaskDialog::pupilPicked(int index)
{
    if (!file_ || !file_->hasList())
        return;
    ui_->Ed_variant->setText(index > 0 ? QString::number(file_->pupils[size_t(index - 1)].variant) : QString());
    // With a name picked, the one thing Start could still refuse is answered.
    if (index > 0)
        ui_->Lbl_message->clear();
}

void TaskDialog::accept()
{
    Ui::TaskDialog &f = *ui_;
    if (file_) {
        const QString pupil = file_->hasList()
            ? (f.Cb_pupil->currentIndex() > 0 ? f.Cb_pupil->currentText() : QString())
            : f.Ed_pupil->text();
        const classroom::PupilStart start = classroom::startFromTaskFile(*file_, pupil, f.Ed_variant->text());
        if (start.task) {
            task_ = start.task;
            QDialog::accept();
            return;
        }
        f.Lbl_message->setText(start.error);
        QWidget *wrong = file_->hasList() ? static_cast<QWidget *>(f.Cb_pupil) : f.Ed_variant;
        wrong->setFocus();
        return;
    }
    const bench::TaskParse parse = bench::parseTask(f.Ed_code->text(), f.Ed_variant->text(), f.Ed_pupil->text());
    if (parse.error == bench::TaskInputError::None) {
        task_ = parse.task;
        QDialog::accept();
        return;
    }
    f.Lbl_message->setText(bench::taskInputMessage(parse.error));
    QLineEdit *wrong = parse.error == bench::TaskInputError::VariantInvalid ? f.Ed_variant
        : parse.error == bench::TaskInputError::PupilTooLong
            || parse.error == bench::TaskInputError::PupilControlCharacter
        ? f.Ed_pupil
        : f.Ed_code;
    wrong->setFocus();
    wrong->selectAll();
}

std::optional<ChosenTask> taskToStart(const TaskStart &start, QWidget *parent)
{
    if (start.task)
        return ChosenTask{*start.task, start.file ? start.filePath : QString(),
            start.file ? start.file->form : QString()};
    if (!start.wanted)
        return std::nullopt;
    TaskDialog dialog(parent);
    dialog.prefill(start);
    if (dialog.exec() != QDialog::Accepted || !dialog.task())
        return std::nullopt;
    return ChosenTask{*dialog.task(), dialog.taskFilePath(), dialog.taskClass()};
}
