// The bench session with a lamp or white light, and the measuring cursor.
#include "bench_session.h"

#include "measuring_cursor.h"
#include "quantities.h"

using namespace Qt::Literals::StringLiterals;

namespace bench {

ActionResult BenchSession::setSource(LightSource source) noexcept
{
    if (task_ || source == source_)
        return std::nullopt;
    stopRepetitions();
    state_.fl_drag = false;
    state_.fl_stop = 0;
    source_ = source;
    // A verdict and its hint speak of the light they judged: a new light
    // starts a new check, as the button's reset does.
    if (checkButton_ == CheckButton::Reset) {
        write(TextField::Answer, QString());
        checkButton_ = CheckButton::Check;
        verdict_ = Verdict::None;
    }
    sourceJudgement_ = {};
    if (source == LightSource::Mono) {
        // The slider never moved meanwhile: its wavelength comes back, and
        // the render writes the distance and order of the selected maximum.
        write(TextField::Wavelength, IntToStr(wavelength()));
    } else {
        const QStringView symbol = sourceInfo(source).symbol;
        write(TextField::Wavelength, symbol.isEmpty() ? u"—"_s : symbol.toString());
        write(TextField::Order, QString());
    }
    return finish(paint_st());
}

ActionResult BenchSession::showCursor(bool shown) noexcept
{
    if (shown == cursorOn_)
        return std::nullopt;
    cursorOn_ = shown;
    return finish(paint_st());
}

ActionResult BenchSession::moveCursorTo(int offset) noexcept
{
    const int clamped = clampCursor(offset);
    if (clamped == cursor_)
        return std::nullopt;
    cursor_ = clamped;
    if (!cursorShown())
        return std::nullopt;
    return finish(paint_st());
}

QString BenchSession::cursorText() const
{
    return bench::cursorText(cursor_, format_);
}

Verdict BenchSession::judgeSource()
{
    const CursorReadouts shown{text(TextField::Grating), text(TextField::Distance), text(TextField::Order), cursor_,
        state_.d_gr};
    sourceJudgement_ = judgeSourceAnswer(text(TextField::Answer), shown, source_, format_);
    return sourceJudgement_.right ? Verdict::Right : Verdict::Wrong;
}

} // namespace bench
