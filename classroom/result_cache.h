#pragma once

#include "result_file.h"
#include "result_scan.h"

#include <QHash>

#include <memory>
#include <vector>

namespace classroom {

struct LoadedResult {
    QString path;
    std::shared_ptr<const ResultFileRead> read;
};

// The result files read so far. A rescan reads again only the files whose
// size or time of change differ from the last read, so that a refresh every
// few seconds costs a directory listing, not a class's worth of parsing.
class ResultFileCache {
public:
    std::vector<LoadedResult> load(const std::vector<FoundResultFile> &files);
    // Files read from disk since the cache was made.
    int reads() const { return reads_; }

private:
    struct Entry {
        qint64 size;
        QDateTime modified;
        std::shared_ptr<const ResultFileRead> read;
    };
    QHash<QString, Entry> entries_;
    int reads_ = 0;
};

// The reader of one result file that never opens anything but a regular
// file: a file swapped for a link or a pipe after the scan is refused
// rather than followed or waited on.
ResultFileRead readRegularResultFile(const QString &path);

} // namespace classroom
