#include "key_rows.h"

#include "lamp_lines.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

std::vector<KeyRow> keyRows(const ClassroomTask &task)
{
    std::vector<KeyRow> rows;
    for (size_t i = 0; i < task.lines.size(); ++i) {
        const QString pupil = i < task.pupils.size() ? task.pupils[i].name : QString();
        rows.push_back({int(i + 1), pupil, bench::kLampLines[size_t(task.lines[i])]});
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
