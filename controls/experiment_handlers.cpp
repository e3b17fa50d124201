// What the controls of the experiment screen do to the bench: each handler
// changes the state, writes the read-out it owns and renders the bench.

#include "experiment_screen.h"

#include "answer_check.h"
#include "edit_key_filter.h"
#include "quantities.h"
#include "ui_experiment_screen.h"
#include "wavelength_slider.h"

#include <array>
#include <utility>

namespace {

constexpr int kArrowRepeatMs = 100;
constexpr int kArrowDelayMs = 100;

} // namespace

void ExperimentScreen::connectHandlers()
{
    Ui::ExperimentScreen &f = *ui_;

    connect(f.Img_vizir, &TImage::mousePressed, this, &ExperimentScreen::Img_vizirMouseDown);
    connect(f.Img_vizir, &TImage::mouseMoved, this,
            [this](Qt::MouseButtons, QPoint pos) { Img_vizirMouseMove(pos); });
    connect(f.Img_vizir, &TImage::mouseReleased, this, &ExperimentScreen::Img_vizirMouseUp);

    connect(f.Img_dl_dn, &TImage::mousePressed, this, &ExperimentScreen::Img_dl_dnMouseDown);
    connect(f.Img_dl_dn, &TImage::clicked, this, &ExperimentScreen::Img_dl_dnClick);
    connect(f.Img_dl_dn, &TImage::mouseReleased, this, &ExperimentScreen::Img_dl_dnMouseUp);
    connect(f.Img_dl_up, &TImage::mousePressed, this, &ExperimentScreen::Img_dl_upMouseDown);
    connect(f.Img_dl_up, &TImage::clicked, this, &ExperimentScreen::Img_dl_upClick);
    connect(f.Img_dl_up, &TImage::mouseReleased, this, &ExperimentScreen::Img_dl_upMouseUp);

    for (auto [timer, hold] : {std::pair{&Timer_l, &hold_l_}, std::pair{&Timer_r, &hold_r_}}) {
        timer->setInterval(kArrowRepeatMs);
        hold->delay.setSingleShot(true);
        hold->delay.setInterval(kArrowDelayMs);
        connect(&hold->delay, &QTimer::timeout, this, [timer, hold] {
            if (hold->held)
                timer->start();
        });
    }
    connect(&Timer_l, &QTimer::timeout, this, &ExperimentScreen::Timer_lTimer);
    connect(&Timer_r, &QTimer::timeout, this, &ExperimentScreen::Timer_rTimer);

    f.SpinButton1->setFocusControl(f.Ed_d);
    connect(f.SpinButton1, &TSpinButton::upClick, this, &ExperimentScreen::SpinButton1UpClick);
    connect(f.SpinButton1, &TSpinButton::downClick, this, &ExperimentScreen::SpinButton1DownClick);

    const std::array<std::pair<TImage *, int>, bench::kTargetCount> targets{{
        {f.Img0, 0},
        {f.Img1u, 1}, {f.Img2u, 2}, {f.Img3u, 3}, {f.Img4u, 4},
        {f.Img5u, 5}, {f.Img6u, 6}, {f.Img7u, 7}, {f.Img8u, 8},
        {f.Img1d, -1}, {f.Img2d, -2}, {f.Img3d, -3}, {f.Img4d, -4},
        {f.Img5d, -5}, {f.Img6d, -6}, {f.Img7d, -7}, {f.Img8d, -8},
    }};
    for (const auto &[target, order] : targets)
        connect(target, &TImage::clicked, this, [this, order = order] { selectOrder(order); });

    connect(f.Button6, &QPushButton::clicked, this, &ExperimentScreen::Button6Click);
    f.Edit5->installEventFilter(new DigitKeyFilter(f.Edit5));
}

void ExperimentScreen::Img_vizirMouseDown(Qt::MouseButton, QPoint pos)
{
    state_.fl_drag = true;
    state_.x_drag = pos.x();
}

void ExperimentScreen::Img_vizirMouseMove(QPoint pos)
{
    if (!state_.fl_drag)
        return;
    // pos is measured from where the slider stands now, so the grip stays put.
    setSliderLeft(bench::clampSliderLeft(ui_->Img_vizir->x() + pos.x() - state_.x_drag));
}

