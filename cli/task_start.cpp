#include "task_start.h"

#include "classroom_texts.h"
#include "cli_texts.h"
#include "pupil_start.h"
#include "task_files.h"
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

namespace {

TaskStart readTaskFileStart(const CommandLine &line, QString *error)
{
    TaskStart start;
    start.wanted = true;
    if (line.options.has(u"task"_s)) {
        *error = CliText::tr("файл задания и --task нельзя задать вместе: код уже в файле");
        return {};
    }
    const classroom::TaskFileRead read = classroom::readTaskFile(*line.file, classroom::TaskFileKind::Pupils);
    if (!read.ok()) {
        *error = classroom::fileMessage(*line.file, classroom::TaskFileKind::Pupils, read.error);
        return {};
    }
    start.file = read.task;
    start.filePath = *line.file;
    start.code = read.task.code;
    start.pupil = line.options.value(u"pupil"_s);
    start.variant = line.options.value(u"variant"_s);
    if (read.task.hasList() && start.variant) {
        *error = CliText::tr("в этом задании вариант следует из списка класса: задайте --pupil ИМЯ, а не --variant");
        return {};
    }
    if (read.task.hasList() ? !start.pupil : !start.variant)
        return start; // the dialog asks
    const classroom::PupilStart pupil = classroom::startFromTaskFile(read.task, start.pupil.value_or(QString()),
        start.variant.value_or(QString()));
    if (!pupil.task) {
        *error = u"%1: %2"_s.arg(read.task.hasList() ? u"--pupil"_s : u"--variant"_s, pupil.error);
        return {};
    }
    start.task = pupil.task;
    return start;
}

} // namespace

TaskStart readTaskStart(const CommandLine &line, QString *error)
{
    if (line.file)
        return readTaskFileStart(line, error);
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
        *error = CliText::tr("--variant и --pupil задаются только вместе с --task КОД (см. --help)");
        return {};
    }
    if (start.code && start.variant)
        start.task = bench::parseTask(*start.code, *start.variant, start.pupil.value_or(QString())).task;
    return start;
}
