#pragma once

#include <QString>

#include <vector>

namespace classroom {

// A result file this computer still owes a class folder: its local copy,
// under name, has not reached folder. The list lives beside the local
// copies, so the program's next start sends them first, whatever task it
// opens, or none.
struct OwedResult {
    QString folder;
    QString name;
    bool operator==(const OwedResult &) const = default;
};

// The list kept in localFolder; empty when there is none or it is damaged
// (a damaged list loses only the reminder: the local copies stay).
std::vector<OwedResult> readOwedResults(const QString &localFolder);
// Empty on success, else the reason to show.
QString writeOwedResults(const QString &localFolder, const std::vector<OwedResult> &owed);

} // namespace classroom
