// The class table of 40 pupils' result files with 50 checks each: read cold
// (list, read, parse, judge every check again, build the rows), and the
// rescan the teacher's window makes every two seconds, when nothing changed
// (list, compare size and time, judge, build). The goal for the cold read
// is under 100 ms; the rescan is reported as a ratio of it.
#include "class_results.h"
#include "save_file.h"
#include "task_code.h"
#include "task_texts.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPupils = 40;
constexpr int kChecks = 50;

struct ClassFolder {
    QTemporaryDir dir;
    classroom::ClassroomTask task;

    ClassFolder()
    {
        task.title = u"Измерение длины световой волны"_s;
        task.code = u"4817-2593"_s;
        task.variants = kPupils;
        for (int v = 1; v <= kPupils; ++v)
            task.pupils.push_back({v, u"Ученик %1"_s.arg(v), {}});
        QDir(dir.path()).mkdir(u"Результаты"_s);
        for (const classroom::Pupil &p : task.pupils) {
            classroom::ResultFile r;
            r.code = task.code;
            r.variant = p.variant;
            r.pupil = p.name;
            const bench::LampLine &line = bench::kLampLines[size_t(bench::lineOfVariant(task.code, p.variant))];
            // Wrong «1» without a hint, right at the tenth check and every tenth after.
            for (int i = 1; i <= kChecks; ++i) {
                const bool right = i % 10 == 0;
                r.checks.push_back({QDateTime(QDate(2026, 12, 9), QTime(10, 0).addSecs(i)), u"2"_s, 1, u"1,00"_s,
                    right ? QString::number(line.nm) : u"1"_s, right ? u"Верно !"_s : u"Неверно !"_s,
                    right ? bench::lineName(line) : QString()});
            }
            classroom::saveFile(QDir(dir.filePath(u"Результаты"_s)).filePath(classroom::resultFileName(r, u"abc123"_s)),
                classroom::resultFileBytes(r));
        }
    }
};

ClassFolder &folder()
{
    static ClassFolder f;
    return f;
}

bool complete(const classroom::ClassResults &table)
{
    return table.misfits.empty() && table.rows.size() == size_t(kPupils)
        && std::all_of(table.rows.begin(), table.rows.end(),
            [](const auto &r) { return r.judged.checks == kChecks && r.mark == 3; });
}

void BM_ClassTableCold(benchmark::State &st)
{
    ClassFolder &f = folder();
    for (auto _ : st) {
        classroom::ResultFileCache cache;
        const auto table = classroom::readClassResults(f.task, {f.dir.path()}, cache);
        if (!complete(table))
            st.SkipWithError("the table is not 40 complete rows");
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_ClassTableCold)->Unit(benchmark::kMillisecond);

void BM_ClassTableRescanUnchanged(benchmark::State &st)
{
    ClassFolder &f = folder();
    classroom::ResultFileCache cache;
    classroom::readClassResults(f.task, {f.dir.path()}, cache);
    for (auto _ : st) {
        const auto table = classroom::readClassResults(f.task, {f.dir.path()}, cache);
        benchmark::DoNotOptimize(table);
    }
    if (cache.reads() != kPupils)
        st.SkipWithError("a file was read again though it did not change");
}
BENCHMARK(BM_ClassTableRescanUnchanged)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
