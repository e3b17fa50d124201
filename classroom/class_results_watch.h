#pragma once

#include "class_results.h"
#include "clock.h"

#include <QFileSystemWatcher>
#include <QObject>

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

    const ClassResults &results() const { return results_; }
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
    ClassResults results_;
    ResultFileCache cache_;
    QFileSystemWatcher watcher_;
    std::unique_ptr<bench::Timer> periodic_, settle_;
    int generation_ = 0; // of the task and places asked for
    bool scanning_ = false, again_ = false;
};

} // namespace classroom
