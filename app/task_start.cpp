#include "task_start.h"

#include "task_texts.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Option {
    QString name;
    std::optional<QString> TaskStart::*value;
    bench::TaskInputError (*check)(const QString &);
};

const std::array<Option, 3> &options()
{
    static const std::array<Option, 3> list{{
        {u"--task"_s, &TaskStart::code, &bench::checkTaskCode},
        {u"--variant"_s, &TaskStart::variant, &bench::checkVariant},
        {u"--pupil"_s, &TaskStart::pupil, &bench::checkPupilName},
    }};
    return list;
}

TaskStart failed(const QString &error)
{
    TaskStart start;
    start.error = error;
    return start;
}

} // namespace

TaskStart parseTaskStart(const QStringList &arguments)
{
    TaskStart start;
    QStringList seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = eq < 0 ? arg : arg.left(eq);
        const Option *option = nullptr;
        for (const Option &o : options()) {
            if (o.name == name)
                option = &o;
        }
        if (!option || !arg.startsWith(u"--"_s)) {
            start.rest.append(arg);
            continue;
        }
        if (seen.contains(name))
            return failed(u"option %1 given more than once"_s.arg(name));
        seen.append(name);
        const bool isTask = option->value == &TaskStart::code;
        start.wanted = start.wanted || isTask;
        QString value;
        if (eq >= 0) {
            value = arg.mid(eq + 1);
        } else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--"_s)) {
            value = arguments[++i];
        } else if (isTask) {
            continue; // the code is asked for in the dialog
        } else {
            return failed(u"option %1 needs a value"_s.arg(name));
        }
        if (const auto error = option->check(value); error != bench::TaskInputError::None)
            return failed(u"%1 '%2': %3"_s.arg(name, value, bench::taskInputMessage(error)));
        start.*(option->value) = value;
    }
    if (!start.wanted && (start.variant || start.pupil))
        return failed(u"--variant and --pupil belong to --task CODE (see --help)"_s);
    if (start.code && start.variant)
        start.task = bench::parseTask(*start.code, *start.variant, start.pupil.value_or(QString())).task;
    return start;
}
