#pragma once

#include <QString>

namespace classroom {

// A one-line field of at most maxLength characters, without control characters.
bool isPlainField(const QString &text, qsizetype maxLength);

// Two names on a list are the same pupil when they differ only in case,
// composition or spacing.
QString pupilKey(const QString &name);

} // namespace classroom