void ExperimentScreen::Img_vizirMouseUp()
{
    state_.fl_drag = false;
}

void ExperimentScreen::setSliderLeft(int left)
{
    ui_->Img_vizir->move(left, ui_->Img_vizir->y());
    state_.dl_ofs = bench::offsetOfSlider(left);
    ui_->Ed_mkm->setText(bench::IntToStr(bench::wavelength(state_)));
    paint_st();
}

void ExperimentScreen::stepWavelength(int delta, QTimer *repeat)
{
    const bench::ArrowStep step = bench::arrowStep(ui_->Img_vizir->x(), delta);
    if (step.ranIntoEnd && repeat) {
        state_.fl_stop = 2;
        repeat->stop();
    }
    setSliderLeft(step.left);
}

void ExperimentScreen::pressArrow(TImage &arrow, const TImage &pressedLook, ArrowHold &hold)
{
    arrow.copyPictureFrom(pressedLook);
    hold.held = true;
    if (state_.fl_stop == 0)
        hold.delay.start();
}

void ExperimentScreen::releaseArrow(TImage &arrow, const TImage &releasedLook, ArrowHold &hold,
                                    QTimer &repeat)
{
    // Any release ends the repeat: the arrow gets every release of a press
    // it took, whichever button and wherever the pointer is.
    arrow.copyPictureFrom(releasedLook);
    state_.fl_stop = 0;
    hold.held = false;
    hold.delay.stop();
    repeat.stop();
}

void ExperimentScreen::Img_dl_dnMouseDown(Qt::MouseButton)
{
    pressArrow(*ui_->Img_dl_dn, *ui_->Img_ldn, hold_l_);
}

void ExperimentScreen::Img_dl_dnClick()
{
    stepWavelength(-1, nullptr);
}

void ExperimentScreen::Img_dl_dnMouseUp()
{
    releaseArrow(*ui_->Img_dl_dn, *ui_->Img_dldn, hold_l_, Timer_l);
}

void ExperimentScreen::Timer_lTimer()
{
    stepWavelength(-1, &Timer_l);
}

void ExperimentScreen::Img_dl_upMouseDown(Qt::MouseButton)
{
    pressArrow(*ui_->Img_dl_up, *ui_->Img_rdn, hold_r_);
}

void ExperimentScreen::Img_dl_upClick()
{
    stepWavelength(+1, nullptr);
}

void ExperimentScreen::Img_dl_upMouseUp()
{
    releaseArrow(*ui_->Img_dl_up, *ui_->Img_dlup, hold_r_, Timer_r);
}

void ExperimentScreen::Timer_rTimer()
{
    stepWavelength(+1, &Timer_r);
}

void ExperimentScreen::SpinButton1UpClick()
{
    state_.d_gr = bench::gratingStepUp(state_.d_gr);
    showGrating();
}

void ExperimentScreen::SpinButton1DownClick()
{
    state_.d_gr = bench::gratingStepDown(state_.d_gr);
    showGrating();
}

void ExperimentScreen::showGrating()
{
    ui_->Ed_d->setText(bench::FloatToStrGeneral(state_.d_gr, format_));
    paint_st();
}

void ExperimentScreen::selectOrder(int order)
{
    state_.k_sel = order;
    paint_st();
}

void ExperimentScreen::Button6Click()
{
    Ui::ExperimentScreen &f = *ui_;
    if (bench::buttonChecks(f.Button6->text())) {
        const bench::ShownReadouts shown{f.Ed_mkm->text(), f.Ed_d->text(), f.Ed_ym->text(), state_.k_sel};
        const bench::Verdict verdict = bench::verdictFor(bench::answerIsRight(f.Edit5->text(), shown, format_));
        QPalette palette = f.Lbl_otv->palette();
        palette.setColor(QPalette::WindowText, verdict.colour);
        f.Lbl_otv->setPalette(palette);
        f.Lbl_otv->setText(verdict.caption);
        f.Button6->setText(bench::resetCaption());
    } else {
        f.Edit5->clear();
        f.Button6->setText(bench::checkCaption());
        f.Lbl_otv->setText(QString());
    }
}
