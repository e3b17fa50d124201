#include "lamp_spectra.h"

#include <cmath>

namespace bench {

namespace {

// Relative intensities of the lines in air as NIST lists them for the
// neutral atoms (NIST Atomic Spectra Database, "Strong Lines" / persistent
// lines of the Handbook of Basic Atomic Spectroscopic Data, J. E. Sansonetti
// and W. C. Martin, J. Phys. Chem. Ref. Data 34, 1559 (2005)). Wavelengths
// are the classroom lamps' lines of lamp_lines.h, to the whole nanometre.
constexpr SpectrumLine kMercury[] = {{436, 4000}, {405, 1800}, {546, 1100}, {579, 280}, {577, 240}};
constexpr SpectrumLine kSodium[] = {{589, 80000}, {590, 40000}};
constexpr SpectrumLine kHydrogen[] = {{656, 180000}, {486, 80000}, {434, 30000}, {410, 15000}};
constexpr SpectrumLine kHelium[] = {{588, 500}, {447, 200}, {502, 100}, {668, 100}, {707, 50}, {471, 30}, {492, 20}};
constexpr SpectrumLine kNeon[] = {{703, 85000}, {585, 20000}, {640, 20000}};
constexpr SpectrumLine kCadmium[] = {{644, 2000}, {509, 1000}, {480, 300}};

struct Spectrum {
    LightSource source;
    std::span<const SpectrumLine> lines;
    QStringView symbol; // of its lines in kLampLines
};

constexpr Spectrum kSpectra[] = {
    {LightSource::Mercury, kMercury, u"Hg"},
    {LightSource::Sodium, kSodium, u"Na"},
    {LightSource::Hydrogen, kHydrogen, u"H"},
    {LightSource::Helium, kHelium, u"He"},
    {LightSource::Neon, kNeon, u"Ne"},
    {LightSource::Cadmium, kCadmium, u"Cd"},
};

// QStringView's own comparison is not constexpr in Qt 6.4.
constexpr bool sameText(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// An index rather than a pointer: a sanitizer build does not take a
// pointer's comparison with null as a constant expression.
constexpr int lampLineIndex(QStringView symbol, int nm)
{
    for (int i = 0; i < kLampLineCount; ++i) {
        if (kLampLines[size_t(i)].nm == nm && sameText(kLampLines[size_t(i)].symbol, symbol))
            return i;
    }
    return -1;
}

// Every line drawn is a classroom line of its element, and a lamp shows all
// of its element's classroom lines, brightest first.
static_assert([] {
    for (const Spectrum &s : kSpectra) {
        if (!sameText(s.symbol, sourceInfo(s.source).symbol))
            return false;
        int count = 0;
        for (const LampLine &line : kLampLines)
            count += sameText(line.symbol, s.symbol) ? 1 : 0;
        if (count != int(s.lines.size()))
            return false;
        for (size_t i = 0; i < s.lines.size(); ++i) {
            if (lampLineIndex(s.symbol, s.lines[i].nm) < 0 || s.lines[i].intensity <= 0)
                return false;
            if (i > 0 && s.lines[i].intensity > s.lines[i - 1].intensity)
                return false;
        }
    }
    return true;
}());

} // namespace

std::span<const SpectrumLine> lampSpectrum(LightSource source)
{
    for (const Spectrum &s : kSpectra) {
        if (s.source == source)
            return s.lines;
    }
    return {};
}

const LampLine &lampLineOf(LightSource source, int nm)
{
    const int index = lampLineIndex(sourceInfo(source).symbol, nm);
    return kLampLines[size_t(index < 0 ? 0 : index)];
}

int lineLength(int intensity, int brightest)
{
    constexpr int kLongest = 80;
    constexpr int kShortest = 16;
    if (brightest <= 0 || intensity <= 0)
        return kShortest;
    const double share = std::log10(1 + 9.0 * double(intensity) / double(brightest));
    return std::max(kShortest, int(std::lround(kShortest + (kLongest - kShortest) * share)));
}

} // namespace bench
