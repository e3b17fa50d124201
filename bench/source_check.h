#pragma once

#include "light_source.h"
#include "number_text.h"

#include <QString>

#include <optional>
#include <span>

namespace bench {

// Why an answer with a lamp or white light is wrong; the texts are in
// source_texts.h.
enum class SourceHint {
    None,
    OffTheLine,   // the cursor stands on no line (or edge) of that order
    Arithmetic,   // it does, but the answer is not what d, y and k give
    OrderMissing, // no order from 1 to 8 typed
};

// What the pupil measured with the cursor, as the fields show it.
struct CursorReadouts {
    QString grating;  // Ed_d, 1e-5 m
    QString distance; // Ed_ym: the cursor's read-out, cm
    QString order;    // Ed_k, as typed
    int cursorOffset; // rows above the axis
    double d_gr;      // where the bench draws its maxima
};

struct SourceJudgement {
    bool right = false;
    SourceHint hint = SourceHint::None;
    std::optional<int> feature; // nm of the line or edge the cursor is on
};

// The order typed into Ed_k: 1..8 in decimal digits, blanks around allowed.
std::optional<int> typedOrder(const QString &text);

// Right when the answer is one of formulaAnswers() from the read-outs (the
// small-angle or the exact formula, rounded down or up), and the small-angle
// lambda, which is how the bench places its maxima, is a real feature: a line of the lamp, or
// white light's violet (380 nm) or red (760 nm) edge. It is when it lies
// within one pixel's worth at that order (5*d/k nm), or when the cursor
// stands within a row of where that feature's maximum of order k is drawn,
// which the rounded read-outs can put a little further off at high orders.
// The measurement is judged first: a cursor off every feature gets that hint
// whatever the arithmetic.
SourceJudgement judgeSourceAnswer(const QString &answer, const CursorReadouts &shown, LightSource source,
    const NumberFormat &format);
// The same rule over any set of features, in nm: a task's one hidden line.
SourceJudgement judgeMeasuredAnswer(const QString &answer, const CursorReadouts &shown, std::span<const int> features,
    const NumberFormat &format);

} // namespace bench
