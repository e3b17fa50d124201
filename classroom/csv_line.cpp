#include "csv_line.h"

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

QString quoted(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString q = text;
    q.replace(u'"', u"\"\""_s);
    return u'"' + q + u'"';
}

} // namespace

QByteArray csvLine(const QStringList &cells, QChar separator)
{
    QStringList fields;
    fields.reserve(cells.size());
    for (const QString &cell : cells)
        fields.append(quoted(cell, separator));
    return fields.join(separator).toUtf8() + "\r\n";
}

} // namespace classroom
