#include "bench_reading.h"

#include "bench_session.h"
#include "source_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

namespace {

QString selectedMaximum(const QString &orderText, const QString &distanceText)
{
    if (orderText == u"0"_s)
        return u"выбран центральный максимум"_s;
    const QString side = distanceText.startsWith(u'-') ? u"под осью"_s : u"над осью"_s;
    return u"выбран максимум "_s + orderText + u"-го порядка "_s + side;
}

// With a lamp, white light or in a task nothing is selected: the cursor
// measures, and the order is the pupil's own. A task's lamp is not named.
QString measuredReading(const BenchSession &session)
{
    QString reading = u"d = "_s + session.text(TextField::Grating) + u"; "_s;
    reading += cursorReading(session.text(TextField::Distance));
    if (const QString k = session.text(TextField::Order).trimmed(); !k.isEmpty())
        reading += u", k = "_s + k;
    return reading;
}

} // namespace

QString benchReading(const BenchSession &session, WavelengthInReading wavelength)
{
    if (session.task())
        return measuredReading(session);
    if (session.source() != LightSource::Mono)
        return sourceInfo(session.source()).name.toString() + u"; "_s + measuredReading(session);
    QString reading;
    if (wavelength == WavelengthInReading::Told)
        reading = u"Длина волны "_s + session.text(TextField::Wavelength) + u" нм, "_s;
    reading += u"d = "_s + session.text(TextField::Grating) + u"; "_s;
    reading += selectedMaximum(session.text(TextField::Order), session.text(TextField::Distance));
    reading += u", y = "_s + session.text(TextField::Distance) + u" см"_s;
    if (session.cursorShown())
        reading += u"; "_s + cursorReading(session.cursorText());
    return reading;
}

QString gratingLabelReading(const BenchSession &session)
{
    return u"d = "_s + session.text(TextField::Grating) + u" · 10⁻⁵ м"_s;
}

QString wavelengthLabelReading(const BenchSession &session, WavelengthInReading wavelength)
{
    if (session.source() != LightSource::Mono)
        return u"λ: "_s + sourceInfo(session.source()).name.toString();
    const QString value = wavelength == WavelengthInReading::Told ? session.text(TextField::Wavelength) : u"?"_s;
    return u"λ = "_s + value + u" нм"_s;
}

QString distanceLabelReading(const BenchSession &session)
{
    return u"y = "_s + session.text(TextField::Distance) + u" см, k = "_s + session.text(TextField::Order);
}

} // namespace bench
