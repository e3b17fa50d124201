#include "new_task.h"

#include "classroom_texts.h"
#include "pupil_list.h"
#include "task_code.h"
#include "task_files.h"
#include "task_texts.h"
#include "text_fields.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

NewTask refused(NewTask::Field field, const QString &error)
{
    NewTask made;
    made.field = field;
    made.error = error;
    return made;
}

} // namespace

NewTask makeNewTask(const NewTaskInput &input)
{
    using Field = NewTask::Field;
    ClassroomTask task;
    task.title = input.title.trimmed();
    if (task.title.isEmpty() || !isPlainField(task.title, kMaxTitleLength))
        return refused(Field::Title,
            ClassroomTexts::tr("Название — одна строка от 1 до %1 знаков.").arg(kMaxTitleLength));
    task.form = input.form.trimmed();
    if (!isPlainField(task.form, kMaxFormLength))
        return refused(Field::Form,
            ClassroomTexts::tr("Класс — одна строка не длиннее %1 знаков.").arg(kMaxFormLength));
    if (input.pupils) {
        const PupilListParse list = parsePupilList(*input.pupils);
        if (!list.ok())
            return refused(Field::Pupils, pupilListMessage(list.error));
        task.pupils = list.pupils;
        task.variants = int(list.pupils.size());
    } else {
        if (input.variants < 1 || input.variants > kMaxVariants)
            return refused(Field::Variants, ClassroomTexts::tr("Число вариантов — от 1 до %1.").arg(kMaxVariants));
        task.variants = input.variants;
    }
    if (const auto wrong = bench::checkTaskCode(input.code); wrong != bench::TaskInputError::None)
        return refused(Field::Code, bench::taskInputMessage(wrong));
    task.code = bench::normaliseTaskCode(input.code);
    task.lines = variantLines(task.code, task.variants);
    task.created = input.created;
    NewTask made;
    made.task = task;
    return made;
}

} // namespace classroom
