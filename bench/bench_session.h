#pragma once

#include "bench_state.h"
#include "clock.h"
#include "light_source.h"
#include "number_text.h"
#include "order_targets.h"
#include "quantities.h"
#include "raster.h"
#include "scene.h"
#include "source_check.h"
#include "task_check.h"
#include "task_code.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace bench {

// The texts of the experiment screen's fields.
enum class TextField {
    Wavelength, // Ed_mkm, read by the renderer
    Grating,    // Ed_d, written by the spinner, never read back
    Distance,   // Ed_ym, written by the renderer
    Order,      // Ed_k, written by the renderer
    Answer,     // Edit5
};
constexpr int kTextFieldCount = 5;

enum class Arrow { Left, Right };       // Img_dl_dn, Img_dl_up
enum class SpinPart { None, Up, Down }; // the spinner's two buttons

// What the next press of the answer button does.
enum class CheckButton { Check, Reset };
enum class Verdict { None, Right, Wrong };

// What a pupil's action ended with: nothing, or the message of the conversion
// error that stopped its render.
using ActionResult = std::optional<QString>;

// The bench as the pupil works it: the state, the scene, every read-out and
// the hold of the arrows and the spinner. Every front end (the window, the
// keyboard, the accessibility bus, the render mode, the tests) calls these
// actions; none re-implements them. After an action that changed anything
// shown, changed() is emitted; a failed render also emits conversionFailed()
// after every repetition has been stopped. No action throws.
class BenchSession : public QObject {
    Q_OBJECT

public:
    // Renders once, as the window does before it is first shown.
    BenchSession(ScenePictures pictures, NumberFormat format, Clock &clock, QObject *parent = nullptr);
    ~BenchSession() override;

    // The slider: x is measured from the slider's current left edge.
    void Img_vizirMouseDown(int x) noexcept;
    ActionResult Img_vizirMouseMove(int x) noexcept;
    void Img_vizirMouseUp() noexcept;
    // A drag of the slider, gripped at its needle, that ends at the wavelength
    // nm (clamped to the strip): one render.
    ActionResult dragSliderTo(int nm) noexcept;

    // The arrows: press, the Click of a completed left click, release.
    // A press starts the auto-repeat after a delay; the release ends it.
    void arrowPress(Arrow arrow) noexcept;
    ActionResult arrowClick(Arrow arrow) noexcept;
    void arrowRelease(Arrow arrow) noexcept;
    ActionResult Img_dl_dnClick() noexcept { return arrowClick(Arrow::Left); }

    // The spinner held with the left button: a press steps nothing; the held
    // button steps 400 ms after the press, then every 100 ms while the
    // pointer is over it, and once more when released over it.
    void spinnerPress(SpinPart part) noexcept;
    void spinnerMove(SpinPart under) noexcept;
    ActionResult spinnerRelease(SpinPart under) noexcept;
    void spinnerCancel() noexcept; // the spinner went away: no step
    // One step of the grating constant and a render.
    ActionResult SpinButton1UpClick() noexcept;
    ActionResult SpinButton1DownClick() noexcept;

    // A click on the target of order k (-8..8): Img0, Img1u .. Img8u, Img1d .. Img8d.
    ActionResult selectOrder(int k) noexcept;
    // Whether selecting order k now keeps it (no fall-back to order 1): the
    // renderer's own rule, for the wavelength text it will read.
    bool orderSelectable(int k) const;
    // The nearest selectable order past k_sel in the direction of step (+1
    // up the screen, -1 down), none beyond the last one.
    std::optional<int> nextSelectableOrder(int step) const;

    // The pupil edited a field. Nothing renders.
    void typeText(TextField field, const QString &text) noexcept;

    // Button6: judge the answer, or reset the check.
    void Button6Click() noexcept;

    // Passes of paint_st so far, failed ones included.
    unsigned renders() const { return renders_; }

    const TBenchState &state() const { return state_; }
    // The wavelength the slider stands at, in nm (in a task, the lamp's line).
    std::int32_t wavelength() const { return bench::wavelength(state_); }
    const BenchScene &scene() const { return scene_; }
    BenchScene &scene() { return scene_; }
    const NumberFormat &format() const { return format_; }

    QString text(TextField field) const { return texts_[size_t(field)]; }
    // Counts the program's writes into a field (a write of the same text
    // counts too), so that a view knows when to replace what was typed.
    unsigned textWrites(TextField field) const { return writes_[size_t(field)]; }

    QPoint sliderTopLeft() const { return sliderTopLeftAt(state_.dl_ofs); }
    QRect targetRect(int index) const { return targets_[size_t(index)]; }
    bool arcUpVisible() const { return arcUpVisible_; }
    bool arcDownVisible() const { return arcDownVisible_; }
    int phiTop() const { return phiTop_; }
    TColor lightColour() const;

    bool arrowLooksPressed(Arrow arrow) const { return hold(arrow).looksPressed; }
    bool arrowRepeating(Arrow arrow) const;
    SpinPart spinnerLooksPressed() const { return spinnerOver_ ? spinnerHeld_ : SpinPart::None; }
    bool spinnerRepeating() const;

