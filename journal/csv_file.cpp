#include "csv_file.h"

#include "journal_model.h"

#include <QStringList>

namespace journal {

namespace {

QString field(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral(u"\"\""));
    return u'"' + quoted + u'"';
}

QByteArray line(const QStringList &texts, QChar separator)
{
    QStringList fields;
    for (const QString &text : texts)
        fields.append(field(text, separator));
    return fields.join(separator).toUtf8() + "\r\n";
}

} // namespace

QByteArray csvBytes(const JournalModel &model)
{
    const QChar separator = model.format().decimalSeparator == u',' ? u';' : u',';
    QByteArray bytes = "\xEF\xBB\xBF";
    QStringList header;
    for (int c = 0; c < kColumnCount; ++c)
        header.append(headerText(Column(c)));
    bytes += line(header, separator);
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < kColumnCount; ++c)
            cells.append(model.cellText(r, Column(c)));
        bytes += line(cells, separator);
    }
    return bytes;
}

} // namespace journal
