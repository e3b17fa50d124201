#include "mark_rule.h"

#include "classroom_texts.h"
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
    return ClassroomTexts::tr("Оценка: 5 — верный ответ с первой проверки, 4 — верный ответ не позже третьей проверки, "
                              "3 — верный ответ позже, 2 — верного ответа нет.");
}

} // namespace classroom
