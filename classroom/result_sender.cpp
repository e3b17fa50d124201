#include "result_sender.h"

#include "folder_work.h"
#include "growing_result.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace classroom {

ResultSender::ResultSender(bench::Clock &clock, QObject *parent) : QObject(parent), retry_(clock.makeTimer(true))
{
    retry_->timeout = [this] { writeNext(); };
}

ResultSender::~ResultSender() = default;

void ResultSender::send(const QString &folder, const QString &name, const ResultFile &file)
{
    next_ = Version{folder, name, file};
    // A newer version goes now, even while a failed one waits for its retry:
    // the pupil's next check is the likeliest moment the share is back.
    retry_->stop();
    writeNext();
}

void ResultSender::writeNext()
{
    if (writing_ || !next_)
        return;
    writing_ = true;
    auto version = std::make_shared<Version>(std::move(*next_));
    next_.reset();
    auto error = std::make_shared<QString>();
    folderWork().run(
        [version, error] {
        *error = writeGrowingResult(version->folder, version->name, version->file, resultFileBytes(version->file));
        },
        this,
        [this, version, error] {
        writing_ = false;
        if (error->isEmpty()) {
            retryMs_ = 0;
            emit sent(QDir(version->folder).filePath(version->name));
            writeNext();
            return;
        }
        if (!next_)
            next_ = std::move(*version);
        retryMs_ = retryMs_ == 0 ? kFirstRetryMs : std::min(2 * retryMs_, kLongestRetryMs);
        retry_->start(retryMs_);
        emit failed(*error);
    });
}

} // namespace classroom