    CheckButton checkButton() const { return checkButton_; }
    Verdict verdict() const { return verdict_; }

    // A classroom task (bench_session_task.cpp): the slider stands where a
    // drag to the lamp's line would leave it, the wavelength field shows "?"
    // and the renderer takes the line's wavelength, never the field. From
    // then on the slider and the arrows do nothing, the wavelength field
    // takes no typing, and the check button judges by the task's rule. As
    // with a lamp, the cursor is always shown and its read-out is the
    // distance field, and the pupil types the order; a click on a maximum
    // still selects it, but fills in neither.
    ActionResult startTask(const Task &task) noexcept;
    // The task as a recovered journal left it: its checks counted, solved or not.
    ActionResult resumeTask(const Task &task, unsigned checks, bool solved) noexcept;
    // The checks a result file already held came in after the start (it is
    // read from a share): counted without touching what the pupil typed.
    void recordTaskChecks(unsigned checks, bool solved) noexcept;
    const std::optional<Task> &task() const { return task_; }
    bool taskSolved() const { return taskSolved_; }     // a check was right
    unsigned taskChecks() const { return taskChecks_; } // judging presses
    TaskHint taskHint() const { return taskHint_; }     // of the last check

    // Light sources and the measuring cursor (bench_session_source.cpp).
    // With a lamp or white light the slider and the arrows do nothing, the
    // maxima cannot be selected, the cursor is always shown and its read-out
    // is the distance field; the wavelength field names the lamp, and the
    // pupil types the order into the order field. Not in a task. A new
    // source resets a shown verdict, as the check button's second press does.
    ActionResult setSource(LightSource source) noexcept;
    LightSource source() const { return source_; }
    // With mono light the cursor is off until the pupil turns it on.
    ActionResult showCursor(bool shown) noexcept;
    bool cursorShown() const { return cursorOn_ || task_ || source_ != LightSource::Mono; }
    // Rows above the axis (negative below), clamped to the scale; a move
    // that changes nothing renders nothing.
    ActionResult moveCursorTo(int offset) noexcept;
    ActionResult moveCursorBy(int rows) noexcept { return moveCursorTo(cursor_ + rows); }
    int cursorOffset() const { return cursor_; }
    QString cursorText() const;
    // The last check with a lamp or white light.
    const SourceJudgement &sourceJudgement() const { return sourceJudgement_; }

signals:
    void changed();
    void conversionFailed(const QString &message);
    // A press of the check button judged the answer (emitted after changed()).
    void answerJudged();

private:
    class Bindings;
    // An arrow's auto-repeat starts after a short delay, and only if the
    // arrow is still held by then.
    struct ArrowHold {
        std::unique_ptr<Timer> delay;
        bool held = false;
        bool looksPressed = false;
    };

    ArrowHold &hold(Arrow arrow) { return arrow == Arrow::Left ? leftHold_ : rightHold_; }
    const ArrowHold &hold(Arrow arrow) const { return arrow == Arrow::Left ? leftHold_ : rightHold_; }
    Timer &repeatTimer(Arrow arrow) const { return arrow == Arrow::Left ? *Timer_l : *Timer_r; }
    void arrowTick(Arrow arrow) noexcept;
    ActionResult stepWavelength(Arrow arrow, bool repeating);
    ActionResult setSliderLeft(int left);
    void spinnerTick() noexcept;
    void stopSpinner();
    ActionResult gratingStep(SpinPart part);

    void write(TextField field, const QString &text);
    ActionResult paint_st();
    void stopRepetitions();
    ActionResult finish(ActionResult result);

    NumberFormat format_;
    TBenchState state_;
    BenchScene scene_;
    std::unique_ptr<Bindings> bindings_;

    std::array<QString, kTextFieldCount> texts_;
    std::array<unsigned, kTextFieldCount> writes_{};
    std::array<QRect, kTargetCount> targets_{};
    bool arcUpVisible_ = false;
    bool arcDownVisible_ = true;
    int phiTop_ = kPhiTopAbove;

    ArrowHold leftHold_;
    ArrowHold rightHold_;
    std::unique_ptr<Timer> Timer_l; // the arrows' 100 ms repeat
    std::unique_ptr<Timer> Timer_r;
    std::unique_ptr<Timer> spinnerDelay_;  // 400 ms from the press
    std::unique_ptr<Timer> spinnerRepeat_; // then every 100 ms
    SpinPart spinnerHeld_ = SpinPart::None;
    bool spinnerOver_ = false;

    unsigned renders_ = 0;
    CheckButton checkButton_ = CheckButton::Check;
    Verdict verdict_ = Verdict::None;

    Verdict judgeTask();
    std::optional<Task> task_;
    bool taskSolved_ = false;
    unsigned taskChecks_ = 0;
    TaskHint taskHint_ = TaskHint::None;

    bool wavelengthLocked() const { return task_ || source_ != LightSource::Mono; }
    Verdict judgeSource();
    LightSource source_ = LightSource::Mono;
    bool cursorOn_ = false;
    int cursor_ = 0;
    SourceJudgement sourceJudgement_;
};

} // namespace bench
