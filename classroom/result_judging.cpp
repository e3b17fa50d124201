#include "result_judging.h"

#include "answer_check.h"
#include "task_check.h"
#include "task_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

JudgedResult judgeResult(const ResultFile &result, const bench::LampLine &line)
{
    // The texts are judged as the pupil's computer wrote them.
    const bench::NumberFormat format{result.decimalMark};
    JudgedResult judged;
    for (const ResultCheck &check : result.checks) {
        ++judged.checks;
        // The cursor's read-out and the typed k, as the pupil's program judged them.
        const bench::TaskJudgement j = bench::judgeTaskAnswer(check.answer,
            {check.grating, check.distance, check.order}, line.nm, format);
        // Beside a right verdict the screen names the line, beside a wrong one the hint.
        const QString hint = j.right ? bench::storedLineName(line) : bench::storedHintText(j.hint);
        if (check.verdict != bench::storedVerdictText(j.right) || check.hint != hint)
            judged.agrees = false;
        if (j.right && !judged.firstRight) {
            judged.firstRight = judged.checks;
            judged.firstRightAnswer = check.answer;
        }
        if (!j.right && j.hint != bench::TaskHint::None)
            ++judged.hintsSeen;
    }
    return judged;
}

} // namespace classroom
