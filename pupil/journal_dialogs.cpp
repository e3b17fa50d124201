#include "journal_dialogs.h"

#include "report.h"

#include <QFileDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

std::optional<journal::SaveTarget> QtJournalDialogs::chooseSaveFile(QWidget *parent)
{
    const QString pdf = u"Отчёт PDF (*.pdf)"_s;
    const QString csv = u"Таблица CSV (*.csv)"_s;
    const QString result = u"Файл результата для учителя (*.gratinglab-result)"_s;
    QFileDialog dialog(parent, u"Сохранить журнал"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({pdf, csv, result});
    dialog.selectFile(u"журнал"_s);
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
    dialog.setWindowTitle(u"Печать отчёта"_s);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    journal::printReport(journal, printer);
    return true;
}
