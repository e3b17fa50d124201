#include "pupil_start.h"

#include "classroom_texts.h"
#include "task_texts.h"
#include "text_fields.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

const Pupil *findPupil(const ClassroomTask &file, const QString &name)
{
    const QString key = pupilKey(name);
    for (const Pupil &pupil : file.pupils) {
        if (pupilKey(pupil.name) == key)
            return &pupil;
    }
    return nullptr;
}

PupilStart startFromTaskFile(const ClassroomTask &file, const QString &pupil, const QString &variant)
{
    PupilStart start;
    if (file.hasList()) {
        const Pupil *listed = findPupil(file, pupil);
        if (!listed) {
            start.error = pupil.trimmed().isEmpty()
                ? ClassroomTexts::tr("Выберите свою фамилию и имя из списка класса.")
                : ClassroomTexts::tr("«%1» нет в списке класса этого задания.").arg(pupil.trimmed());
            return start;
        }
        start.task = bench::parseTask(file.code, QString::number(listed->variant), listed->name).task;
        return start;
    }
    const auto number = bench::variantNumber(variant);
    if (!number || *number > file.variants) {
        start.error = ClassroomTexts::tr("Вариант — целое число от 1 до %1.").arg(file.variants);
        return start;
    }
    const bench::TaskParse parse = bench::parseTask(file.code, variant, pupil);
    if (parse.error != bench::TaskInputError::None)
        start.error = bench::taskInputMessage(parse.error);
    else
        start.task = parse.task;
    return start;
}

} // namespace classroom
