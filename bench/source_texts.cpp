#include "source_texts.h"

#include "bench_state.h"
#include "lamp_spectra.h"
#include "task_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

QString featureName(LightSource source, int nm)
{
    if (source == LightSource::White)
        return nm <= kMinWavelength ? u"фиолетовая граница спектра"_s : u"красная граница спектра"_s;
    return lineName(lampLineOf(source, nm));
}

QString sourceHintText(SourceHint hint)
{
    switch (hint) {
    case SourceHint::OffTheLine:
        return u"визир не на линии"_s;
    case SourceHint::Arithmetic:
        return u"ошибка в вычислении"_s;
    case SourceHint::OrderMissing:
        return u"введите порядок k от 1 до 8"_s;
    case SourceHint::None:
        break;
    }
    return {};
}

QString lampLabelText(LightSource source)
{
    switch (source) {
    case LightSource::Mercury:
        return u"Ртутная лампа"_s;
    case LightSource::Sodium:
        return u"Натриевая лампа"_s;
    case LightSource::Hydrogen:
        return u"Водородная лампа"_s;
    case LightSource::Helium:
        return u"Гелиевая лампа"_s;
    case LightSource::Neon:
        return u"Неоновая лампа"_s;
    case LightSource::Cadmium:
        return u"Кадмиевая лампа"_s;
    case LightSource::Mono:
    case LightSource::White:
        break;
    }
    return {};
}

QString cursorName()
{
    return u"Визир"_s;
}

QString cursorReading(const QString &distanceText)
{
    return u"визир y = "_s + distanceText + u" см"_s;
}

QString sourceControlName()
{
    return u"Источник света"_s;
}

} // namespace bench
