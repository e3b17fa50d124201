#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace classroom {

// Writes the whole file or leaves the old one as it was; on failure, why,
// in the interface language. Every write, the flush, the sync to the disk and the commit are
// checked: a full disk or a vanished share is a reported failure, never a
// shorter file.
std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes);

// The same with the folder checked first; empty on success, else the
// sentence to show.
QString saveFile(const QString &path, const QByteArray &bytes);

// Several files of one run, all or none: when one cannot be written, the
// files this call created are removed again (those it replaced keep their
// new content) and the first failure's sentence is returned.
QString saveFiles(const std::vector<std::pair<QString, QByteArray>> &files);

} // namespace classroom
