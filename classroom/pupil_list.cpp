#include "pupil_list.h"

#include "task_code.h"
#include "text_fields.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <utility>

namespace classroom {

namespace {

PupilListParse failed(PupilListProblem problem, int line, int firstLine = 0)
{
    PupilListParse parse;
    parse.error = {problem, line, firstLine};
    return parse;
}

bool isBlank(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &cell) { return cell.trimmed().isEmpty(); });
}

// The lines' cells, split at tabs (a spreadsheet's columns) and at «;» (typed
// by hand). A spreadsheet quotes a cell that holds a quote, a tab or a line
// break, doubling the quotes inside: with quotes, such a cell is read whole,
// and none when a quote is left open.
std::optional<std::vector<QStringList>> splitLines(const QString &body, bool quotes)
{
    std::vector<QStringList> lines;
    QStringList cells;
    QString cell;
    bool quoted = false, cellStart = true;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (quoted) {
            if (c != u'"')
                cell += c;
            else if (i + 1 < body.size() && body[i + 1] == u'"')
                cell += body[++i];
            else
                quoted = false;
        } else if (quotes && c == u'"' && cellStart) {
            quoted = true;
            cellStart = false;
        } else if (c == u'\t' || c == u';' || c == u'\n') {
            cells << std::exchange(cell, QString());
            cellStart = true;
            if (c == u'\n')
                lines.push_back(std::exchange(cells, QStringList()));
        } else {
            cell += c;
            cellStart = cellStart && c.isSpace();
        }
    }
    if (quoted)
        return std::nullopt;
    cells << cell;
    lines.push_back(cells);
    return lines;
}

} // namespace

PupilListParse parsePupilList(const QString &text)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    auto lines = splitLines(body, true);
    // A quote never closed was typed, not put there by a spreadsheet.
    if (!lines)
        lines = splitLines(body, false);
    while (!lines->empty() && isBlank(lines->back()))
        lines->pop_back();
    if (lines->empty())
        return failed(PupilListProblem::Empty, 0);

    PupilListParse parse;
    QHash<QString, int> seen;
    for (size_t i = 0; i < lines->size(); ++i) {
        const int lineNo = int(i + 1);
        const QStringList &cells = (*lines)[i];
        if (isBlank(cells))
            return failed(PupilListProblem::EmptyLine, lineNo);
        if (i >= size_t(kMaxVariants))
            return failed(PupilListProblem::TooMany, lineNo);
        if (!isBlank(cells.mid(2)))
            return failed(PupilListProblem::TooManyColumns, lineNo);
        Pupil pupil;
        pupil.variant = lineNo;
        pupil.name = cells[0].simplified();
        pupil.id = cells.value(1).trimmed();
        if (pupil.name.isEmpty())
            return failed(PupilListProblem::NameMissing, lineNo);
        switch (bench::checkPupilName(pupil.name)) {
        case bench::TaskInputError::PupilTooLong:
            return failed(PupilListProblem::NameTooLong, lineNo);
        case bench::TaskInputError::PupilControlCharacter:
            return failed(PupilListProblem::NameControlCharacter, lineNo);
        default:
            break;
        }
        if (bench::hasControlCharacter(pupil.id))
            return failed(PupilListProblem::IdControlCharacter, lineNo);
        if (!isPlainField(pupil.id, kMaxPupilIdLength))
            return failed(PupilListProblem::IdTooLong, lineNo);
        const QString key = pupilKey(pupil.name);
        if (const auto first = seen.constFind(key); first != seen.cend())
            return failed(PupilListProblem::Duplicate, lineNo, *first);
        seen.insert(key, lineNo);
        parse.pupils.push_back(pupil);
    }
    return parse;
}

} // namespace classroom
