#pragma once

#include "clock.h"
#include "result_file.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace classroom {

// Sends the pupil's growing result file to the class folder on the class
// folder's worker (folder_work.h), so that a share that does not answer
// never holds up a check. A failed write is tried again after 1 s, 2 s,
// 4 s, … at most 30 s, for as long as the program runs; only the newest
// version is sent, as each holds every check of the ones before.
class ResultSender : public QObject {
    Q_OBJECT

public:
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLongestRetryMs = 30000;

    explicit ResultSender(bench::Clock &clock, QObject *parent = nullptr);
    ~ResultSender() override;

    void send(const QString &folder, const QString &name, const ResultFile &file);
    // The newest version is not on the share yet.
    bool pending() const { return next_.has_value() || writing_; }
    // The wait before the next try; 0 while none is due.
    int retryMs() const { return retryMs_; }

signals:
    void sent(const QString &path);
    // One try failed; the reason to show.
    void failed(const QString &reason);

private:
    struct Version {
        QString folder, name;
        ResultFile file;
    };
    void writeNext();

    std::optional<Version> next_;
    bool writing_ = false;
    int retryMs_ = 0;
    std::unique_ptr<bench::Timer> retry_;
};

} // namespace classroom
