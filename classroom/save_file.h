#pragma once

#include <QByteArray>
#include <QString>

namespace classroom {

// Writes the whole file or leaves the old one as it was; empty on success,
// else the Russian sentence to show.
QString saveFile(const QString &path, const QByteArray &bytes);

} // namespace classroom
