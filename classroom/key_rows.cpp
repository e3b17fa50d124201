#include "key_rows.h"

#include "task_code.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

std::vector<KeyRow> keyRows(const ClassroomTask &task)
{
    std::vector<KeyRow> rows;
    for (int v = 1; v <= task.variants; ++v) {
        const QString pupil = size_t(v - 1) < task.pupils.size() ? task.pupils[size_t(v - 1)].name : QString();
        rows.push_back({v, pupil, bench::kLampLines[size_t(bench::lineOfVariant(task.code, v))]});
    }
    return rows;
}

QString keyText(const std::vector<KeyRow> &rows)
{
    QString text;
    for (const KeyRow &row : rows) {
        text += u"%1\t%2\t%3\t%4\t%5\n"_s.arg(QString::number(row.variant), row.pupil, QString::number(row.line.nm),
            row.line.element.toString(), row.line.symbol.toString());
    }
    return text;
}

} // namespace classroom
