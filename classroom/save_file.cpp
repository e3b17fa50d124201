#include "save_file.h"

#include "classroom_texts.h"

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

QString writeFailureReason(int systemError, const QString &qtError)
{
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return u"нет места на диске"_s;
    case EROFS:
        return u"папка только для чтения"_s;
    case EACCES:
    case EPERM:
        return u"нет права записи"_s;
    case ETIMEDOUT:
#ifdef EHOSTDOWN
    case EHOSTDOWN:
#endif
    case EHOSTUNREACH:
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case EIO:
        return u"сервер не отвечает"_s;
    case EBUSY:
    case EEXIST:
    case ETXTBSY:
        return u"файл занят"_s;
    case ENOENT:
        return u"папки больше нет"_s;
    default:
        break;
    }
    // Qt's texts are English under most locales; a pupil gets the gist.
    return qtError.isEmpty() ? u"файл не удалось записать"_s : u"файл не удалось записать (%1)"_s.arg(qtError);
}

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return writeFailureReason(errno, file.errorString());
    errno = 0;
    int failure = file.write(bytes) == bytes.size() ? 0 : (errno != 0 ? errno : EIO);
    if (failure == 0)
        failure = syncToDisk(file);
    if (failure != 0) {
        QString reason = writeFailureReason(failure, file.errorString());
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return writeFailureReason(errno, file.errorString());
    return std::nullopt;
}

QString saveFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return cannotWriteMessage(path, u"папки «%1» нет"_s.arg(QDir::toNativeSeparators(folder.filePath())));
    if (QFileInfo(path).isDir())
        return cannotWriteMessage(path, u"это папка"_s);
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
