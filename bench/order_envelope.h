#pragma once

namespace bench {

// Each slit of the grating is this wide (4 um, 0,004 mm): its diffraction
// pattern is the envelope that dims the grating's higher orders.
constexpr double kSlitWidthUm = 4.0;

// The single slit's central lobe at y cm from the axis on the screen at the
// lens's focus (F = 50 cm), for light of nm: 1 on the axis, cos^2 down to its
// first zero at y = lambda * F / a (lambda / 80 cm for a = 4 um), and 0
// beyond, where the side lobes are too faint to draw. The monochrome bench's
// curve is this lobe drawn: one period of its cosine spans lambda rows.
double orderEnvelope(double nm, double yCm, double slitUm = kSlitWidthUm);

// Length in pixels of a maximum under the envelope, at most longest + 1, at
// least 1: the monochrome bench's maxima reach from its curve to the screen.
int maximumLength(double envelope, int longest);

} // namespace bench
