#include "task_dialog.h"

#include "task_texts.h"
#include "ui_task_dialog.h"

#include <QLineEdit>

TaskDialog::TaskDialog(QWidget *parent) : QDialog(parent), ui_(std::make_unique<Ui::TaskDialog>())
{
    ui_->setupUi(this);
    QPalette red = ui_->Lbl_message->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    ui_->Lbl_message->setPalette(red);
    connect(ui_->Btn_start, &QPushButton::clicked, this, &TaskDialog::accept);
    connect(ui_->Btn_cancel, &QPushButton::clicked, this, &TaskDialog::reject);
}

TaskDialog::~TaskDialog() = default;

void TaskDialog::prefill(const TaskStart &start)
{
    ui_->Ed_code->setText(start.code.value_or(QString()));
    ui_->Ed_variant->setText(start.variant.value_or(QString()));
    ui_->Ed_pupil->setText(start.pupil.value_or(QString()));
}

void TaskDialog::accept()
{
    Ui::TaskDialog &f = *ui_;
    const bench::TaskParse parse = bench::parseTask(f.Ed_code->text(), f.Ed_variant->text(), f.Ed_pupil->text());
    if (parse.error == bench::TaskInputError::None) {
        task_ = parse.task;
        QDialog::accept();
        return;
    }
    f.Lbl_message->setText(bench::taskInputMessage(parse.error));
    QLineEdit *wrong = parse.error == bench::TaskInputError::VariantInvalid ? f.Ed_variant
        : parse.error == bench::TaskInputError::PupilTooLong || parse.error == bench::TaskInputError::PupilControlCharacter
        ? f.Ed_pupil
        : f.Ed_code;
    wrong->setFocus();
    wrong->selectAll();
}

std::optional<bench::Task> taskToStart(const TaskStart &start)
{
    if (start.task || !start.wanted)
        return start.task;
    TaskDialog dialog;
    dialog.prefill(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.task();
}
