#include "save_file.h"

#include "classroom_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

QString saveFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return cannotWriteMessage(path, u"папки «%1» нет"_s.arg(QDir::toNativeSeparators(folder.filePath())));
    if (QFileInfo(path).isDir())
        return cannotWriteMessage(path, u"это папка"_s);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return cannotWriteMessage(path, file.errorString());
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
