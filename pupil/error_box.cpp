#include "error_box.h"

#include "mainUnit.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

void showErrorBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, TForm1::boxTitle(), message, QMessageBox::Ok, QApplication::activeWindow());
    // The caption is the box's own, not the translation's or a desktop theme's.
    box.button(QMessageBox::Ok)->setText(u"OK"_s);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
