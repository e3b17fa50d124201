#pragma once

#include <QString>

namespace classroom {

enum class Access { Read, Write };

// Why a file could not be read or written, in the interface language, not
// the locale's («нет места на диске», «папка только для чтения», «сервер не отвечает»,
// «файл занят»): from the system's error number where there is one, else
// from Qt's own text.
QString systemReason(Access access, int systemError, const QString &qtError = {});

} // namespace classroom
