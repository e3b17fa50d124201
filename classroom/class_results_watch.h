#pragma once

#include "class_results.h"
#include "clock.h"
#include "steady_rows.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace classroom {

// The class table kept up to date while pupils work: a change notification
// rescans at once, and a rescan every two seconds catches what a network
// share never notifies, so that a check shows within five seconds. A
// rescan lists the folders and reads only the files that changed, on the
// class folder's worker (folder_work.h): a share that does not answer holds
// up the table, never the window.
class ClassResultsWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int kRescanMs = 2000;
    // A burst of notifications (a file written and renamed) gives one rescan.
    static constexpr int kSettleMs = 200;

    explicit ClassResultsWatch(bench::Clock &clock, QObject *parent = nullptr);
    ~ClassResultsWatch() override;

    // Nothing is watched until both are set; a task alone gives its list's
    // rows, each without a result.
    void setTask(const ClassroomTask &task);
    void setPlaces(const QStringList &places);
    const QStringList &places() const { return places_; }

    // The table to show: a row never drops on one scan's word (steady_rows.h).
    const ClassResults &results() const { return shown_.results; }
    // Rows kept from an earlier scan while a place cannot be read.
    const std::set<RowKey> &oldRows() const { return shown_.old; }
    // Since when a chosen place has been missing or unreadable; none while
    // every place reads.
    std::optional<QDateTime> unreachableSince() const { return lostSince_; }
    // The time a place was first found lost; the system's clock by default.
    void setNow(std::function<QDateTime()> now) { now_ = std::move(now); }
    const ResultFileCache &cache() const { return cache_; }

    // Rescans now, or as soon as the scan under way ends; changed() follows
    // if the table differs.
    void rescan();
    bool scanning() const { return scanning_; }

signals:
    void changed();

private:
    struct Scan;
    void finishScan(Scan &scan);
    void watchFolders(const QStringList &wanted);

    std::optional<ClassroomTask> task_;
    QStringList places_;
    SteadyResults shown_;
    ClassResults lastScan_; // as read, before steadying
    bool newAsk_ = true;    // the next scan's table is taken as read
    std::optional<QDateTime> lostSince_;
    std::function<QDateTime()> now_ = [] { return QDateTime::currentDateTime(); };
    ResultFileCache cache_;
    QFileSystemWatcher watcher_;
    std::unique_ptr<bench::Timer> periodic_, settle_;
    int generation_ = 0; // of the task and places asked for
    bool scanning_ = false, again_ = false;
};

} // namespace classroom
