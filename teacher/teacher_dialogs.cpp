#include "teacher_dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

QString QtTeacherDialogs::chooseSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString QtTeacherDialogs::chooseOpenFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtTeacherDialogs::chooseFolder(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(parent, caption);
}

QStringList QtTeacherDialogs::chooseOpenFiles(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, QString(), filter);
}

bool QtTeacherDialogs::print(QWidget *parent, const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}
