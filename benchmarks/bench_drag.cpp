// Dragging the wavelength slider across the whole strip: every mouse move
// renders the bench, and the window is repainted after each one as the
// pupil would see it. Reported as mouse moves per second of the process's
// CPU time, which on a shared machine is the closer estimate of an idle one.
#include "cursor_control.h"
#include "experiment_screen.h"
#include "picture_catalogue.h"
#include "ui_experiment_screen.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

namespace {

constexpr QPoint kGrip{2, 8};
constexpr int kMoves = 381; // one per wavelength, 380 to 760 nm

void send(QWidget *slider, QEvent::Type type, int dx, Qt::MouseButtons buttons)
{
    const QPointF local(kGrip.x() + dx, kGrip.y());
    QMouseEvent event(type, local, slider->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(slider, &event);
}

// One drag from one end of the strip to the other, alternating direction.
void drag(ExperimentScreen &screen, bool repaint, int direction)
{
    QWidget *slider = screen.ui().Img_vizir;
    send(slider, QEvent::MouseButtonPress, 0, Qt::LeftButton);
    for (int i = 0; i < kMoves; ++i) {
        // The first move renders in place, each later one a pixel further.
        send(slider, QEvent::MouseMove, i == 0 ? 0 : direction, Qt::LeftButton);
        if (repaint)
            screen.repaint();
    }
    send(slider, QEvent::MouseButtonRelease, 0, Qt::NoButton);
}

void BM_DragAcrossStrip(benchmark::State &st)
{
    const bool repaint = st.range(0) != 0;
    bench::QtClock clock;
    bench::BenchSession session(assets::scenePictures(), bench::NumberFormat{}, clock);
    ExperimentScreen screen(session);
    screen.show();
    QApplication::processEvents();
    int direction = 1;
    for (auto _ : st) {
        drag(screen, repaint, direction);
        direction = -direction;
    }
    if (screen.state().dl_ofs != (direction > 0 ? 0 : 380))
        st.SkipWithError("the slider did not travel the whole strip");
    st.counters["moves_per_second"] = benchmark::Counter(kMoves, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DragAcrossStrip)->ArgName("repaint")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The measuring cursor dragged over the whole scale (401 rows), the window
// repainted after each move: range(0) indexes kLightSources (0 mono, where
// the first move turns the cursor on; 1 mercury; 7 white light).
void BM_DragCursor(benchmark::State &st)
{
    bench::QtClock clock;
    bench::BenchSession session(assets::scenePictures(), bench::NumberFormat{}, clock);
    session.setSource(bench::kLightSources[size_t(st.range(0))].source);
    ExperimentScreen screen(session);
    screen.show();
    QApplication::processEvents();
    QWidget *grip = screen.ui().Img_cursor;
    constexpr int kRows = 401;
    const auto send = [grip](QEvent::Type type, int row, Qt::MouseButtons buttons) {
        const QPointF local(40, row);
        QMouseEvent event(type, local, grip->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(grip, &event);
    };
    int direction = 1;
    for (auto _ : st) {
        const int first = direction > 0 ? 23 : 423; // canvas rows of +200 and -200
        send(QEvent::MouseButtonPress, first, Qt::LeftButton);
        for (int i = 1; i < kRows; ++i) {
            send(QEvent::MouseMove, first + direction * i, Qt::LeftButton);
            screen.repaint();
        }
        send(QEvent::MouseButtonRelease, first + direction * (kRows - 1), Qt::NoButton);
        direction = -direction;
    }
    if (std::abs(session.cursorOffset()) != 200)
        st.SkipWithError("the cursor did not travel the whole scale");
    st.counters["moves_per_second"] = benchmark::Counter(kRows - 1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DragCursor)->ArgName("source")->Arg(0)->Arg(1)->Arg(7)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
