#include "application.h"

#include "mainUnit.h"
#include "qt_translation.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    installQtRussianTranslation(*this);
}

void Application::showError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, TForm1::boxTitle(), message, QMessageBox::Ok, QApplication::activeWindow());
    // The caption is the box's own, not the translation's or a desktop theme's.
    box.button(QMessageBox::Ok)->setText(u"OK"_s);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
