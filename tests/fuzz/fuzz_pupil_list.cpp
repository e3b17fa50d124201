// The pasted or --pupils class list: never a crash, and an accepted list is
// at most 99 distinct, non-empty names numbered in order. Only a quoted
// spreadsheet cell may hold a «;».
#include "pupil_list.h"
#include "text_fields.h"

#include <QSet>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const classroom::PupilListParse parse = classroom::parsePupilList(text);
    if (!parse.ok()) {
        if (!parse.pupils.empty() || parse.error.line < 0)
            std::abort();
        return 0;
    }
    if (parse.pupils.empty() || parse.pupils.size() > size_t(classroom::kMaxVariants))
        std::abort();
    const bool quotedCells = text.contains(u'"');
    QSet<QString> names;
    for (size_t i = 0; i < parse.pupils.size(); ++i) {
        const classroom::Pupil &p = parse.pupils[i];
        if (p.variant != int(i + 1) || p.name.isEmpty() || p.name != p.name.simplified()
            || (!quotedCells && p.name.contains(u';')))
            std::abort();
        names.insert(classroom::pupilKey(p.name));
    }
    if (names.size() != qsizetype(parse.pupils.size()))
        std::abort();
    return 0;
}
