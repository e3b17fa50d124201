#pragma once

#include "number_text.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace bench {

// The read-outs of the bench as the pupil sees them when checking an answer.
struct ShownReadouts {
    QString wavelength; // Ed_mkm
    QString grating;    // Ed_d, in 1e-5 m
    QString distance;   // Ed_ym, in cm
    std::int32_t order; // the selected order, k_sel
};

// The answer is right when it is exactly the wavelength text, or (for an
// order other than 0) one of formulaAnswers(): the distance is shown with two
// decimals only, so an honest computation can miss the set wavelength by a
// nanometre or two.
bool answerIsRight(const QString &answer, const ShownReadouts &shown, const NumberFormat &format);

// lambda = d*y/(|k|*F) in nm from the shown grating constant and distance,
// as an exact fraction; none for order 0 or a text that is not a read-out.
struct ExactWavelength {
    unsigned __int128 numerator = 0;
    unsigned __int128 denominator = 1;
};
std::optional<ExactWavelength> formulaWavelength(const ShownReadouts &shown, const NumberFormat &format);

// The whole answers a sound method gives from the shown d, y and k: the
// school's small-angle form d*y/(|k|*F) and the exact d*sin(arctg(y/F))/|k|,
// each rounded down and up. The bench places its maxima by the small-angle
// form, so the two part by up to 0,5 % at the scale's end, several nm at high
// orders: a pupil who takes the exact formula is not wrong. Empty where
// formulaWavelength() gives none or nothing above 0.
std::vector<std::int64_t> formulaAnswers(const ShownReadouts &shown, const NumberFormat &format);

// The answer text is one of formulaAnswers(), written as IntToStr writes it.
bool formulaAccepts(const QString &answer, const ShownReadouts &shown, const NumberFormat &format);

// lambda = d*sin(arctg(y/F))/|k| in nm from the same read-outs.
std::optional<long double> exactFormulaWavelength(const ShownReadouts &shown, const NumberFormat &format);

// The verdict as the experiment screen and the journal show it.
QString verdictText(bool right);
// The same in Russian whatever the language: a pupil's result file records
// it, and the teacher's program compares the file's text with this one.
QString storedVerdictText(bool right);

} // namespace bench
