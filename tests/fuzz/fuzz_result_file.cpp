// A pupil's result file as any pupil could write it: whatever the bytes,
// the reader never crashes; a file it takes holds only values in range,
// reads back unchanged from the writer's bytes with its checksum right, and
// goes through the judging and the class table without a fault.
#include "class_results.h"
#include "number_text.h"
#include "result_file.h"
#include "task_code.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const classroom::ResultFileRead read = classroom::parseResultFile(bytes);
    if (!read.ok())
        return 0;
    const classroom::ResultFile &r = read.result;
    if (r.variant < 1 || r.variant > bench::kMaxVariant || r.checks.size() > classroom::kMaxResultChecks
        || !bench::isLocaleDecimalSeparator(r.decimalMark) || bench::normaliseTaskCode(r.code) != r.code)
        std::abort();
    const classroom::ResultFileRead again = classroom::parseResultFile(classroom::resultFileBytes(r));
    if (!again.ok() || !again.checksumOk || again.result.code != r.code || again.result.variant != r.variant
        || again.result.pupil != r.pupil || again.result.form != r.form || again.result.decimalMark != r.decimalMark
        || again.result.checks.size() != r.checks.size() || again.result.starts != r.starts
        || r.starts.size() > classroom::kMaxResultStarts)
        std::abort();
    for (size_t i = 0; i < r.checks.size(); ++i) {
        const classroom::ResultCheck &a = r.checks[i], &b = again.result.checks[i];
        if (a.order < -8 || a.order > 8 || a.time != b.time || a.grating != b.grating || a.order != b.order
            || a.distance != b.distance || a.answer != b.answer || a.verdict != b.verdict || a.hint != b.hint)
            std::abort();
    }

    classroom::ClassroomTask task;
    task.code = r.code;
    task.variants = bench::kMaxVariant;
    const auto shared = std::make_shared<const classroom::ResultFileRead>(read);
    const classroom::ClassResults table = classroom::buildClassResults(task, {{QStringLiteral("f"), shared}});
    if (table.rows.size() != 1 || table.rows[0].judged.checks != int(r.checks.size())
        || (table.rows[0].judged.firstRight && *table.rows[0].judged.firstRight > int(r.checks.size()))
        || table.rows[0].judged.hintsSeen > int(r.checks.size()))
        std::abort();
    if (table.rows[0].solved() && !(read.checksumOk && table.rows[0].judged.agrees))
        std::abort();
    return 0;
}
