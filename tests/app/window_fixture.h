#pragma once

// The main window as the pupil meets it, shown on the offscreen platform,
// with the decimal comma the texts of the interface are written for.

#include "box_catcher.h"
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
