#include "pupil_list.h"

#include "task_code.h"
#include "text_fields.h"

#include <QHash>
#include <QStringList>

namespace classroom {

namespace {

PupilListParse failed(PupilListProblem problem, int line, int firstLine = 0)
{
    PupilListParse parse;
    parse.error = {problem, line, firstLine};
    return parse;
}

} // namespace

PupilListParse parsePupilList(const QString &text)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = body.split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return failed(PupilListProblem::Empty, 0);

    PupilListParse parse;
    QHash<QString, int> seen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i + 1);
        if (lines[i].trimmed().isEmpty())
            return failed(PupilListProblem::EmptyLine, lineNo);
        if (i >= kMaxVariants)
            return failed(PupilListProblem::TooMany, lineNo);
        const QString &line = lines[i];
        qsizetype split = -1;
        for (qsizetype j = 0; j < line.size() && split < 0; ++j) {
            if (line[j] == u'\t' || line[j] == u';')
                split = j;
        }
        Pupil pupil;
        pupil.variant = lineNo;
        pupil.name = (split < 0 ? line : line.left(split)).simplified();
        pupil.id = split < 0 ? QString() : line.mid(split + 1).trimmed();
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
