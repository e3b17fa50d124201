#include "source_start.h"

#include "cli_texts.h"
#include "measuring_cursor.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

SourceStart readSourceStart(const CommandLine &line, QString *error)
{
    SourceStart start;
    if (const auto key = line.options.value(u"source"_s)) {
        const auto source = bench::sourceOfKey(*key);
        if (!source) {
            *error = CliText::tr("--source: нужно одно из %1, а не «%2»").arg(bench::sourceKeys(), *key);
            return start;
        }
        start.source = *source;
    }
    if (const auto value = line.options.value(u"cursor"_s)) {
        // Either decimal mark, as --grating takes it.
        QString text = *value;
        const bench::NumberFormat point{u'.'};
        text.replace(u',', u'.');
        std::optional<int> rows;
        try {
            const bench::Extended cm = bench::StrToFloat(text, point);
            if (std::isfinite(cm) && std::fabs(cm) <= 5)
                rows = bench::cursorOffsetOfCm(cm);
        } catch (const bench::EConvertError &) {
        }
        if (!rows) {
            *error = CliText::tr("--cursor: нужно расстояние от оси в см, от -5 до 5, а не «%1»").arg(*value);
            return start;
        }
        start.cursor = rows;
    }
    return start;
}

bench::ActionResult applySourceStart(bench::BenchSession &session, const SourceStart &start)
{
    if (auto error = session.setSource(start.source))
        return error;
    if (!start.cursor)
        return std::nullopt;
    if (auto error = session.showCursor(true))
        return error;
    return session.moveCursorTo(*start.cursor);
}
