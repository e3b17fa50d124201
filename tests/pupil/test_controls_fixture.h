#pragma once

// The experiment screen as the pupil meets it in the program's window,
// driven the way the window system delivers input: presses grab the widget
// under the pointer, double clicks are recognised from the timestamps, and
// so on. The bench's timers run on a clock the test advances by hand.

#include "bench_session.h"
#include "box_catcher.h"
#include "experiment_screen.h"
#include "mainUnit.h"
#include "manual_clock.h"
#include "ui_experiment_screen.h"

#include <QStringList>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<TForm1>(bench::NumberFormat{}, &clock_);
        form_->Button2Click();
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    void TearDown() override
    {
        // No button stays down for the next test.
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (heldButtons_ & b)
                release(&screen(), {1, 1}, b);
        }
        form_.reset();
    }

    ExperimentScreen &screen() { return form_->experiment(); }
    bench::BenchSession &session() { return form_->session(); }
    Ui::ExperimentScreen &form() { return screen().ui(); }
    const bench::TBenchState &state() { return session().state(); }
    QWindow *window() { return form_->windowHandle(); }

    // The conversion errors the program has shown in its error box, in order.
    QStringList shownErrors()
    {
        QApplication::processEvents();
        QStringList texts;
        for (const BoxCatcher::Shown &box : boxes_.shown())
            texts.append(box.text);
        return texts;
    }

    QPoint inWindow(const QWidget *widget, QPoint local) const { return widget->mapTo(form_.get(), local); }

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

    ManualClock clock_;
    BoxCatcher boxes_;
    std::unique_ptr<TForm1> form_;
    Qt::MouseButtons heldButtons_;
};

// When, on the test's clock, the program wrote into a field: one entry per
// step of the control that writes it.
class WriteLog {
public:
    WriteLog(bench::BenchSession &session, bench::TextField field, const ManualClock &clock)
        : session_(session), field_(field), seen_(session.textWrites(field))
    {
        connection_ = QObject::connect(&session, &bench::BenchSession::changed, [this, &clock] {
            for (; seen_ != session_.textWrites(field_); ++seen_)
                times_.push_back(clock.now());
        });
    }
    ~WriteLog() { QObject::disconnect(connection_); }

    const std::vector<std::int64_t> &times() const { return times_; }
    size_t count() const { return times_.size(); }

private:
    bench::BenchSession &session_;
    bench::TextField field_;
    unsigned seen_;
    std::vector<std::int64_t> times_;
    QMetaObject::Connection connection_;
};
