#pragma once

#include "bench_state.h"

#include <QPoint>

#include <algorithm>

namespace bench {

// The slider's left edge on the spectrum strip is the wavelength: 316 is
// 380 nm, every pixel to the right one more nanometre, 696 is 760 nm.
constexpr int kSliderLeftMin = 316;
constexpr int kSliderLeftMax = kSliderLeftMin + kMaxOffset;

// Where the slider and the strip under it stand in their group box. The
// strip starts where the slider's left edge reads 380 nm.
constexpr int kSliderTop = 25;
constexpr QPoint kStripTopLeft{kSliderLeftMin, 17};
constexpr QPoint sliderTopLeftAt(std::int32_t dl_ofs)
{
    return {kSliderLeftMin + dl_ofs, kSliderTop};
}

constexpr int clampSliderLeft(int left)
{
    return std::clamp(left, kSliderLeftMin, kSliderLeftMax);
}

constexpr std::int32_t offsetOfSlider(int left)
{
    return left - kSliderLeftMin;
}

// Where the slider's left edge stands for the wavelength nm, on the strip.
constexpr int sliderLeftForWavelength(long long nm)
{
    return int(std::clamp<long long>(kSliderLeftMin + nm - kMinWavelength, kSliderLeftMin, kSliderLeftMax));
}

// One arrow step of `delta` pixels; a step past either end stays at that end
// and reports it, which is what stops an arrow's auto-repeat.
struct ArrowStep {
    int left;
    bool ranIntoEnd;
};

constexpr ArrowStep arrowStep(int left, int delta)
{
    const int moved = left + delta;
    const int clamped = clampSliderLeft(moved);
    return {clamped, clamped != moved};
}

} // namespace bench
