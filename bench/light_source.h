#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace bench {

// What lights the bench. Mono is the slider's one wavelength; a lamp gives
// its visible lines at once; white light every wavelength of the strip.
enum class LightSource { Mono, Mercury, Sodium, Hydrogen, Helium, Neon, Cadmium, White };

struct LightSourceInfo {
    LightSource source;
    QStringView key;    // on the command line and in the state JSON
    QStringView name;   // Russian; the interface shows sourceName() (source_texts.h)
    QStringView symbol; // in the wavelength field; empty for mono
};

// In the order the source control lists them.
inline constexpr std::array<LightSourceInfo, 8> kLightSources{{
    {LightSource::Mono, u"mono", u"Монохроматический", u""},
    {LightSource::Mercury, u"hg", u"Лампа: ртутная", u"Hg"},
    {LightSource::Sodium, u"na", u"Лампа: натриевая", u"Na"},
    {LightSource::Hydrogen, u"h", u"Лампа: водородная", u"H"},
    {LightSource::Helium, u"he", u"Лампа: гелиевая", u"He"},
    {LightSource::Neon, u"ne", u"Лампа: неоновая", u"Ne"},
    {LightSource::Cadmium, u"cd", u"Лампа: кадмиевая", u"Cd"},
    {LightSource::White, u"white", u"Белый свет", u""},
}};

constexpr const LightSourceInfo &sourceInfo(LightSource source)
{
    return kLightSources[size_t(source)];
}
constexpr bool isLamp(LightSource source)
{
    return source != LightSource::Mono && source != LightSource::White;
}

static_assert([] {
    for (size_t i = 0; i < kLightSources.size(); ++i) {
        if (size_t(kLightSources[i].source) != i)
            return false;
    }
    return true;
}());

// The source of a command-line key ("hg"), exactly as listed.
std::optional<LightSource> sourceOfKey(QStringView key);

// "mono|white|hg|na|h|he|ne|cd", for usage texts.
QString sourceKeys();

} // namespace bench
