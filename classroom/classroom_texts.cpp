#include "classroom_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

QString defaultTaskTitle()
{
    return ClassroomTexts::tr("Измерение длины световой волны");
}

QString pupilListMessage(const PupilListError &error)
{
    const int line = error.line;
    switch (error.problem) {
    case PupilListProblem::Empty:
        return ClassroomTexts::tr(
            "Список учеников пуст: вставьте по одному ученику в строке или укажите число вариантов.");
    case PupilListProblem::EmptyLine:
        return ClassroomTexts::tr("Строка %1: пустая строка. Каждая строка — вариант; удалите пустые строки.")
            .arg(line);
    case PupilListProblem::NameMissing:
        return ClassroomTexts::tr("Строка %1: нет фамилии и имени перед табуляцией или «;».").arg(line);
    case PupilListProblem::TooManyColumns:
        return ClassroomTexts::tr("Строка %1: больше двух столбцов; нужны только фамилия с именем и адрес или номер.")
            .arg(line);
    case PupilListProblem::TooMany:
        return ClassroomTexts::tr("Строка %1: в списке больше %2 учеников.").arg(line).arg(kMaxVariants);
    case PupilListProblem::Duplicate:
        return ClassroomTexts::tr(
            "Строка %1: этот ученик уже есть в строке %2. Допишите к одинаковым именам что-нибудь отличающее.")
            .arg(line)
            .arg(error.firstLine);
    case PupilListProblem::NameTooLong:
        return ClassroomTexts::tr("Строка %1: фамилия и имя длиннее 60 знаков.").arg(line);
    case PupilListProblem::NameControlCharacter:
        return ClassroomTexts::tr("Строка %1: в фамилии и имени есть недопустимые служебные символы.").arg(line);
    case PupilListProblem::IdTooLong:
        return ClassroomTexts::tr("Строка %1: адрес или номер ученика длиннее %2 знаков.")
            .arg(line)
            .arg(kMaxPupilIdLength);
    case PupilListProblem::IdControlCharacter:
        return ClassroomTexts::tr("Строка %1: в адресе или номере ученика есть недопустимые служебные символы.")
            .arg(line);
    case PupilListProblem::None:
        break;
    }
    return {};
}

QString fileMessage(const QString &name, TaskFileKind kind, const FileError &error)
{
    // Whole sentences for each kind of file: the noun's form differs
    // between languages.
    const bool teacher = kind == TaskFileKind::Teacher;
    switch (error.problem) {
    case FileProblem::CannotRead:
        return ClassroomTexts::tr("Не удалось прочитать файл «%1»: %2.").arg(name, error.detail);
    case FileProblem::TooLarge:
        return teacher ? ClassroomTexts::tr("Файл «%1» слишком большой: это не файл учителя gratinglab.").arg(name)
                       : ClassroomTexts::tr("Файл «%1» слишком большой: это не файл задания gratinglab.").arg(name);
    case FileProblem::Damaged:
        if (teacher && error.detail == u"lines"_s)
            return ClassroomTexts::tr("Файл учителя «%1» повреждён: линии ключа в нём не те, что даёт код задания. "
                                      "Ключ по такому файлу не выдаётся.")
                .arg(name);
        if (error.detail.isEmpty())
            return teacher ? ClassroomTexts::tr("Файл учителя «%1» повреждён и не читается.").arg(name)
                           : ClassroomTexts::tr("Файл задания «%1» повреждён и не читается.").arg(name);
        return teacher ? ClassroomTexts::tr("Файл учителя «%1» повреждён: неверное поле «%2».").arg(name, error.detail)
                       : ClassroomTexts::tr("Файл задания «%1» повреждён: неверное поле «%2».").arg(name, error.detail);
    case FileProblem::Newer:
        return teacher
            ? ClassroomTexts::tr("Файл учителя «%1» записан более новой версией gratinglab; обновите программу.")
                  .arg(name)
            : ClassroomTexts::tr("Файл задания «%1» записан более новой версией gratinglab; обновите программу.")
                  .arg(name);
    case FileProblem::NotOurs:
        return teacher ? ClassroomTexts::tr("Файл «%1» — не файл учителя gratinglab.").arg(name)
                       : ClassroomTexts::tr("Файл «%1» — не файл задания gratinglab.").arg(name);
    case FileProblem::TeacherFile:
        return ClassroomTexts::tr("«%1» — файл учителя с ключом ответов, а не файл задания для учеников.").arg(name);
    case FileProblem::TaskFile:
        return ClassroomTexts::tr(
            "«%1» — файл задания для учеников; ключ ответов есть только в файле учителя (.gratinglab-teacher).")
            .arg(name);
    case FileProblem::KeyMissing:
        return ClassroomTexts::tr("В «%1» нет линий ключа (поля «lines»): так выглядит файл задания, исправленный под "
                                  "файл учителя, или файл учителя из прежней версии gratinglab. Ключ выдаётся только "
                                  "по файлу учителя с линиями; создайте задание заново.")
            .arg(name);
    case FileProblem::None:
        break;
    }
    return {};
}

QString cannotWriteMessage(const QString &name, const QString &reason)
{
    return ClassroomTexts::tr("Не удалось записать файл «%1»: %2.").arg(name, reason);
}

QString quizCategoryName(const ClassroomTask &task)
{
    return task.form.isEmpty() ? ClassroomTexts::tr("%1, код %2").arg(task.title, task.code)
                               : ClassroomTexts::tr("%1, %2, код %3").arg(task.title, task.form, task.code);
}

QString quizQuestionName(int variant, const QString &pupil)
{
    return pupil.isEmpty() ? ClassroomTexts::tr("Вариант %1").arg(variant)
                           : ClassroomTexts::tr("Вариант %1 — %2").arg(QString::number(variant), pupil);
}

QString quizQuestionHtml(const ClassroomTask &task, int variant)
{
    return ClassroomTexts::tr(
        "<p>%1. Откройте в программе gratinglab контрольное задание с кодом <b>%2</b>, вариант <b>%3</b>. "
        "Измерьте длину волны света лампы и введите ответ в нанометрах (нм) — только число.</p>")
        .arg(task.title.toHtmlEscaped(), task.code.toHtmlEscaped(), QString::number(variant));
}

} // namespace classroom
