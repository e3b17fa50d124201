#pragma once

#include "result_file.h"

#include <QByteArray>
#include <QString>

namespace classroom {

// A result file of this pupil's task that a new version may replace: read
// whole, with its checksum, for the same code, variant and pupil. An edited
// copy is never carried on: a new checksum would hide the edit.
bool continuable(const ResultFileRead &read, const ResultFile &head);

// Writes the growing result file into folder under name. Whatever the file
// there holds, it is never cut short: a copy that this version does not
// continue is first kept beside it as «…-2», «…-3». Empty on success, else
// the Russian reason.
QString writeGrowingResult(const QString &folder, const QString &name, const ResultFile &file, const QByteArray &bytes);

// The copy that must not be overwritten, saved beside as «…-2», «…-3».
QString setResultAside(const QString &folder, const QString &name, const QByteArray &bytes);

} // namespace classroom
