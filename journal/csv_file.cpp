#include "csv_file.h"

#include "csv_line.h"
#include "journal_model.h"

namespace journal {

QByteArray csvBytes(const JournalModel &model)
{
    const QChar separator = model.format().decimalSeparator == u',' ? u';' : u',';
    QByteArray bytes = "\xEF\xBB\xBF";
    QStringList header;
    for (int c = 0; c < kColumnCount; ++c)
        header.append(headerText(Column(c)));
    bytes += classroom::csvLine(header, separator);
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < kColumnCount; ++c)
            cells.append(model.cellText(r, Column(c)));
        bytes += classroom::csvLine(cells, separator);
    }
    return bytes;
}

} // namespace journal
