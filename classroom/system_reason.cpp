#include "system_reason.h"

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
        return u"нет места на диске"_s;
    case EROFS:
        return u"папка только для чтения"_s;
    case EACCES:
    case EPERM:
        return access == Access::Write ? u"нет права записи"_s : u"нет прав на чтение"_s;
    case ETIMEDOUT:
#ifdef EHOSTDOWN
    case EHOSTDOWN:
#endif
    case EHOSTUNREACH:
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case EIO:
        return u"сервер не отвечает"_s;
    case EBUSY:
    case EEXIST:
    case ETXTBSY:
        return u"файл занят"_s;
    case ENOENT:
        return access == Access::Write ? u"папки больше нет"_s : u"такого файла нет"_s;
    case EISDIR:
        return u"это папка"_s;
    default:
        break;
    }
    // Qt's texts are English until its translation is loaded; the reason
    // stays Russian and the detail goes in brackets.
    const QString gist = access == Access::Write ? u"файл не удалось записать"_s : u"файл не удалось прочитать"_s;
    return qtError.isEmpty() ? gist : u"%1 (%2)"_s.arg(gist, qtError);
}

} // namespace classroom
