#include "patient_read.h"

#include "mainUnit.h"
#include "pupil_texts.h"

#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

using namespace Qt::Literals::StringLiterals;

bool runPatiently(std::function<void()> work, const QString &folder, int patienceMs)
{
    auto done = std::make_shared<std::atomic<bool>>(false);
    // Detached: a call stuck on a dead share must not keep the program from
    // ending when the user gives up.
    std::thread([work = std::move(work), done] {
        work();
        done->store(true);
    }).detach();
    for (;;) {
        QEventLoop loop;
        QTimer poll, patience;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done->load())
                loop.quit();
        });
        QObject::connect(&patience, &QTimer::timeout, &loop, &QEventLoop::quit);
        poll.start(20);
        patience.setSingleShot(true);
        patience.start(patienceMs);
        if (!done->load())
            loop.exec();
        if (done->load())
            return true;
        QMessageBox box(QMessageBox::Warning, TForm1::boxTitle(),
            PupilText::tr("Папка класса не отвечает: «%1». Возможно, сервер выключен или сеть недоступна.")
                .arg(QDir::toNativeSeparators(folder)),
            QMessageBox::NoButton);
        QPushButton *again = box.addButton(PupilText::tr("Повторить"), QMessageBox::AcceptRole);
        box.addButton(PupilText::tr("Отмена"), QMessageBox::RejectRole);
        box.setDefaultButton(again);
        box.exec();
        if (done->load())
            return true;
        if (box.clickedButton() != again)
            return false;
    }
}
