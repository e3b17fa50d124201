#pragma once

#include "lamp_lines.h"
#include "light_source.h"

#include <span>

namespace bench {

// One visible line of a lamp as a school spectroscope shows it: its
// wavelength in air to a tenth of a nanometre and its relative intensity,
// comparable only with the other lines of the same lamp. The display's own
// table: kLampLines stays as the task keys need it.
struct SpectrumLine {
    int tenthsNm;
    int intensity;

    constexpr double nm() const { return tenthsNm / 10.0; }
    // Where the bench draws it and the check finds it: the whole nanometre,
    // as the monochrome bench would stand on it.
    constexpr int wholeNm() const { return (tenthsNm + 5) / 10; }
};

// The lamp's lines, shortest wavelength first; empty for mono and white light.
std::span<const SpectrumLine> lampSpectrum(LightSource source);

// How bright the eye finds the line: its intensity weighted by V(lambda).
double brightness(const SpectrumLine &line);

// The lamp's line of that whole wavelength, named as the answer key names a
// line (element and nm).
LampLine lampLineOf(LightSource source, int nm);

// How far a maximum of the line reaches left from the screen, in pixels:
// 80, as long as the central maximum, for the lamp's brightest line, and on a
// logarithmic scale below it (the eye judges brightness that way), never
// shorter than 16.
int lineLength(double brightness, double brightest);

} // namespace bench
