#include "journal_dialogs.h"

#include "pupil_texts.h"
#include "report.h"

#include <QFileDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

std::optional<journal::SaveTarget> QtJournalDialogs::chooseSaveFile(QWidget *parent)
{
    const QString pdf = PupilText::tr("Отчёт PDF (*.pdf)");
    const QString csv = PupilText::tr("Таблица CSV (*.csv)");
    const QString result = PupilText::tr("Файл результата для учителя (*.gratinglab-result)");
    QFileDialog dialog(parent, PupilText::tr("Сохранить журнал"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({pdf, csv, result});
    dialog.selectFile(PupilText::tr("журнал"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedNameFilter();
    const auto type = chosen == csv ? journal::FileType::Csv
        : chosen == result          ? journal::FileType::Result
                                    : journal::FileType::Pdf;
    return journal::SaveTarget{dialog.selectedFiles().constFirst(), type};
}

bool QtJournalDialogs::print(QWidget *parent, const journal::Journal &journal)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(journal::reportTitle());
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(PupilText::tr("Печать отчёта"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    journal::printReport(journal, printer);
    return true;
}
