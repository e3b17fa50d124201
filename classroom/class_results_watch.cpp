#include "class_results_watch.h"

#include <QDir>
#include <QFileInfo>

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
    rescan();
}

void ClassResultsWatch::setPlaces(const QStringList &places)
{
    places_ = places;
    rescan();
}

void ClassResultsWatch::rescan()
{
    // Without places the task's list still shows, every pupil without a result.
    const bool watching = task_ && !places_.isEmpty();
    if (!watching)
        periodic_->stop();
    else if (!periodic_->isActive())
        periodic_->start(kRescanMs);
    watchFolders();
    ClassResults fresh = !task_ ? ClassResults()
        : watching              ? readClassResults(*task_, places_, cache_)
                                : buildClassResults(*task_, {});
    if (fresh == results_)
        return;
    results_ = std::move(fresh);
    emit changed();
}

void ClassResultsWatch::watchFolders()
{
    // The chosen places and the «Результаты» inside each: the pupils' first
    // check creates it, which the place's own notification tells.
    QStringList wanted;
    for (const QString &place : places_) {
        const QFileInfo info(place);
        if (!info.exists())
            continue;
        wanted.append(info.absoluteFilePath());
        const QFileInfo results(QDir(info.absoluteFilePath()).filePath(QString::fromUtf16(kResultsFolderName)));
        if (info.isDir() && results.isDir() && !results.isSymLink())
            wanted.append(results.absoluteFilePath());
    }
    QStringList watched = watcher_.directories() + watcher_.files();
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
