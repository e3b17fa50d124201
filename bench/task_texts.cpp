#include "task_texts.h"

#include "bench_texts.h"
#include "source_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

namespace {

// The elements of lamp_lines.h, listed for lupdate: the table keeps the
// Russian name, which the result files hold.
[[maybe_unused]] constexpr const char *kElementNames[] = {
    QT_TRANSLATE_NOOP("BenchTexts", "ртуть"),
    QT_TRANSLATE_NOOP("BenchTexts", "натрий"),
    QT_TRANSLATE_NOOP("BenchTexts", "водород"),
    QT_TRANSLATE_NOOP("BenchTexts", "гелий"),
    QT_TRANSLATE_NOOP("BenchTexts", "неон"),
    QT_TRANSLATE_NOOP("BenchTexts", "кадмий"),
    QT_TRANSLATE_NOOP("BenchTexts", "литий"),
    QT_TRANSLATE_NOOP("BenchTexts", "таллий"),
};

constexpr const char *kLineName = QT_TRANSLATE_NOOP("BenchTexts", "%1, %2 нм");

const char *hintSource(TaskHint hint)
{
    // The lamp's words for the same slips.
    switch (hint) {
    case TaskHint::OffTheLine:
        return sourceHintSource(SourceHint::OffTheLine);
    case TaskHint::Arithmetic:
        return sourceHintSource(SourceHint::Arithmetic);
    case TaskHint::OrderMissing:
        return sourceHintSource(SourceHint::OrderMissing);
    case TaskHint::WrongOrder:
        return QT_TRANSLATE_NOOP("BenchTexts", "проверьте k");
    case TaskHint::Rounding:
        return QT_TRANSLATE_NOOP("BenchTexts", "Почти: проверьте округление.");
    case TaskHint::None:
        break;
    }
    return "";
}

} // namespace

QString elementName(const LampLine &line)
{
    return BenchTexts::tr(line.element.toString().toUtf8().constData());
}

QString lineName(const LampLine &line)
{
    return BenchTexts::tr(kLineName).arg(elementName(line)).arg(line.nm);
}

QString storedLineName(const LampLine &line)
{
    return QString::fromUtf8(kLineName).arg(line.element.toString()).arg(line.nm);
}

QString hintText(TaskHint hint)
{
    return hint == TaskHint::None ? QString() : BenchTexts::tr(hintSource(hint));
}

QString storedHintText(TaskHint hint)
{
    return QString::fromUtf8(hintSource(hint));
}

QString taskInputMessage(TaskInputError error)
{
    switch (error) {
    case TaskInputError::CodeEmpty:
        return BenchTexts::tr("Введите код задания, который дал учитель.");
    case TaskInputError::CodeTooLong:
        return BenchTexts::tr("Код задания слишком длинный: не больше %1 знаков.").arg(kMaxTaskCodeLength);
    case TaskInputError::CodeControlCharacter:
        return BenchTexts::tr("В коде задания есть недопустимые служебные символы.");
    case TaskInputError::VariantInvalid:
        return BenchTexts::tr("Вариант — целое число от 1 до %1.").arg(kMaxVariant);
    case TaskInputError::PupilTooLong:
        return BenchTexts::tr("Фамилия и имя слишком длинные: не больше %1 знаков.").arg(kMaxPupilNameLength);
    case TaskInputError::PupilControlCharacter:
        return BenchTexts::tr("В фамилии и имени есть недопустимые служебные символы.");
    case TaskInputError::None:
        break;
    }
    return {};
}

QString taskCaptionSuffix(int variant)
{
    return BenchTexts::tr(" — контрольное задание, вариант %1").arg(variant);
}

QString unknownLampText()
{
    return BenchTexts::tr("Свет от лампы с неизвестной длиной волны");
}

} // namespace bench
