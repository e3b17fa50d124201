#pragma once

#include "raster.h"

#include <span>

namespace bench {

// The CIE 1931 standard observer (2 degrees): x-bar, y-bar, z-bar of one
// wavelength. y-bar is the CIE 1924 photopic luminosity function V(lambda).
struct Tristimulus {
    double X = 0, Y = 0, Z = 0;
};

// Tabulated every 5 nm from 380 to 780 nm and interpolated linearly between;
// zero outside that range, where the eye sees nothing.
Tristimulus colourMatching(double nm);

// V(lambda): how bright the eye finds a watt of that wavelength, 1 at 555 nm.
double luminousEfficiency(double nm);

// One emission line: its wavelength and its power in any unit shared by the
// lines it is mixed with.
struct EmissionLine {
    double nm;
    double power;
};

// The colour of the lines' light mixed, as a display shows it: XYZ, then
// linear sRGB (D65); a colour outside the sRGB gamut is brought in by adding
// white, which keeps its hue; then the brightest channel is scaled to full
// and the sRGB transfer curve applied. Black for no light.
TColor mixedColour(std::span<const EmissionLine> lines);

} // namespace bench
