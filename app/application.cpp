#include "application.h"

#include "number_text.h"

#include <QMessageBox>

#include <exception>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv),
      title_(titleFromProgramPath(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString()))
{
}

QString Application::titleFromProgramPath(const QString &path)
{
    // Both separators: a Windows path names the same program.
    QString name = path.mid(qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    name = name.left(name.indexOf(u'.'));
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const bench::EConvertError &error) {
        showError(error.message());
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void Application::showError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, title_, message, QMessageBox::Ok, activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
