#include "bench_reading.h"

#include "bench_session.h"
#include "bench_texts.h"
#include "source_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

namespace {

QString selectedMaximum(const QString &orderText, const QString &distanceText)
{
    if (orderText == u"0"_s)
        return BenchTexts::tr("выбран центральный максимум");
    return distanceText.startsWith(u'-')
        ? BenchTexts::tr("выбран максимум %1-го порядка под осью").arg(orderText)
        : BenchTexts::tr("выбран максимум %1-го порядка над осью").arg(orderText);
}

// With a lamp, white light or in a task nothing is selected: the cursor
// measures, and the order is the pupil's own. A task's lamp is not named.
QString measuredReading(const BenchSession &session)
{
    const QString reading = BenchTexts::tr("d = %1; %2")
                                .arg(session.text(TextField::Grating),
                                    cursorReading(session.text(TextField::Distance)));
    const QString k = session.text(TextField::Order).trimmed();
    return k.isEmpty() ? reading : BenchTexts::tr("%1, k = %2").arg(reading, k);
}

} // namespace

QString benchReading(const BenchSession &session, WavelengthInReading wavelength)
{
    if (session.task())
        return measuredReading(session);
    if (session.source() != LightSource::Mono)
        return BenchTexts::tr("%1; %2").arg(sourceName(session.source()), measuredReading(session));
    const QString grating = session.text(TextField::Grating);
    const QString distance = session.text(TextField::Distance);
    const QString selected = selectedMaximum(session.text(TextField::Order), distance);
    QString reading = wavelength == WavelengthInReading::Told
        ? BenchTexts::tr("Длина волны %1 нм, d = %2; %3, y = %4 см")
              .arg(session.text(TextField::Wavelength), grating, selected, distance)
        : BenchTexts::tr("d = %1; %2, y = %3 см").arg(grating, selected, distance);
    if (!session.cursorShown())
        return reading;
    return BenchTexts::tr("%1; %2").arg(reading, cursorReading(session.cursorText()));
}

QString gratingLabelReading(const BenchSession &session)
{
    return BenchTexts::tr("d = %1 · 10⁻⁵ м").arg(session.text(TextField::Grating));
}

QString wavelengthLabelReading(const BenchSession &session, WavelengthInReading wavelength)
{
    if (session.source() != LightSource::Mono)
        return BenchTexts::tr("λ: %1").arg(sourceName(session.source()));
    const QString value = wavelength == WavelengthInReading::Told ? session.text(TextField::Wavelength) : u"?"_s;
    return BenchTexts::tr("λ = %1 нм").arg(value);
}

QString distanceLabelReading(const BenchSession &session)
{
    return BenchTexts::tr("y = %1 см, k = %2").arg(session.text(TextField::Distance), session.text(TextField::Order));
}

} // namespace bench
