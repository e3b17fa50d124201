#include "system_reason.h"

#include "classroom_texts.h"
#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

QString systemReason(Access access, int systemError, const QString &qtError)
{
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return ClassroomTexts::tr("нет места на диске");
    case EROFS:
        return ClassroomTexts::tr("папка только для чтения");
    case EACCES:
    case EPERM:
        return access == Access::Write ? ClassroomTexts::tr("нет права записи")
                                       : ClassroomTexts::tr("нет прав на чтение");
    case ETIMEDOUT:
#ifdef EHOSTDOWN
    case EHOSTDOWN:
#endif
    case EHOSTUNREACH:
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case EIO:
        return ClassroomTexts::tr("сервер не отвечает");
    case EBUSY:
    case EEXIST:
    case ETXTBSY:
        return ClassroomTexts::tr("файл занят");
    case ENOENT:
        return access == Access::Write ? ClassroomTexts::tr("папки больше нет")
                                       : ClassroomTexts::tr("такого файла нет");
    case EISDIR:
        return ClassroomTexts::tr("это папка");
    default:
        break;
    }
    // Qt's texts are English until its translation is loaded; the reason
    // is ours and the detail goes in brackets.
    const QString gist = access == Access::Write
        ? ClassroomTexts::tr("файл не удалось записать")
        : ClassroomTexts::tr("файл не удалось прочитать");
    return qtError.isEmpty() ? gist : u"%1 (%2)"_s.arg(gist, qtError);
}

} // namespace classroom
