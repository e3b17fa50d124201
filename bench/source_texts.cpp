#include "source_texts.h"

#include "bench_state.h"
#include "bench_texts.h"
#include "lamp_spectra.h"
#include "task_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

QString featureName(LightSource source, int nm)
{
    if (source == LightSource::White)
        return nm <= kMinWavelength ? BenchTexts::tr("фиолетовая граница спектра")
                                    : BenchTexts::tr("красная граница спектра");
    return lineName(lampLineOf(source, nm));
}

const char *sourceHintSource(SourceHint hint)
{
    switch (hint) {
    case SourceHint::OffTheLine:
        return QT_TRANSLATE_NOOP("BenchTexts", "визир не на линии");
    case SourceHint::Arithmetic:
        return QT_TRANSLATE_NOOP("BenchTexts", "ошибка в вычислении");
    case SourceHint::OrderMissing:
        return QT_TRANSLATE_NOOP("BenchTexts", "введите порядок k от 1 до 8");
    case SourceHint::None:
        break;
    }
    return "";
}

QString sourceHintText(SourceHint hint)
{
    return hint == SourceHint::None ? QString() : BenchTexts::tr(sourceHintSource(hint));
}

QString sourceName(LightSource source)
{
    switch (source) {
    case LightSource::Mono:
        return BenchTexts::tr("Монохроматический");
    case LightSource::Mercury:
        return BenchTexts::tr("Лампа: ртутная");
    case LightSource::Sodium:
        return BenchTexts::tr("Лампа: натриевая");
    case LightSource::Hydrogen:
        return BenchTexts::tr("Лампа: водородная");
    case LightSource::Helium:
        return BenchTexts::tr("Лампа: гелиевая");
    case LightSource::Neon:
        return BenchTexts::tr("Лампа: неоновая");
    case LightSource::Cadmium:
        return BenchTexts::tr("Лампа: кадмиевая");
    case LightSource::White:
        return BenchTexts::tr("Белый свет");
    }
    return {};
}

QString lampLabelText(LightSource source)
{
    switch (source) {
    case LightSource::Mercury:
        return BenchTexts::tr("Ртутная лампа");
    case LightSource::Sodium:
        return BenchTexts::tr("Натриевая лампа");
    case LightSource::Hydrogen:
        return BenchTexts::tr("Водородная лампа");
    case LightSource::Helium:
        return BenchTexts::tr("Гелиевая лампа");
    case LightSource::Neon:
        return BenchTexts::tr("Неоновая лампа");
    case LightSource::Cadmium:
        return BenchTexts::tr("Кадмиевая лампа");
    case LightSource::Mono:
    case LightSource::White:
        break;
    }
    return {};
}

QString cursorName()
{
    return BenchTexts::tr("Визир");
}

QString cursorReading(const QString &distanceText)
{
    return BenchTexts::tr("визир y = %1 см").arg(distanceText);
}

QString sourceControlName()
{
    return BenchTexts::tr("Источник света");
}

} // namespace bench
