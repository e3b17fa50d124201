#include "class_results_texts.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

QString resultColumnTitle(ResultColumn column)
{
    switch (column) {
    case ResultColumn::Variant:
        return u"Вариант"_s;
    case ResultColumn::Pupil:
        return u"Ученик"_s;
    case ResultColumn::Id:
        return u"Адрес или номер"_s;
    case ResultColumn::Line:
        return u"λ, нм"_s;
    case ResultColumn::Checks:
        return u"Проверок"_s;
    case ResultColumn::Solved:
        return u"Решено"_s;
    case ResultColumn::ChecksToRight:
        return u"Проверок до верного ответа"_s;
    case ResultColumn::FirstRight:
        return u"Первый верный ответ"_s;
    case ResultColumn::Hints:
        return u"Подсказок"_s;
    case ResultColumn::Mark:
        return u"Оценка"_s;
    case ResultColumn::Note:
        return u"Примечание"_s;
    case ResultColumn::Starts:
        return u"Запусков"_s;
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
        return !read ? QString() : row.solved() ? u"да"_s : u"нет"_s;
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
                ? u"файлы расходятся"_s
                : u"%1; файлы расходятся"_s.arg(pupilStatusText(row.status));
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
        return u"нет результата"_s;
    case PupilStatus::Edited:
        return u"файл изменён"_s;
    case PupilStatus::Counted:
        break;
    }
    return {};
}

QString otherTaskReason(const QString &code)
{
    return u"другое задание (код %1)"_s.arg(code);
}

QString variantOutsideReason(int variant, int variants)
{
    return u"вариант %1, а в задании варианты 1–%2"_s.arg(variant).arg(variants);
}

QString notOnListReason(const QString &name)
{
    return u"ученика «%1» нет в списке класса"_s.arg(name);
}

QString noNameReason(int variant, const QString &listed)
{
    return u"в файле нет имени ученика, а вариант %1 в списке — «%2»"_s.arg(variant).arg(listed);
}

QString variantMismatchReason(int variant, const QString &name, int listedVariant)
{
    return u"вариант %1 не совпадает со списком: у «%2» вариант %3"_s.arg(variant).arg(name).arg(listedVariant);
}

QString editedReason(bool checksumOk)
{
    return checksumOk ? u"файл изменён: записанный результат проверки не совпадает с повторной проверкой"_s
                      : u"файл изменён: контрольная сумма не сходится"_s;
}

QString duplicateReason(const QString &countedFile)
{
    return u"повтор: для этого ученика учтён файл «%1»"_s.arg(QFileInfo(countedFile).fileName());
}

QString divergingReason(const QString &countedFile)
{
    return u"файлы расходятся: в учтённом файле «%1» другие проверки"_s.arg(QFileInfo(countedFile).fileName());
}

QString readProblemReason(const FileError &error)
{
    switch (error.problem) {
    case FileProblem::CannotRead:
        return u"не читается: %1"_s.arg(error.detail);
    case FileProblem::TooLarge:
        return u"слишком большой для файла результатов"_s;
    case FileProblem::Damaged:
        return error.detail.isEmpty() ? u"файл повреждён"_s : u"файл повреждён: неверное поле «%1»"_s.arg(error.detail);
    case FileProblem::Newer:
        return u"записан более новой версией gratinglab; обновите программу"_s;
    case FileProblem::NotOurs:
    case FileProblem::TeacherFile:
    case FileProblem::TaskFile:
    case FileProblem::KeyMissing:
        return u"не файл результатов gratinglab"_s;
    case FileProblem::None:
        break;
    }
    return {};
}

QString scanProblemReason(ScanProblem problem, int maxFiles)
{
    switch (problem) {
    case ScanProblem::Missing:
        return u"нет такой папки или файла"_s;
    case ScanProblem::Unreadable:
        return u"папка не читается: нет доступа или сервер не отвечает"_s;
    case ScanProblem::Link:
        return u"ссылка, а не файл: не читается"_s;
    case ScanProblem::NotRegular:
        return u"не обычный файл: не читается"_s;
    case ScanProblem::NotResultFile:
        return u"не файл результатов (.gratinglab-result)"_s;
    case ScanProblem::TooMany:
        return u"больше %1 файлов результатов: остальные не прочитаны"_s.arg(maxFiles);
    }
    return {};
}

QString resultsPlaceMissingMessage()
{
    return u"файл учителя не называет папку класса (он записан без файла задания): укажите папку или файлы "
           u"результатов параметром --results"_s;
}

} // namespace classroom
