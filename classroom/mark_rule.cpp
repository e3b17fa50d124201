#include "mark_rule.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

int markFor(std::optional<int> checksToFirstRight)
{
    if (!checksToFirstRight)
        return 2;
    if (*checksToFirstRight <= 1)
        return 5;
    return *checksToFirstRight <= 3 ? 4 : 3;
}

QString markRuleText()
{
    return u"Оценка: 5 — верный ответ с первой проверки, 4 — верный ответ не позже третьей проверки, "
           u"3 — верный ответ позже, 2 — верного ответа нет."_s;
}

} // namespace classroom
