// The bench session in task mode: the lamp replaces the slider, the cursor
// measures.
#include "bench_session.h"

#include "wavelength_slider.h"

namespace bench {

ActionResult BenchSession::startTask(const Task &task) noexcept
{
    stopRepetitions();
    task_ = task;
    taskSolved_ = false;
    taskChecks_ = 0;
    taskHint_ = TaskHint::None;
    checkButton_ = CheckButton::Check;
    verdict_ = Verdict::None;
    state_.fl_drag = false;
    state_.fl_stop = 0;
    write(TextField::Order, QString());
    // The slider stays where the strip has the lamp's colour; the field
    // gets "?" in the same write a drag would make.
    return finish(setSliderLeft(sliderLeftForWavelength(task.lampLine().nm)));
}

ActionResult BenchSession::resumeTask(const Task &task, unsigned checks, bool solved) noexcept
{
    ActionResult result = startTask(task);
    taskChecks_ = checks;
    taskSolved_ = solved;
    return result;
}

void BenchSession::recordTaskChecks(unsigned checks, bool solved) noexcept
{
    taskChecks_ = checks;
    taskSolved_ = taskSolved_ || solved;
}

Verdict BenchSession::judgeTask()
{
    // The texts the result file will record: the typed k as a number.
    const TaskReadouts shown{text(TextField::Grating), text(TextField::Distance),
        typedOrder(text(TextField::Order)).value_or(0)};
    const TaskJudgement judgement = judgeTaskAnswer(text(TextField::Answer), shown, task_->lampLine().nm, format_);
    ++taskChecks_;
    taskHint_ = judgement.hint;
    taskSolved_ = taskSolved_ || judgement.right;
    return judgement.right ? Verdict::Right : Verdict::Wrong;
}

} // namespace bench
