#include "light_source.h"

#include <QStringList>

namespace bench {

std::optional<LightSource> sourceOfKey(QStringView key)
{
    for (const LightSourceInfo &info : kLightSources) {
        if (key == info.key)
            return info.source;
    }
    return std::nullopt;
}

QString sourceKeys()
{
    // Mono and white first: the two that are not lamps.
    QStringList keys{sourceInfo(LightSource::Mono).key.toString(), sourceInfo(LightSource::White).key.toString()};
    for (const LightSourceInfo &info : kLightSources) {
        if (isLamp(info.source))
            keys << info.key.toString();
    }
    return keys.join(u'|');
}

} // namespace bench
