#include "recovery_store.h"

#include "journal_snapshot.h"
#include "save_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace journal {

RecoveryStore::RecoveryStore(const QString &directory) : path_(QDir(directory).filePath(u"journal-recovery.json"_s))
{
    if (!QDir().mkpath(directory))
        return;
    lock_ = std::make_unique<QLockFile>(QDir(directory).filePath(u"journal-recovery.lock"_s));
    // Only the lock of a program that has died is taken over; age alone
    // never makes it stale, however long a lesson lasts.
    lock_->setStaleLockTime(0);
    owned_ = lock_->tryLock(0);
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultDirectory()
{
    // The same folder on Linux; on Windows the local one, not the roaming
    // one that a school's domain copies to its server at every log-off.
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

std::optional<QByteArray> RecoveryStore::leftover() const
{
    QFile file(path_);
    if (!owned_ || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(kMaxSnapshotBytes + 1);
}

bool RecoveryStore::save(const QByteArray &bytes)
{
    if (!owned_)
        return false;
    return !classroom::writeWholeFile(path_, bytes).has_value();
}

void RecoveryStore::remove()
{
    if (owned_)
        QFile::remove(path_);
}

} // namespace journal
