#pragma once

#include "number_text.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace bench {

// The read-outs of the bench as the pupil sees them when checking an answer.
struct ShownReadouts {
    QString wavelength; // Ed_mkm
    QString grating;    // Ed_d, in 1e-5 m
    QString distance;   // Ed_ym, in cm
    std::int32_t order; // the selected order, k_sel
};

// The answer is right when it is exactly the wavelength text, or (for an
// order other than 0) the wavelength the pupil's formula lambda = d*y/(|k|*F)
// gives from the shown grating constant and distance, rounded down or up to
// a whole nanometre: the distance is shown with two decimals only, so an
// honest computation can miss the set wavelength by a nanometre or two.
bool answerIsRight(const QString &answer, const ShownReadouts &shown, const NumberFormat &format);

// lambda = d*y/(|k|*F) in nm from the shown grating constant and distance,
// as an exact fraction; none for order 0 or a text that is not a read-out.
struct ExactWavelength {
    unsigned __int128 numerator = 0;
    unsigned __int128 denominator = 1;
};
std::optional<ExactWavelength> formulaWavelength(const ShownReadouts &shown, const NumberFormat &format);

// The verdict as the experiment screen shows it, the journal keeps it and a
// pupil's result file records it; the teacher's program compares the file's
// text with this one.
QString verdictText(bool right);

} // namespace bench
