#include "task_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

QString lineName(const LampLine &line)
{
    return u"%1, %2 нм"_s.arg(line.element.toString()).arg(line.nm);
}

QString hintText(TaskHint hint)
{
    switch (hint) {
    case TaskHint::Units:
        return u"Ошибка в 10 или 100 раз: проверьте единицы."_s;
    case TaskHint::NeighbourOrder:
        return u"Это ответ соседнего порядка: проверьте k."_s;
    case TaskHint::CentralMaximum:
        return u"Это центральный максимум: выберите другой."_s;
    case TaskHint::Rounding:
        return u"Почти: проверьте округление."_s;
    case TaskHint::None:
        break;
    }
    return {};
}

QString taskInputMessage(TaskInputError error)
{
    switch (error) {
    case TaskInputError::CodeEmpty:
        return u"Введите код задания, который дал учитель."_s;
    case TaskInputError::CodeTooLong:
        return u"Код задания слишком длинный: не больше %1 знаков."_s.arg(kMaxTaskCodeLength);
    case TaskInputError::CodeControlCharacter:
        return u"В коде задания есть недопустимые служебные символы."_s;
    case TaskInputError::VariantInvalid:
        return u"Вариант — целое число от 1 до %1."_s.arg(kMaxVariant);
    case TaskInputError::PupilTooLong:
        return u"Фамилия и имя слишком длинные: не больше %1 знаков."_s.arg(kMaxPupilNameLength);
    case TaskInputError::PupilControlCharacter:
        return u"В фамилии и имени есть недопустимые служебные символы."_s;
    case TaskInputError::None:
        break;
    }
    return {};
}

QString taskCaptionSuffix(int variant)
{
    return u" — контрольное задание, вариант %1"_s.arg(variant);
}

QString unknownLampText()
{
    return u"Свет от лампы с неизвестной длиной волны"_s;
}

} // namespace bench
