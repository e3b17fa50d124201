#pragma once

#include <QString>

namespace bench {

class BenchSession;

// Whether a reading may tell the wavelength: a task that asks the pupil to
// find it must not give it away.
enum class WavelengthInReading { Told, Hidden };

// The bench as a screen reader speaks it, from the read-outs the screen
// shows: "Длина волны 595 нм, d = 2; выбран максимум 2-го порядка над осью,
// y = 2,97 см". Above or below the axis is the sign of the shown distance,
// as the angle arc shows it.
QString benchReading(const BenchSession &session, WavelengthInReading wavelength = WavelengthInReading::Told);

// The labels whose runs of blanks leave room for the fields over them, read
// with those fields' texts in place: "d = 1,0 · 10⁻⁵ м", "λ = 380 нм",
// "y = 2,97 см, k = 2". A hidden wavelength reads "λ = ? нм".
QString gratingLabelReading(const BenchSession &session);
QString wavelengthLabelReading(const BenchSession &session, WavelengthInReading wavelength = WavelengthInReading::Told);
QString distanceLabelReading(const BenchSession &session);

} // namespace bench
