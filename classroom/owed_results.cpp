#include "owed_results.h"

#include "classroom_texts.h"
#include "file_read.h"
#include "save_file.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

QString listPath(const QString &localFolder)
{
    return QDir(localFolder).filePath(u"owed.json"_s);
}

// Far more than a pupil's computer ever owes: the list stays small to read.
constexpr qsizetype kMaxOwed = 200;

} // namespace

std::vector<OwedResult> readOwedResults(const QString &localFolder)
{
    FileError error;
    const auto bytes = readLimited(listPath(localFolder), qint64(256) * 1024, &error);
    if (!bytes)
        return {};
    std::vector<OwedResult> owed;
    const QJsonArray entries = QJsonDocument::fromJson(*bytes).object().value(u"owed"_s).toArray();
    for (const auto &entry : entries) {
        OwedResult one{entry[u"folder"_s].toString(), entry[u"name"_s].toString()};
        // Only a bare file name: the list must not send a file from elsewhere.
        if (one.folder.isEmpty() || one.name.isEmpty() || one.name.contains(u'/') || one.name.contains(u'\\')
            || one.name.startsWith(u'.') || std::ranges::find(owed, one) != owed.end())
            continue;
        owed.push_back(one);
        if (qsizetype(owed.size()) == kMaxOwed)
            break;
    }
    return owed;
}

QString writeOwedResults(const QString &localFolder, const std::vector<OwedResult> &owed)
{
    if (owed.empty()) {
        QFile::remove(listPath(localFolder));
        return {};
    }
    QJsonArray entries;
    for (const OwedResult &one : owed)
        entries.append(QJsonObject{{u"folder"_s, one.folder}, {u"name"_s, one.name}});
    if (!QDir().mkpath(localFolder))
        return ClassroomTexts::tr("папку «%1» нельзя создать").arg(QDir::toNativeSeparators(localFolder));
    return saveFile(listPath(localFolder), QJsonDocument(QJsonObject{{u"owed"_s, entries}}).toJson());
}

} // namespace classroom
