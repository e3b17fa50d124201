#include "task_start.h"

#include "task_texts.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TaskOption {
    QString name;
    std::optional<QString> TaskStart::*value;
    bench::TaskInputError (*check)(const QString &);
};

const std::array<TaskOption, 3> &taskOptions()
{
    static const std::array<TaskOption, 3> list{{
        {u"task"_s, &TaskStart::code, &bench::checkTaskCode},
        {u"variant"_s, &TaskStart::variant, &bench::checkVariant},
        {u"pupil"_s, &TaskStart::pupil, &bench::checkPupilName},
    }};
    return list;
}

} // namespace

TaskStart readTaskStart(const CommandLine &line, QString *error)
{
    TaskStart start;
    start.wanted = line.options.has(u"task"_s);
    for (const TaskOption &o : taskOptions()) {
        const auto value = line.options.value(o.name);
        if (!value || (o.value == &TaskStart::code && line.taskWithoutCode))
            continue; // the dialog asks for it
        if (const auto wrong = o.check(*value); wrong != bench::TaskInputError::None) {
            *error = u"--%1 «%2»: %3"_s.arg(o.name, *value, bench::taskInputMessage(wrong));
            return {};
        }
        start.*(o.value) = *value;
    }
    if (!start.wanted && (start.variant || start.pupil)) {
        *error = u"--variant и --pupil задаются только вместе с --task КОД (см. --help)"_s;
        return {};
    }
    if (start.code && start.variant)
        start.task = bench::parseTask(*start.code, *start.variant, start.pupil.value_or(QString())).task;
    return start;
}
