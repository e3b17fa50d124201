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
// continue is first kept beside it as «…-2», «…-3». When the file cannot be
// replaced (another computer holds it open), the version goes to «…-2»
// instead, which the teacher's table counts as the same pupil's longer copy.
// Empty on success, else the reason to show.
QString writeGrowingResult(const QString &folder, const QString &name, const ResultFile &file, const QByteArray &bytes);

// The copy that must not be overwritten, saved beside as «…-2», «…-3».
QString setResultAside(const QString &folder, const QString &name, const QByteArray &bytes);

} // namespace classroom
