#pragma once

// The experiment screen as the pupil meets it, driven through its window the
// way the window system delivers input: presses grab the widget under the
// pointer, double clicks are recognised from the timestamps, and so on.

#include "bench_state.h"
#include "experiment_screen.h"
#include "ui_experiment_screen.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Conversion errors that escaped a handler, in order (the program shows each
// in a message box).
QStringList &shownErrors();

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen_ = std::make_unique<ExperimentScreen>(bench::NumberFormat{});
        screen_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen_.get()));
        screen_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen_.get()));
        screen_->paint_st();
        shownErrors().clear();
    }

    void TearDown() override
    {
        // No button stays down for the next test.
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (heldButtons_ & b)
                release(screen_.get(), {1, 1}, b);
        }
        screen_.reset();
    }

    ExperimentScreen &screen() { return *screen_; }
    Ui::ExperimentScreen &form() { return screen_->ui(); }
    bench::TBenchState &state() { return screen_->state(); }
    QWindow *window() { return screen_->windowHandle(); }

    QPoint inWindow(const QWidget *widget, QPoint local) const
    {
        return widget->mapTo(screen_.get(), local);
    }

    void press(const QWidget *widget, QPoint local, Qt::MouseButton button = Qt::LeftButton)
    {
        heldButtons_ |= button;
        QTest::mousePress(window(), button, {}, inWindow(widget, local));
    }
    void release(const QWidget *widget, QPoint local, Qt::MouseButton button = Qt::LeftButton)
    {
        heldButtons_ &= ~Qt::MouseButtons(button);
        QTest::mouseRelease(window(), button, {}, inWindow(widget, local));
    }
    void move(const QWidget *widget, QPoint local) { QTest::mouseMove(window(), inWindow(widget, local)); }
    void click(const QWidget *widget, QPoint local, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window(), button, {}, inWindow(widget, local));
    }
    void doubleClick(const QWidget *widget, QPoint local)
    {
        QTest::mouseDClick(window(), Qt::LeftButton, {}, inWindow(widget, local));
    }

    // The slider's left edge, the wavelength offset and the wavelength field
    // agree; returns the offset.
    int sliderOffset()
    {
        EXPECT_EQ(state().dl_ofs, form().Img_vizir->x() - 316);
        EXPECT_EQ(form().Ed_mkm->text(), QString::number(380 + state().dl_ofs));
        return state().dl_ofs;
    }

    // Drags the slider so that its left edge ends at `left`.
    void dragSliderTo(int left)
    {
        const QPoint grip(2, 8);
        QWidget *slider = form().Img_vizir;
        press(slider, grip);
        move(slider, grip + QPoint(left - slider->x(), 0));
        release(slider, grip);
    }

    std::unique_ptr<ExperimentScreen> screen_;
    Qt::MouseButtons heldButtons_;
};

// A press held for a while with real timers, and when each step came.
struct TimedHold {
    qint64 heldMs = 0;
    std::vector<qint64> stepMs; // the last one may be the step on release

    // True when the schedule of a repetition whose steps are due at
    // first, first + period, ... was not disturbed by a busy machine: no step
    // came late and the release did not fall close to a due time.
    bool undisturbed(qint64 firstMs, qint64 periodMs, size_t repeatedSteps) const
    {
        constexpr qint64 kSlack = 40;
        for (size_t i = 0; i < repeatedSteps && i < stepMs.size(); ++i) {
            if (stepMs[i] > firstMs + qint64(i) * periodMs + kSlack)
                return false;
        }
        const qint64 sinceDue = (heldMs - firstMs) % periodMs;
        return heldMs > firstMs + kSlack && sinceDue > kSlack && sinceDue < periodMs - kSlack;
    }

    // Steps due while the button was held.
    size_t dueSteps(qint64 firstMs, qint64 periodMs) const
    {
        return heldMs < firstMs ? 0 : size_t((heldMs - firstMs) / periodMs + 1);
    }
};
