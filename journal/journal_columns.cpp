#include "journal_columns.h"

#include "decimal_text.h"
#include "journal_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace journal {

QString headerText(Column column)
{
    switch (column) {
    case Column::Number:
        return u"№"_s;
    case Column::Time:
        return JournalTexts::tr("Время");
    case Column::SetWavelength:
        return JournalTexts::tr("λ уст., нм");
    case Column::Grating:
        return JournalTexts::tr("d, 10⁻⁵ м");
    case Column::Order:
        return u"k"_s;
    case Column::Distance:
        return JournalTexts::tr("y, см");
    case Column::Computed:
        return JournalTexts::tr("λ по d и y, нм");
    case Column::Answer:
        return JournalTexts::tr("Ответ, нм");
    case Column::Verdict:
        return JournalTexts::tr("Результат");
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
            return JournalTexts::tr("%1, %2").arg(row.source->symbol, row.set.wavelength);
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
        return row.right ? JournalTexts::tr("Верно") : JournalTexts::tr("Неверно");
    }
    return {};
}

} // namespace journal
