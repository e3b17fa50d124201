#include "file_read.h"

#include <QFile>

namespace classroom {

std::optional<QByteArray> readLimited(const QString &path, qint64 limit, FileError *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {FileProblem::CannotRead, file.errorString()};
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
        *error = {FileProblem::CannotRead, file.errorString()};
        return std::nullopt;
    }
    return bytes;
}

} // namespace classroom
