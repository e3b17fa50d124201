#include "class_results_watch.h"

#include "folder_work.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <utility>

namespace classroom {

ClassResultsWatch::ClassResultsWatch(bench::Clock &clock, QObject *parent)
    : QObject(parent), periodic_(clock.makeTimer(false)), settle_(clock.makeTimer(true))
{
    periodic_->timeout = [this] { rescan(); };
    settle_->timeout = [this] { rescan(); };
    const auto soon = [this] {
        if (!settle_->isActive())
            settle_->start(kSettleMs);
    };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, soon);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, soon);
}

ClassResultsWatch::~ClassResultsWatch() = default;

void ClassResultsWatch::setTask(const ClassroomTask &task)
{
    task_ = task;
    ++generation_;
    newAsk_ = true;
    rescan();
}

void ClassResultsWatch::setPlaces(const QStringList &places)
{
    places_ = places;
    ++generation_;
    newAsk_ = true;
    rescan();
}

// What one scan takes to the worker and brings back: the cache travels
// with it, as only one scan runs at a time.
struct ClassResultsWatch::Scan {
    int generation = 0;
    std::optional<ClassroomTask> task;
    QStringList places;
    ResultFileCache cache;
    ClassResults results;
    QStringList watchable;
};

namespace {

// The chosen places and the «Результаты» inside each: the pupils' first
// check creates it, which the place's own notification tells.
QStringList watchablePaths(const QStringList &places)
{
    QStringList wanted;
    for (const QString &place : places) {
        const QFileInfo info(place);
        if (!info.exists())
            continue;
        wanted.append(info.absoluteFilePath());
        const QFileInfo results(QDir(info.absoluteFilePath()).filePath(QString::fromUtf16(kResultsFolderName)));
        if (info.isDir() && results.isDir() && !results.isSymLink())
            wanted.append(results.absoluteFilePath());
    }
    return wanted;
}

} // namespace

void ClassResultsWatch::rescan()
{
    if (scanning_) {
        again_ = true;
        return;
    }
    // Without places the task's list still shows, every pupil without a result.
    const bool watching = task_ && !places_.isEmpty();
    if (!watching)
        periodic_->stop();
    else if (!periodic_->isActive())
        periodic_->start(kRescanMs);
    auto scan = std::make_shared<Scan>(Scan{generation_, task_, places_, std::move(cache_), {}, {}});
    scanning_ = true;
    folderWork().run(
        [scan] {
        if (scan->task && !scan->places.isEmpty()) {
            scan->watchable = watchablePaths(scan->places);
            scan->results = readClassResults(*scan->task, scan->places, scan->cache);
        } else if (scan->task) {
            scan->results = buildClassResults(*scan->task, {});
        }
        },
        this, [this, scan] { finishScan(*scan); });
}

void ClassResultsWatch::finishScan(Scan &scan)
{
    scanning_ = false;
    cache_ = std::move(scan.cache);
    // A scan of what is no longer asked for is not shown; the rescan that
    // was asked for meanwhile follows.
    if (scan.generation == generation_) {
        watchFolders(scan.watchable);
        const bool lost = placeLost(scan.results);
        SteadyResults next = std::exchange(newAsk_, false)
            ? SteadyResults{scan.results, {}}
            : steadyResults(scan.results, lastScan_, shown_, lost);
        lastScan_ = std::move(scan.results);
        const std::optional<QDateTime> since = !lost ? std::nullopt : lostSince_ ? lostSince_ : now_();
        if (next.results != shown_.results || next.old != shown_.old || since != lostSince_) {
            shown_ = std::move(next);
            lostSince_ = since;
            emit changed();
        }
    }
    if (std::exchange(again_, false))
        rescan();
}

void ClassResultsWatch::watchFolders(const QStringList &wanted)
{
    const QStringList watched = watcher_.directories() + watcher_.files();
    QStringList gone, added;
    for (const QString &path : watched) {
        if (!wanted.contains(path))
            gone.append(path);
    }
    for (const QString &path : wanted) {
        if (!watched.contains(path))
            added.append(path);
    }
    if (!gone.isEmpty())
        watcher_.removePaths(gone);
    if (!added.isEmpty())
        watcher_.addPaths(added);
}

} // namespace classroom
