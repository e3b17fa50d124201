#include "folder_work.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace classroom {

namespace {

QThreadPool &workers()
{
    // Never destroyed: destroying a pool waits for its jobs, and one may be
    // stuck on a share until the client gives up.
    static QThreadPool *const pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(4);
        p->setExpiryTimeout(-1);
        return p;
    }();
    return *pool;
}

FolderWork *chosen = nullptr;

} // namespace

void ThreadedFolderWork::run(std::function<void()> job, QObject *context, std::function<void()> done)
{
    // The watcher lives on the context's thread and dies with it, so the
    // outcome is delivered there, or not at all.
    auto promise = std::make_shared<QPromise<void>>();
    auto *watcher = new QFutureWatcher<void>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done();
    });
    watcher->setFuture(promise->future());
    workers().start([promise, job = std::move(job)] {
        promise->start();
        job();
        promise->finish();
    });
}

void InPlaceFolderWork::run(std::function<void()> job, QObject *, std::function<void()> done)
{
    job();
    done();
}

FolderWork &folderWork()
{
    static ThreadedFolderWork threaded;
    return chosen ? *chosen : threaded;
}

void setFolderWork(FolderWork *work)
{
    chosen = work;
}

} // namespace classroom
