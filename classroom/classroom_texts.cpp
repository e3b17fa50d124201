#include "classroom_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

QString defaultTaskTitle()
{
    return u"Измерение длины световой волны"_s;
}

QString pupilListMessage(const PupilListError &error)
{
    const QString line = u"Строка %1: "_s.arg(error.line);
    switch (error.problem) {
    case PupilListProblem::Empty:
        return u"Список учеников пуст: вставьте по одному ученику в строке или укажите число вариантов."_s;
    case PupilListProblem::EmptyLine:
        return line + u"пустая строка. Каждая строка — вариант; удалите пустые строки."_s;
    case PupilListProblem::NameMissing:
        return line + u"нет фамилии и имени перед табуляцией или «;»."_s;
    case PupilListProblem::TooManyColumns:
        return line + u"больше двух столбцов; нужны только фамилия с именем и адрес или номер."_s;
    case PupilListProblem::TooMany:
        return line + u"в списке больше %1 учеников."_s.arg(kMaxVariants);
    case PupilListProblem::Duplicate:
        return line
            + u"этот ученик уже есть в строке %1. Допишите к одинаковым именам что-нибудь отличающее."_s.arg(
                error.firstLine);
    case PupilListProblem::NameTooLong:
        return line + u"фамилия и имя длиннее 60 знаков."_s;
    case PupilListProblem::NameControlCharacter:
        return line + u"в фамилии и имени есть недопустимые служебные символы."_s;
    case PupilListProblem::IdTooLong:
        return line + u"адрес или номер ученика длиннее %1 знаков."_s.arg(kMaxPupilIdLength);
    case PupilListProblem::IdControlCharacter:
        return line + u"в адресе или номере ученика есть недопустимые служебные символы."_s;
    case PupilListProblem::None:
        break;
    }
    return {};
}

QString fileMessage(const QString &name, TaskFileKind kind, const FileError &error)
{
    const QString what = kind == TaskFileKind::Teacher ? u"файл учителя"_s : u"файл задания"_s;
    const QString What = kind == TaskFileKind::Teacher ? u"Файл учителя"_s : u"Файл задания"_s;
    switch (error.problem) {
    case FileProblem::CannotRead:
        return u"Не удалось прочитать файл «%1»: %2."_s.arg(name, error.detail);
    case FileProblem::TooLarge:
        return u"Файл «%1» слишком большой: это не %2 gratinglab."_s.arg(name, what);
    case FileProblem::Damaged:
        if (kind == TaskFileKind::Teacher && error.detail == u"lines"_s)
            return u"Файл учителя «%1» повреждён: линии ключа в нём не те, что даёт код задания. Ключ по такому файлу "
                   u"не выдаётся."_s.arg(name);
        return error.detail.isEmpty() ? u"%1 «%2» повреждён и не читается."_s.arg(What, name)
                                      : u"%1 «%2» повреждён: неверное поле «%3»."_s.arg(What, name, error.detail);
    case FileProblem::Newer:
        return u"%1 «%2» записан более новой версией gratinglab; обновите программу."_s.arg(What, name);
    case FileProblem::NotOurs:
        return u"Файл «%1» — не %2 gratinglab."_s.arg(name, what);
    case FileProblem::TeacherFile:
        return u"«%1» — файл учителя с ключом ответов, а не файл задания для учеников."_s.arg(name);
    case FileProblem::TaskFile:
        return u"«%1» — файл задания для учеников; ключ ответов есть только в файле учителя (.gratinglab-teacher)."_s
            .arg(name);
    case FileProblem::KeyMissing:
        return u"В «%1» нет линий ключа (поля «lines»): так выглядит файл задания, исправленный под файл учителя, "
               u"или файл учителя из прежней версии gratinglab. Ключ выдаётся только по файлу учителя с линиями; "
               u"создайте задание заново."_s.arg(name);
    case FileProblem::None:
        break;
    }
    return {};
}

QString cannotWriteMessage(const QString &name, const QString &reason)
{
    return u"Не удалось записать файл «%1»: %2."_s.arg(name, reason);
}

QString quizCategoryName(const ClassroomTask &task)
{
    QString name = task.title;
    if (!task.form.isEmpty())
        name += u", "_s + task.form;
    return name + u", код "_s + task.code;
}

QString quizQuestionName(int variant, const QString &pupil)
{
    const QString name = u"Вариант %1"_s.arg(variant);
    return pupil.isEmpty() ? name : name + u" — "_s + pupil;
}

QString quizQuestionHtml(const ClassroomTask &task, int variant)
{
    return u"<p>%1. Откройте в программе gratinglab контрольное задание с кодом <b>%2</b>, вариант <b>%3</b>. "
           u"Измерьте длину волны света лампы и введите ответ в нанометрах (нм) — только число.</p>"_s.arg(
               task.title.toHtmlEscaped(), task.code.toHtmlEscaped(), QString::number(variant));
}

} // namespace classroom
