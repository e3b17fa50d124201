#pragma once

#include "lamp_lines.h"
#include "light_source.h"

#include <span>

namespace bench {

// One visible line of a lamp as the bench draws it: its wavelength (one of
// the classroom lamps' lines) and its relative intensity, comparable only
// with the other lines of the same lamp.
struct SpectrumLine {
    int nm;
    int intensity;
};

// The lamp's lines, brightest first; empty for mono and white light.
std::span<const SpectrumLine> lampSpectrum(LightSource source);

// The classroom line of that wavelength and element (for its Russian name).
const LampLine &lampLineOf(LightSource source, int nm);

// How far a maximum of the line reaches left from the screen, in pixels:
// 80, as long as the central maximum, for the lamp's brightest line, and on a
// logarithmic scale below it (the eye judges brightness that way), never
// shorter than 16.
int lineLength(int intensity, int brightest);

} // namespace bench
