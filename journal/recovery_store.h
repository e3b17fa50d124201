#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

namespace journal {

// The journal's recovery copy: one file in a folder of the user's, written
// whole after every change (a reader, or a power cut, never sees half of it)
// and removed when the program ends cleanly. A copy found at start is what a
// crashed run left. Only the one running program that holds the folder's
// lock reads or writes it, so a second window never takes over the first
// one's copy.
class RecoveryStore {
public:
    explicit RecoveryStore(const QString &directory);
    ~RecoveryStore();

    // The user's application data folder.
    static QString defaultDirectory();

    // False when another running program holds the copy: then this one
    // neither reads nor writes it.
    bool owned() const { return owned_; }
    QString path() const { return path_; }

    std::optional<QByteArray> leftover() const;
    bool save(const QByteArray &bytes);
    void remove();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool owned_ = false;
};

} // namespace journal
