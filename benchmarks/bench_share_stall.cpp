// The pupil's window and the teacher's class table while the class folder's
// server hangs (SIGSTOP). A 5 ms timer on the window's thread finds the
// longest time the event loop was held; a check is clicked every half
// second and the teacher's table rescans every 2 s as in the program. The
// bound is 100 ms: stall_to_bound above 1 is a freeze a pupil feels.
//
// benchmarks/share_stall.sh sets up the server and the mount and runs it:
//   GL_STALL_CLASS_FOLDER  the class folder on the mounted share
//   GL_STALL_SERVER_GROUP  the server's process group, to freeze and thaw
#include "class_results_watch.h"
#include "clock.h"
#include "experiment_screen.h"
#include "folder_work.h"
#include "mainUnit.h"
#include "result_file.h"
#include "result_keeper.h"
#include "task_code.h"
#include "ui_experiment_screen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

classroom::ClassroomTask sixPupils()
{
    classroom::ClassroomTask t;
    t.title = u"Измерение длины световой волны"_s;
    t.form = u"9Б"_s;
    t.code = u"9Б"_s;
    t.variants = 6;
    for (int v = 1; v <= 6; ++v)
        t.pupils.push_back({v, u"Ученик %1"_s.arg(v), {}});
    t.lines = {10, 3, 4, 7, 20, 5};
    return t;
}

// Runs the loop for ms and returns the longest gap between two ticks of a
// 5 ms timer, less the 5 ms.
qint64 longestStall(int ms, const std::function<void()> &everyHalfSecond)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last - 5);
        last = now;
    });
    tick.start(5);
    QTimer work;
    QObject::connect(&work, &QTimer::timeout, everyHalfSecond);
    work.start(500);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return longest;
}

void BM_FrozenShare(benchmark::State &state)
{
    const QString classFolder = qEnvironmentVariable("GL_STALL_CLASS_FOLDER");
    const pid_t group = pid_t(qEnvironmentVariableIntValue("GL_STALL_SERVER_GROUP"));
    if (classFolder.isEmpty() || group <= 0) {
        state.SkipWithError("run through benchmarks/share_stall.sh");
        return;
    }
    QTemporaryDir local;
    for (auto _ : state) {
        TForm1 form(bench::NumberFormat{});
        ResultKeeper keeper(form, local.filePath(u"Результаты"_s));
        keeper.startTask(bench::parseTask(u"9Б"_s, u"6"_s, u"Ученик 6"_s).task,
            QDir(classFolder).filePath(u"задание.gratinglab-task"_s));
        form.show();
        bench::QtClock teacherClock;
        classroom::ClassResultsWatch teacher(teacherClock);
        teacher.setTask(sixPupils());
        teacher.setPlaces({classFolder + u"/Результаты"_s});
        QTimer rescans;
        QObject::connect(&rescans, &QTimer::timeout, &teacher, &classroom::ClassResultsWatch::rescan);
        rescans.start(classroom::ClassResultsWatch::kRescanMs);

        int checks = 0;
        qint64 longestClick = 0;
        const auto check = [&] {
            QElapsedTimer took;
            took.start();
            form.experiment().ui().Edit5->setText(QString::number(500 + checks));
            form.experiment().ui().Button6->click();
            form.experiment().ui().Button6->click();
            longestClick = std::max(longestClick, took.elapsed());
            ++checks;
        };
        const qint64 alive = longestStall(2000, check);
        ::kill(-group, SIGSTOP);
        const qint64 frozen = longestStall(int(state.range(0)), check);
        ::kill(-group, SIGCONT);
        const bool delivered = keeper.sendPending(60000);
        state.counters["stall_alive_ms"] = double(alive);
        state.counters["stall_frozen_ms"] = double(frozen);
        state.counters["stall_to_bound"] = double(frozen) / 100.0;
        state.counters["longest_check_ms"] = double(longestClick);
        state.counters["checks"] = checks;
        state.counters["delivered"] = delivered ? 1 : 0;
        // Every check, the frozen ones too, in the class folder's copy.
        state.counters["checks_on_share"] = double(
            classroom::readResultFile(keeper.lastClassFile()).result.checks.size());
    }
}
BENCHMARK(BM_FrozenShare)->Arg(15000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
