#include "journal_columns.h"

#include "decimal_text.h"

using namespace Qt::Literals::StringLiterals;

namespace journal {

QString headerText(Column column)
{
    switch (column) {
    case Column::Number:
        return u"№"_s;
    case Column::Time:
        return u"Время"_s;
    case Column::SetWavelength:
        return u"λ уст., нм"_s;
    case Column::Grating:
        return u"d, 10⁻⁵ м"_s;
    case Column::Order:
        return u"k"_s;
    case Column::Distance:
        return u"y, см"_s;
    case Column::Computed:
        return u"λ по d и y, нм"_s;
    case Column::Answer:
        return u"Ответ, нм"_s;
    case Column::Verdict:
        return u"Результат"_s;
    }
    return {};
}

QString tenthsText(std::int64_t tenths, const bench::NumberFormat &format)
{
    return fixedText(tenths, 1, format);
}

QString cellText(const JournalRow &row, int number, Column column, const bench::NumberFormat &format)
{
    switch (column) {
    case Column::Number:
        return bench::IntToStr(number);
    case Column::Time:
        return row.time.toString(u"hh:mm:ss"_s);
    case Column::SetWavelength:
        if (row.source)
            return row.source->symbol + u", "_s + row.set.wavelength;
        return row.set.concealed ? u"?"_s : row.set.wavelength;
    case Column::Grating:
        return row.grating;
    case Column::Order:
        return row.source ? row.source->typedOrder : bench::IntToStr(row.order);
    case Column::Distance:
        return row.distance;
    case Column::Computed:
        if (row.set.task)
            return u"—"_s;
        return row.computedTenths ? tenthsText(*row.computedTenths, format) : QString();
    case Column::Answer:
        return row.answer;
    case Column::Verdict:
        return row.right ? u"Верно"_s : u"Неверно"_s;
    }
    return {};
}

} // namespace journal
