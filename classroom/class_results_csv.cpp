#include "class_results_csv.h"

#include "class_results_texts.h"
#include "classroom_texts.h"
#include "csv_line.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

// A spreadsheet takes a cell starting with = + - @ for a formula; a name
// typed in a pupil's program must stay text.
QString asText(const QString &text)
{
    static const QString kFormulaStarts = u"=+-@\t\r"_s;
    return !text.isEmpty() && kFormulaStarts.contains(text.front()) ? u'\'' + text : text;
}

} // namespace

QByteArray classResultsCsv(const ClassResults &results, bool withMarks)
{
    constexpr QChar kSeparator = u';';
    QStringList header;
    for (int c = 0; c < kResultColumnCount; ++c) {
        if (withMarks || ResultColumn(c) != ResultColumn::Mark)
            header.append(resultColumnTitle(ResultColumn(c)));
    }
    QByteArray bytes = "\xEF\xBB\xBF" + csvLine(header, kSeparator);
    for (const PupilRow &row : results.rows) {
        QStringList cells;
        for (int c = 0; c < kResultColumnCount; ++c) {
            const auto column = ResultColumn(c);
            if (withMarks || column != ResultColumn::Mark)
                cells.append(asText(resultCellText(row, column)));
        }
        bytes += csvLine(cells, kSeparator);
    }
    return bytes;
}

QString moodleGradeItemName(const ClassroomTask &task)
{
    return ClassroomTexts::tr("%1 (код %2)").arg(task.title, task.code);
}

MoodleGrades moodleGradesCsv(const ClassroomTask &task, const ClassResults &results)
{
    constexpr QChar kSeparator = u',';
    MoodleGrades grades;
    grades.bytes = csvLine(
        {resultColumnTitle(ResultColumn::Pupil), resultColumnTitle(ResultColumn::Id), moodleGradeItemName(task)},
        kSeparator);
    for (const PupilRow &row : results.rows) {
        if (row.id.trimmed().isEmpty() || !row.mark) {
            grades.leftOut.append(row.name.isEmpty() ? ClassroomTexts::tr("вариант %1").arg(row.variant) : row.name);
            continue;
        }
        grades.bytes += csvLine({row.name, row.id.trimmed(), QString::number(*row.mark)}, kSeparator);
    }
    return grades;
}

} // namespace classroom
