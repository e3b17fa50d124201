#include "file_read.h"

#include "classroom_texts.h"
#include "system_reason.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

std::optional<QByteArray> readLimited(const QString &path, qint64 limit, FileError *error)
{
    // Qt's own reasons are English until its translation is loaded, which
    // the modes without a window do not do; the usual ones are said here.
    const QFileInfo info(path);
    const QString reason = !info.exists() ? ClassroomTexts::tr("такого файла нет")
        : info.isDir()                    ? ClassroomTexts::tr("это папка")
        : !info.isReadable()              ? ClassroomTexts::tr("нет прав на чтение")
                                          : QString();
    if (!reason.isEmpty()) {
        *error = {FileProblem::CannotRead, reason};
        return std::nullopt;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {FileProblem::CannotRead, systemReason(Access::Read, errno, file.errorString())};
        return std::nullopt;
    }
    if (!file.isSequential() && file.size() > limit) {
        *error = {FileProblem::TooLarge, {}};
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        *error = {FileProblem::TooLarge, {}};
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        *error = {FileProblem::CannotRead, systemReason(Access::Read, errno, file.errorString())};
        return std::nullopt;
    }
    return bytes;
}

} // namespace classroom
