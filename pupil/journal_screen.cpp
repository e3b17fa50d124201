#include "journal_screen.h"

#include "error_box.h"
#include "form_fonts.h"
#include "journal.h"
#include "journal_dialogs.h"
#include "mainUnit.h"
#include "pupil_texts.h"
#include "summary.h"
#include "ui_journal_screen.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::Literals::StringLiterals;

namespace {

// A question in the program's own box, with answers in its own words: Qt's
// standard Discard reads «Отклонить», not «Не сохранять».
QMessageBox::StandardButton ask(QWidget *parent, const QString &text,
    std::initializer_list<std::pair<QMessageBox::StandardButton, QString>> buttons)
{
    QMessageBox box(QMessageBox::Question, TForm1::boxTitle(), text, QMessageBox::NoButton, parent);
    for (const auto &[button, caption] : buttons)
        box.addButton(button)->setText(caption);
    box.setDefaultButton(buttons.begin()->first);
    box.setEscapeButton((buttons.end() - 1)->first);
    box.setWindowModality(Qt::ApplicationModal);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

JournalScreen::JournalScreen(journal::Journal &journal, QWidget *parent)
    : QWidget(parent),
      journal_(journal),
      ui_(std::make_unique<Ui::JournalScreen>()),
      ownDialogs_(std::make_unique<QtJournalDialogs>()),
      dialogs_(ownDialogs_.get())
{
    Ui::JournalScreen &f = *ui_;
    f.setupUi(this);
    applyPixelFonts(this);

    f.Tbl_zhurnal->setModel(&journal_.model());
    f.Tbl_zhurnal->verticalHeader()->hide();
    f.Tbl_zhurnal->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    f.Tbl_zhurnal->setSelectionBehavior(QAbstractItemView::SelectRows);
    f.Tbl_zhurnal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The table's corner button is a control a screen reader lands on too.
    for (QAbstractButton *corner : f.Tbl_zhurnal->findChildren<QAbstractButton *>()) {
        corner->setAccessibleName(PupilText::tr("Выделить всё"));
        corner->setAccessibleDescription(PupilText::tr("Выделить все записи журнала"));
    }
    f.Lbl_formuly->setText(journal::formulasHtml());

    const journal::JournalModel *model = &journal_.model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &JournalScreen::showSummary);
    connect(model, &QAbstractItemModel::rowsInserted, f.Tbl_zhurnal, &QAbstractItemView::scrollToBottom);
    connect(model, &QAbstractItemModel::modelReset, this, &JournalScreen::showSummary);
    connect(model, &QAbstractItemModel::dataChanged, this, &JournalScreen::showSummary);
    connect(&journal_, &journal::Journal::pupilChanged, this, &JournalScreen::showPupil);
    connect(f.Ed_uchenik, &QLineEdit::textEdited, this, &JournalScreen::pupilEdited);
    connect(f.Ed_klass, &QLineEdit::textEdited, this, &JournalScreen::pupilEdited);
    connect(f.Btn_ochistit, &QPushButton::clicked, this, &JournalScreen::clearAsked);
    connect(f.Btn_sohranit, &QPushButton::clicked, this, &JournalScreen::save);
    connect(f.Btn_pechat, &QPushButton::clicked, this, &JournalScreen::print);
    // Only while the journal is shown: a hidden widget's shortcuts are off.
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &JournalScreen::save);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &JournalScreen::print);

    showPupil();
    showSummary();
}

JournalScreen::~JournalScreen() = default;

void JournalScreen::showPupil()
{
    const journal::PupilData &p = journal_.pupil();
    // Writing the same text back would move the pupil's cursor.
    if (ui_->Ed_uchenik->text() != p.pupil)
        ui_->Ed_uchenik->setText(p.pupil);
    if (ui_->Ed_klass->text() != p.form)
        ui_->Ed_klass->setText(p.form);
    const bool task = !p.taskCode.isEmpty() || !p.variant.isEmpty();
    ui_->Lbl_zadanie->setText(
        task ? PupilText::tr("Задание: код %1, вариант %2").arg(p.taskCode, p.variant) : QString());
}

void JournalScreen::pupilEdited()
{
    journal::PupilData p = journal_.pupil();
    p.pupil = ui_->Ed_uchenik->text();
    p.form = ui_->Ed_klass->text();
    journal_.setPupil(p);
}

void JournalScreen::showSummary()
{
    const auto &rows = journal_.model().rows();
    ui_->Lbl_itogi->setText(rows.empty()
            ? PupilText::tr("Записей пока нет: каждая проверка ответа на стенде добавит строку.")
            : journal::summaryHtml(journal::summarize(rows), journal_.model().format()));
}

bool JournalScreen::save()
{
    const auto chosen = dialogs_->chooseSaveFile(window());
    if (!chosen)
        return false;
    if (const auto error = journal::saveJournal(journal_, journal::resolveSaveTarget(chosen->path, chosen->type),
            taskResult_)) {
        showErrorBox(*error);
        return false;
    }
    return true;
}

void JournalScreen::print()
{
    dialogs_->print(window(), journal_);
}

void JournalScreen::clearAsked()
{
    if (journal_.model().rows().empty())
        return;
    const auto answer = ask(window(), PupilText::tr("Очистить журнал? Все записи будут удалены."),
        {{QMessageBox::Yes, PupilText::tr("Очистить")}, {QMessageBox::Cancel, PupilText::tr("Отмена")}});
    if (answer == QMessageBox::Yes)
        journal_.clear();
}

void JournalScreen::showNote(const QString &note, const QString &reason)
{
    ui_->Lbl_zametka->setText(note);
    ui_->Lbl_zametka->setToolTip(reason);
}

bool JournalScreen::mayClose()
{
    if (!journal_.model().hasUnsavedRows())
        return true;
    const auto answer = ask(window(),
        closeQuestion_.isEmpty() ? PupilText::tr("Сохранить журнал измерений?") : closeQuestion_,
        {{QMessageBox::Save, PupilText::tr("Сохранить")}, {QMessageBox::Discard, PupilText::tr("Не сохранять")},
            {QMessageBox::Cancel, PupilText::tr("Отмена")}});
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}
