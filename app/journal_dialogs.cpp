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
    QFileDialog dialog(parent, u"Сохранить журнал"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({pdf, csv});
    dialog.selectFile(u"журнал"_s);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const auto type = dialog.selectedNameFilter() == csv ? journal::FileType::Csv : journal::FileType::Pdf;
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
