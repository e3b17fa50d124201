#include "task_texts.h"

#include "source_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

QString lineName(const LampLine &line)
{
    return u"%1, %2 нм"_s.arg(line.element.toString()).arg(line.nm);
}

QString hintText(TaskHint hint)
{
    // The lamp's words for the same slips.
    switch (hint) {
    case TaskHint::OffTheLine:
        return sourceHintText(SourceHint::OffTheLine);
    case TaskHint::Arithmetic:
        return sourceHintText(SourceHint::Arithmetic);
    case TaskHint::OrderMissing:
        return sourceHintText(SourceHint::OrderMissing);
    case TaskHint::WrongOrder:
        return u"проверьте k"_s;
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
