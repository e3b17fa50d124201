#include "bench_session.h"

#include "answer_check.h"
#include "quantities.h"
#include "scale_rule.h"
#include "spectrum.h"
#include "wavelength_slider.h"

#include <algorithm>

namespace bench {

namespace {

constexpr int kArrowDelayMs = 100;
constexpr int kArrowRepeatMs = 100;
constexpr int kSpinnerDelayMs = 400;
constexpr int kSpinnerRepeatMs = 100;
// Where a drag to a wavelength grips the slider: at its needle.
constexpr int kSliderGrip = 2;

} // namespace

// The renderer's view of the session: the fields and places it owns.
class BenchSession::Bindings final : public SceneBindings {
public:
    explicit Bindings(BenchSession &session) : s_(session) {}

    QString wavelengthText() const override
    {
        // In a task the field hides the wavelength; the lamp sets it.
        return s_.task_ ? IntToStr(s_.task_->lampLine().nm) : s_.text(TextField::Wavelength);
    }
    // In a task the maxima's distance stays with the renderer: the field shows
    // the cursor's read-out and the order field is the pupil's.
    QString distanceText() const override { return s_.task_ ? hiddenDistance_ : s_.text(TextField::Distance); }
    void setDistanceText(const QString &text) override
    {
        if (s_.task_)
            hiddenDistance_ = text;
        else
            s_.write(TextField::Distance, text);
    }
    void setOrderText(const QString &text) override
    {
        if (!s_.task_)
            s_.write(TextField::Order, text);
    }
    QPoint sliderTopLeft() const override { return s_.sliderTopLeft(); }
    QPoint stripTopLeft() const override { return kStripTopLeft; }
    void setTargetRect(int index, const QRect &rect) override { s_.targets_[size_t(index)] = rect; }
    void setArcUpVisible(bool visible) override { s_.arcUpVisible_ = visible; }
    void setArcDownVisible(bool visible) override { s_.arcDownVisible_ = visible; }
    void setPhiTop(int top) override { s_.phiTop_ = top; }

private:
    BenchSession &s_;
    QString hiddenDistance_;
};

BenchSession::BenchSession(ScenePictures pictures, NumberFormat format, Clock &clock, QObject *parent)
    : QObject(parent),
      format_(format),
      scene_(std::move(pictures), format),
      bindings_(std::make_unique<Bindings>(*this))
{
    texts_[size_t(TextField::Wavelength)] = IntToStr(wavelength());
    // The form's "1,0", in the user's decimal mark, until the first step.
    texts_[size_t(TextField::Grating)] = QStringLiteral("1") + format_.decimalSeparator + QStringLiteral("0");

    for (const Arrow arrow : {Arrow::Left, Arrow::Right}) {
        ArrowHold &h = hold(arrow);
        h.delay = clock.makeTimer(true);
        h.delay->timeout = [this, arrow] {
            if (hold(arrow).held)
                repeatTimer(arrow).start(kArrowRepeatMs);
        };
    }
    Timer_l = clock.makeTimer(false);
    Timer_l->timeout = [this] { arrowTick(Arrow::Left); };
    Timer_r = clock.makeTimer(false);
    Timer_r->timeout = [this] { arrowTick(Arrow::Right); };

    spinnerDelay_ = clock.makeTimer(true);
    spinnerDelay_->timeout = [this] {
        spinnerRepeat_->start(kSpinnerRepeatMs);
        spinnerTick();
    };
    spinnerRepeat_ = clock.makeTimer(false);
    spinnerRepeat_->timeout = [this] { spinnerTick(); };

    paint_st();
}

BenchSession::~BenchSession() = default;

void BenchSession::write(TextField field, const QString &text)
{
    texts_[size_t(field)] = text;
    ++writes_[size_t(field)];
}

ActionResult BenchSession::paint_st()
{
    ++renders_;
    ActionResult result;
    try {
        if (source_ == LightSource::Mono)
            scene_.paint_st(state_, *bindings_);
        else
            scene_.paintSource(state_, *bindings_, source_, cursor_);
    } catch (const EConvertError &error) {
        // Nothing may repeat behind the error box.
        stopRepetitions();
        result = error.message();
    }
    if (task_)
        write(TextField::Distance, cursorText());
    // Over whatever was drawn, failed render or not: the pupil turned it on.
    if (cursorShown())
        scene_.drawCursor(state_.y_os, cursor_);
    return result;
}

void BenchSession::stopRepetitions()
{
    for (const Arrow arrow : {Arrow::Left, Arrow::Right}) {
        ArrowHold &h = hold(arrow);
        h.held = false;
        h.looksPressed = false;
        h.delay->stop();
        repeatTimer(arrow).stop();
    }
    stopSpinner();
}

ActionResult BenchSession::finish(ActionResult result)
{
    emit changed();
    if (result)
        emit conversionFailed(*result);
    return result;
}

TColor BenchSession::lightColour() const
{
    if (source_ != LightSource::Mono)
        return sourceColour(source_);
    return spektr_color_at(scene_.strip(), sliderTopLeft(), kStripTopLeft);
}

// ---- slider ----

void BenchSession::Img_vizirMouseDown(int x) noexcept
{
    if (wavelengthLocked())
        return;
    state_.fl_drag = true;
    state_.x_drag = x;
    emit changed();
}

ActionResult BenchSession::Img_vizirMouseMove(int x) noexcept
{
    if (!state_.fl_drag || wavelengthLocked())
        return std::nullopt;
    // x is measured from where the slider stands now, so the grip stays put.
    return finish(setSliderLeft(clampSliderLeft(sliderTopLeft().x() + x - state_.x_drag)));
}

void BenchSession::Img_vizirMouseUp() noexcept
{
    if (wavelengthLocked())
        return;
    state_.fl_drag = false;
    emit changed();
}

ActionResult BenchSession::dragSliderTo(int nm) noexcept
{
    if (wavelengthLocked())
        return std::nullopt;
    const int wanted = sliderLeftForWavelength(nm);
    Img_vizirMouseDown(kSliderGrip);
    ActionResult result = Img_vizirMouseMove(kSliderGrip + wanted - sliderTopLeft().x());
    Img_vizirMouseUp();
    return result;
}

ActionResult BenchSession::setSliderLeft(int left)
{
    state_.dl_ofs = offsetOfSlider(left);
    write(TextField::Wavelength, task_ ? QStringLiteral("?") : IntToStr(wavelength()));
    return paint_st();
}

// ---- arrows ----

void BenchSession::arrowPress(Arrow arrow) noexcept
{
    if (wavelengthLocked())
        return;
    ArrowHold &h = hold(arrow);
    h.looksPressed = true;
    h.held = true;
    if (state_.fl_stop == 0)
        h.delay->start(kArrowDelayMs);
    emit changed();
}

ActionResult BenchSession::arrowClick(Arrow arrow) noexcept
{
    if (wavelengthLocked())
        return std::nullopt;
    return finish(stepWavelength(arrow, false));
}

void BenchSession::arrowRelease(Arrow arrow) noexcept
{
    // Any release ends the repeat: the arrow gets every release of a press it
    // took, whichever button and wherever the pointer is.
    if (task_)
        return;
    ArrowHold &h = hold(arrow);
    h.looksPressed = false;
    state_.fl_stop = 0;
    h.held = false;
    h.delay->stop();
    repeatTimer(arrow).stop();
    emit changed();
}

void BenchSession::arrowTick(Arrow arrow) noexcept
{
    finish(stepWavelength(arrow, true));
}

bool BenchSession::arrowRepeating(Arrow arrow) const
{
    return hold(arrow).delay->isActive() || repeatTimer(arrow).isActive();
}

ActionResult BenchSession::stepWavelength(Arrow arrow, bool repeating)
{
    const ArrowStep step = arrowStep(sliderTopLeft().x(), arrow == Arrow::Left ? -1 : +1);
    if (step.ranIntoEnd && repeating) {
        state_.fl_stop = 2;
        repeatTimer(arrow).stop();
    }
    return setSliderLeft(step.left);
}

// ---- spinner ----

void BenchSession::spinnerPress(SpinPart part) noexcept
{
    spinnerHeld_ = part;
    spinnerOver_ = part != SpinPart::None;
    spinnerRepeat_->stop();
    if (part != SpinPart::None)
        spinnerDelay_->start(kSpinnerDelayMs);
    emit changed();
}

void BenchSession::spinnerMove(SpinPart under) noexcept
{
    if (spinnerHeld_ == SpinPart::None)
        return;
    // Off the button the repetition is suspended, back over it it resumes.
    const bool over = under == spinnerHeld_;
    if (over != spinnerOver_) {
        spinnerOver_ = over;
        emit changed();
    }
}

ActionResult BenchSession::spinnerRelease(SpinPart under) noexcept
{
    if (spinnerHeld_ == SpinPart::None)
        return std::nullopt;
    const SpinPart part = spinnerHeld_;
    stopSpinner();
    if (under != part) {
        emit changed();
        return std::nullopt;
    }
    return finish(gratingStep(part));
}

void BenchSession::spinnerCancel() noexcept
{
    if (spinnerHeld_ == SpinPart::None)
        return;
    stopSpinner();
    emit changed();
}

void BenchSession::spinnerTick() noexcept
{
    if (spinnerOver_)
        finish(gratingStep(spinnerHeld_));
}

void BenchSession::stopSpinner()
{
    spinnerDelay_->stop();
    spinnerRepeat_->stop();
    spinnerHeld_ = SpinPart::None;
    spinnerOver_ = false;
}

bool BenchSession::spinnerRepeating() const
{
    return spinnerDelay_->isActive() || spinnerRepeat_->isActive();
}

ActionResult BenchSession::SpinButton1UpClick() noexcept
{
    return finish(gratingStep(SpinPart::Up));
}

ActionResult BenchSession::SpinButton1DownClick() noexcept
{
    return finish(gratingStep(SpinPart::Down));
}

ActionResult BenchSession::gratingStep(SpinPart part)
{
    if (part == SpinPart::None)
        return std::nullopt;
    state_.d_gr = part == SpinPart::Up ? gratingStepUp(state_.d_gr) : gratingStepDown(state_.d_gr);
    write(TextField::Grating, FloatToStrGeneral(state_.d_gr, format_));
    return paint_st();
}

// ---- order targets, fields, answer ----

ActionResult BenchSession::selectOrder(int k) noexcept
{
    if (source_ != LightSource::Mono)
        return std::nullopt;
    state_.k_sel = k;
    return finish(paint_st());
}

bool BenchSession::orderSelectable(int k) const
{
    return source_ == LightSource::Mono && k >= -kMaxOrder && k <= kMaxOrder
        && orderStaysSelected(k, text(TextField::Wavelength), state_.d_gr, format_);
}

std::optional<int> BenchSession::nextSelectableOrder(int step) const
{
    if (step == 0)
        return std::nullopt;
    for (int k = state_.k_sel + step; k >= -kMaxOrder && k <= kMaxOrder; k += step) {
        if (orderSelectable(k))
            return k;
    }
    return std::nullopt;
}

void BenchSession::typeText(TextField field, const QString &text) noexcept
{
    if (wavelengthLocked() && field == TextField::Wavelength)
        return;
    // The cursor's read-out is measured, not typed.
    if ((task_ || source_ != LightSource::Mono) && field == TextField::Distance)
        return;
    texts_[size_t(field)] = text;
    emit changed();
}

void BenchSession::Button6Click() noexcept
{
    if (checkButton_ == CheckButton::Reset) {
        write(TextField::Answer, QString());
        checkButton_ = CheckButton::Check;
        verdict_ = Verdict::None;
        emit changed();
        return;
    }
    const ShownReadouts shown{text(TextField::Wavelength), text(TextField::Grating), text(TextField::Distance),
        state_.k_sel};
    if (task_)
        verdict_ = judgeTask();
    else if (source_ != LightSource::Mono)
        verdict_ = judgeSource();
    else
        verdict_ = answerIsRight(text(TextField::Answer), shown, format_) ? Verdict::Right : Verdict::Wrong;
    checkButton_ = CheckButton::Reset;
    emit changed();
    emit answerJudged();
}

} // namespace bench
