#include "lamp_spectra.h"

#include "bench_state.h"
#include "colorimetry.h"

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

// Air wavelengths and relative intensities of the neutral atoms' lines
// between 380 and 760 nm that a classroom discharge tube shows, as NIST lists
// them: the strong lines of the Handbook of Basic Atomic Spectroscopic Data
// (J. E. Sansonetti and W. C. Martin, J. Phys. Chem. Ref. Data 34, 1559
// (2005); NIST Standard Reference Database 108) and the Atomic Spectra
// Database. Wavelengths in tenths of a nanometre.
//
// NIST warns that relative intensities are qualitative, depend on the source
// and are mostly not corrected for the detector's spectral sensitivity; they
// have meaning only within one spectrum. Against an ASD line export (2016)
// cadmium's lines and 17 of neon's agree. ASD takes neon's 540.1 (20000),
// 717.4 and 724.5 (77000) from other observations: with them the green line
// would be neon's brightest to the eye, which no neon tube shows, so the
// Handbook's values stand. ASD has mercury on an older scale (404.7 and 435.8
// both 12000, 546.1 6000); either scale makes 546.1 the brightest to the eye
// and the glow bluish white.
constexpr SpectrumLine kMercury[] = {{4047, 1800}, {4078, 150}, {4358, 4000}, {4916, 80}, {5461, 1100}, {5770, 240},
    {5791, 280}};
constexpr SpectrumLine kSodium[] = {{5890, 80000}, {5896, 40000}};
constexpr SpectrumLine kHydrogen[] = {{4102, 15000}, {4340, 30000}, {4861, 80000}, {6563, 180000}};
constexpr SpectrumLine kHelium[] = {{3889, 500}, {4026, 50}, {4471, 200}, {4713, 30}, {4922, 20}, {5016, 100},
    {5048, 10}, {5876, 500}, {6678, 100}, {7065, 200}, {7281, 50}};
constexpr SpectrumLine kNeon[] = {{5401, 2000}, {5852, 20000}, {5882, 10000}, {5945, 10000}, {5976, 6000},
    {6030, 10000}, {6074, 10000}, {6096, 10000}, {6143, 10000}, {6164, 10000}, {6217, 10000}, {6266, 10000},
    {6334, 10000}, {6383, 10000}, {6402, 20000}, {6507, 15000}, {6599, 10000}, {6678, 5000}, {6717, 7000},
    {6929, 100000}, {7032, 85000}, {7174, 10000}, {7245, 10000}};
constexpr SpectrumLine kCadmium[] = {{4678, 200}, {4800, 300}, {5086, 1000}, {6438, 2000}};

struct Spectrum {
    LightSource source;
    std::span<const SpectrumLine> lines;
};

constexpr Spectrum kSpectra[] = {
    {LightSource::Mercury, kMercury},
    {LightSource::Sodium, kSodium},
    {LightSource::Hydrogen, kHydrogen},
    {LightSource::Helium, kHelium},
    {LightSource::Neon, kNeon},
    {LightSource::Cadmium, kCadmium},
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

// Every line lies on the strip, in order, each on a whole nanometre of its
// own (the check tells them apart by it), and every classroom line of the
// element that a task may hide is one of them.
static_assert([] {
    for (const Spectrum &s : kSpectra) {
        for (size_t i = 0; i < s.lines.size(); ++i) {
            const SpectrumLine &l = s.lines[i];
            if (l.wholeNm() < kMinWavelength || l.wholeNm() > kMaxWavelength || l.intensity <= 0)
                return false;
            if (i > 0 && l.wholeNm() <= s.lines[i - 1].wholeNm())
                return false;
        }
        for (const LampLine &task : kLampLines) {
            if (!sameText(task.symbol, sourceInfo(s.source).symbol))
                continue;
            if (std::none_of(s.lines.begin(), s.lines.end(),
                    [&](const SpectrumLine &l) { return l.wholeNm() == task.nm; }))
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

double brightness(const SpectrumLine &line)
{
    return line.intensity * luminousEfficiency(line.nm());
}

LampLine lampLineOf(LightSource source, int nm)
{
    const QStringView symbol = sourceInfo(source).symbol;
    for (const LampLine &line : kLampLines) {
        if (line.symbol == symbol)
            return {nm, line.element, line.symbol};
    }
    return {nm, {}, symbol};
}

int lineLength(double brightness, double brightest)
{
    constexpr int kLongest = 80;
    constexpr int kShortest = 16;
    if (!(brightest > 0) || !(brightness > 0))
        return kShortest;
    const double share = std::log10(1 + 9.0 * brightness / brightest);
    return std::max(kShortest, int(std::lround(kShortest + (kLongest - kShortest) * share)));
}

} // namespace bench
