#include "save_file.h"

#include "classroom_texts.h"
#include "system_reason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

// QSaveFile buffers what it is given and commits even when the flush behind
// it failed (seen with a full disk: the old file replaced by an empty one),
// and a network file system may report a lost write only when the data is
// synced. So the flush and the sync are checked before the commit.
int syncToDisk(QFileDevice &file)
{
    if (!file.flush())
        return errno != 0 ? errno : EIO;
#ifdef Q_OS_WIN
    const int status = _commit(file.handle());
#else
    const int status = ::fsync(file.handle());
#endif
    // A file system that cannot sync (a pipe, some FUSE clients) loses
    // nothing by it.
    if (status != 0 && errno != EINVAL && errno != ENOTSUP)
        return errno;
    return 0;
}

} // namespace

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return systemReason(Access::Write, errno, file.errorString());
    errno = 0;
    int failure = file.write(bytes) == bytes.size() ? 0 : (errno != 0 ? errno : EIO);
    if (failure == 0)
        failure = syncToDisk(file);
    if (failure != 0) {
        QString reason = systemReason(Access::Write, failure, file.errorString());
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return systemReason(Access::Write, errno, file.errorString());
    return std::nullopt;
}

QString saveFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return cannotWriteMessage(path,
            ClassroomTexts::tr("папки «%1» нет").arg(QDir::toNativeSeparators(folder.filePath())));
    if (QFileInfo(path).isDir())
        return cannotWriteMessage(path, ClassroomTexts::tr("это папка"));
    if (const auto reason = writeWholeFile(path, bytes))
        return cannotWriteMessage(path, *reason);
    return {};
}

QString saveFiles(const std::vector<std::pair<QString, QByteArray>> &files)
{
    std::vector<QString> made;
    for (const auto &[path, bytes] : files) {
        const bool existed = QFile::exists(path);
        if (QString error = saveFile(path, bytes); !error.isEmpty()) {
            for (const QString &done : made)
                QFile::remove(done);
            return error;
        }
        if (!existed)
            made.push_back(path);
    }
    return {};
}

} // namespace classroom
