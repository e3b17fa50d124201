#include "save_file.h"

#include "classroom_texts.h"

#include <QSaveFile>

namespace classroom {

QString saveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return cannotWriteMessage(path, file.errorString());
    return {};
}

} // namespace classroom
