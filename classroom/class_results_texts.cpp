#include "class_results_texts.h"

#include "classroom_texts.h"
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

QString resultColumnTitle(ResultColumn column)
{
    switch (column) {
    case ResultColumn::Variant:
        return ClassroomTexts::tr("Вариант");
    case ResultColumn::Pupil:
        return ClassroomTexts::tr("Ученик");
    case ResultColumn::Id:
        return ClassroomTexts::tr("Адрес или номер");
    case ResultColumn::Line:
        return ClassroomTexts::tr("λ, нм");
    case ResultColumn::Checks:
        return ClassroomTexts::tr("Проверок");
    case ResultColumn::Solved:
        return ClassroomTexts::tr("Решено");
    case ResultColumn::ChecksToRight:
        return ClassroomTexts::tr("Проверок до верного ответа");
    case ResultColumn::FirstRight:
        return ClassroomTexts::tr("Первый верный ответ");
    case ResultColumn::Hints:
        return ClassroomTexts::tr("Подсказок");
    case ResultColumn::Mark:
        return ClassroomTexts::tr("Оценка");
    case ResultColumn::Note:
        return ClassroomTexts::tr("Примечание");
    case ResultColumn::Starts:
        return ClassroomTexts::tr("Запусков");
    }
    return {};
}

QString resultCellText(const PupilRow &row, ResultColumn column)
{
    const bool read = row.status != PupilStatus::NoResult;
    switch (column) {
    case ResultColumn::Variant:
        return QString::number(row.variant);
    case ResultColumn::Pupil:
        return row.name;
    case ResultColumn::Id:
        return row.id;
    case ResultColumn::Line:
        return QString::number(row.lineNm);
    case ResultColumn::Checks:
        return read ? QString::number(row.judged.checks) : QString();
    case ResultColumn::Solved:
        return !read ? QString() : row.solved() ? ClassroomTexts::tr("да") : ClassroomTexts::tr("нет");
    case ResultColumn::ChecksToRight:
        return row.solved() ? QString::number(*row.judged.firstRight) : QString();
    case ResultColumn::FirstRight:
        return row.solved() ? row.judged.firstRightAnswer : QString();
    case ResultColumn::Hints:
        return read ? QString::number(row.judged.hintsSeen) : QString();
    case ResultColumn::Mark:
        return row.mark ? QString::number(*row.mark) : QString();
    case ResultColumn::Note:
        if (row.filesDiverge)
            return row.status == PupilStatus::Counted
                ? ClassroomTexts::tr("файлы расходятся")
                : ClassroomTexts::tr("%1; файлы расходятся").arg(pupilStatusText(row.status));
        return pupilStatusText(row.status);
    case ResultColumn::Starts:
        return read ? QString::number(row.starts) : QString();
    }
    return {};
}

QString pupilStatusText(PupilStatus status)
{
    switch (status) {
    case PupilStatus::NoResult:
        return ClassroomTexts::tr("нет результата");
    case PupilStatus::Edited:
        return ClassroomTexts::tr("файл изменён");
    case PupilStatus::Counted:
        break;
    }
    return {};
}

QString otherTaskReason(const QString &code)
{
    return ClassroomTexts::tr("другое задание (код %1)").arg(code);
}

QString variantOutsideReason(int variant, int variants)
{
    return ClassroomTexts::tr("вариант %1, а в задании варианты 1–%2")
        .arg(QString::number(variant), QString::number(variants));
}

QString notOnListReason(const QString &name)
{
    return ClassroomTexts::tr("ученика «%1» нет в списке класса").arg(name);
}

QString noNameReason(int variant, const QString &listed)
{
    return ClassroomTexts::tr("в файле нет имени ученика, а вариант %1 в списке — «%2»")
        .arg(QString::number(variant), listed);
}

QString variantMismatchReason(int variant, const QString &name, int listedVariant)
{
    return ClassroomTexts::tr("вариант %1 не совпадает со списком: у «%2» вариант %3")
        .arg(QString::number(variant), name, QString::number(listedVariant));
}

QString editedReason(bool checksumOk)
{
    return checksumOk
        ? ClassroomTexts::tr("файл изменён: записанный результат проверки не совпадает с повторной проверкой")
        : ClassroomTexts::tr("файл изменён: контрольная сумма не сходится");
}

QString duplicateReason(const QString &countedFile)
{
    return ClassroomTexts::tr("повтор: для этого ученика учтён файл «%1»").arg(QFileInfo(countedFile).fileName());
}

QString divergingReason(const QString &countedFile)
{
    return ClassroomTexts::tr("файлы расходятся: в учтённом файле «%1» другие проверки")
        .arg(QFileInfo(countedFile).fileName());
}

QString readProblemReason(const FileError &error)
{
    switch (error.problem) {
    case FileProblem::CannotRead:
        return ClassroomTexts::tr("не читается: %1").arg(error.detail);
    case FileProblem::TooLarge:
        return ClassroomTexts::tr("слишком большой для файла результатов");
    case FileProblem::Damaged:
        return error.detail.isEmpty() ? ClassroomTexts::tr("файл повреждён")
                                      : ClassroomTexts::tr("файл повреждён: неверное поле «%1»").arg(error.detail);
    case FileProblem::Newer:
        return ClassroomTexts::tr("записан более новой версией gratinglab; обновите программу");
    case FileProblem::NotOurs:
    case FileProblem::TeacherFile:
    case FileProblem::TaskFile:
    case FileProblem::KeyMissing:
        return ClassroomTexts::tr("не файл результатов gratinglab");
    case FileProblem::None:
        break;
    }
    return {};
}

QString scanProblemReason(ScanProblem problem, int maxFiles)
{
    switch (problem) {
    case ScanProblem::Missing:
        return ClassroomTexts::tr("нет такой папки или файла");
    case ScanProblem::Unreadable:
        return ClassroomTexts::tr("папка не читается: нет доступа или сервер не отвечает");
    case ScanProblem::Link:
        return ClassroomTexts::tr("ссылка, а не файл: не читается");
    case ScanProblem::NotRegular:
        return ClassroomTexts::tr("не обычный файл: не читается");
    case ScanProblem::NotResultFile:
        return ClassroomTexts::tr("не файл результатов (.gratinglab-result)");
    case ScanProblem::TooMany:
        return ClassroomTexts::tr("больше %1 файлов результатов: остальные не прочитаны").arg(maxFiles);
    }
    return {};
}

QString resultsPlaceMissingMessage()
{
    return ClassroomTexts::tr(
        "файл учителя не называет папку класса (он записан без файла задания): укажите папку или файлы "
        "результатов параметром --results");
}

} // namespace classroom
