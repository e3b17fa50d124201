#include "answer_key.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

std::vector<AnswerKeyRow> answerKey(const QString &normalisedCode, int variants)
{
    std::vector<AnswerKeyRow> rows;
    for (int v = 1; v <= variants; ++v)
        rows.push_back({v, kLampLines[size_t(lineOfVariant(normalisedCode, v))]});
    return rows;
}

QString answerKeyText(const std::vector<AnswerKeyRow> &rows)
{
    QString text;
    for (const AnswerKeyRow &row : rows) {
        text += u"%1\t%2\t%3\t%4\n"_s.arg(row.variant).arg(row.line.nm).arg(row.line.element.toString(),
                                                                          row.line.symbol.toString());
    }
    return text;
}

} // namespace bench
