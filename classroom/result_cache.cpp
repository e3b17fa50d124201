#include "result_cache.h"

#include "classroom_texts.h"
#include "system_reason.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace classroom {

ResultFileRead readRegularResultFile(const QString &path)
{
#ifdef Q_OS_UNIX
    // No link followed, no pipe waited on: the pupil may swap the file
    // between the listing and this read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ResultFileRead::refused(FileProblem::CannotRead, systemReason(Access::Read, errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ResultFileRead::refused(FileProblem::CannotRead, ClassroomTexts::tr("это не обычный файл"));
    }
    QFile file;
    errno = 0;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ResultFileRead::refused(FileProblem::CannotRead, systemReason(Access::Read, errno, file.errorString()));
    }
    if (st.st_size > kMaxResultFileBytes)
        return ResultFileRead::refused(FileProblem::TooLarge);
    // One byte more than allowed tells a file that grew since fstat.
    errno = 0;
    const QByteArray bytes = file.read(kMaxResultFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return ResultFileRead::refused(FileProblem::CannotRead, systemReason(Access::Read, errno, file.errorString()));
    return parseResultFile(bytes);
#else
    return readResultFile(path);
#endif
}

std::vector<LoadedResult> ResultFileCache::load(const std::vector<FoundResultFile> &files)
{
    QHash<QString, Entry> kept;
    std::vector<LoadedResult> loaded;
    loaded.reserve(files.size());
    for (const FoundResultFile &file : files) {
        auto it = entries_.constFind(file.path);
        Entry entry = it != entries_.cend() && it->size == file.size && it->modified == file.modified
            ? *it
            : Entry{file.size, file.modified, nullptr};
        if (!entry.read) {
            entry.read = std::make_shared<const ResultFileRead>(readRegularResultFile(file.path));
            ++reads_;
        }
        loaded.push_back({file.path, entry.read});
        // A file that could not be opened (no rights yet, a share that
        // hiccuped) is tried again at the next rescan.
        if (entry.read->error.problem != FileProblem::CannotRead)
            kept.emplace(file.path, std::move(entry));
    }
    // Files gone from the folders are forgotten.
    entries_ = std::move(kept);
    return loaded;
}

} // namespace classroom
