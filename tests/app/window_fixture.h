#pragma once

// The main window as the pupil meets it, shown on the offscreen platform,
// with the decimal comma the texts of the interface are written for.

#include "experiment_screen.h"
#include "mainUnit.h"
#include "ui_experiment_screen.h"
#include "ui_mainUnit.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Every modal message box that comes up while it lives is recorded and
// dismissed with its OK button, as a pupil would.
class BoxCatcher {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons;
        Qt::WindowModality modality;
    };

    BoxCatcher()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { dismiss(); });
        timer_.start();
    }

    const std::vector<Shown> &shown() const { return shown_; }

private:
    void dismiss()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QStringList buttons;
        for (QAbstractButton *button : box->buttons())
            buttons.append(button->text());
        shown_.push_back({box->windowTitle(), box->text(), box->icon(), buttons, box->windowModality()});
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    QTimer timer_;
    std::vector<Shown> shown_;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { form_ = std::make_unique<TForm1>(bench::NumberFormat{}); }

    void showWindow()
    {
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    void press(QPushButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }

    TForm1 &form() { return *form_; }
    Ui::TForm1 &ui() { return form_->ui(); }
    ExperimentScreen &bench() { return form_->experiment(); }
    Ui::ExperimentScreen &exp() { return form_->experiment().ui(); }
    QImage canvas() { return bench().scene().benchCanvas().image().copy(); }

    std::unique_ptr<TForm1> form_;
};
