// The renderer's view of the experiment screen: its texts, places and
// markers are the real controls of the form.

#include "experiment_screen.h"

#include "ui_experiment_screen.h"

#include <array>

namespace {

using TargetMember = TImage *Ui::ExperimentScreen::*;

// In the renderer's target order: Img0, Img1u..Img8u, Img1d..Img8d.
constexpr std::array<TargetMember, bench::kTargetCount> kTargets{
    &Ui::ExperimentScreen::Img0,
    &Ui::ExperimentScreen::Img1u, &Ui::ExperimentScreen::Img2u, &Ui::ExperimentScreen::Img3u,
    &Ui::ExperimentScreen::Img4u, &Ui::ExperimentScreen::Img5u, &Ui::ExperimentScreen::Img6u,
    &Ui::ExperimentScreen::Img7u, &Ui::ExperimentScreen::Img8u,
    &Ui::ExperimentScreen::Img1d, &Ui::ExperimentScreen::Img2d, &Ui::ExperimentScreen::Img3d,
    &Ui::ExperimentScreen::Img4d, &Ui::ExperimentScreen::Img5d, &Ui::ExperimentScreen::Img6d,
    &Ui::ExperimentScreen::Img7d, &Ui::ExperimentScreen::Img8d,
};

} // namespace

QString ExperimentScreen::wavelengthText() const
{
    return ui_->Ed_mkm->text();
}

QString ExperimentScreen::distanceText() const
{
    return ui_->Ed_ym->text();
}

void ExperimentScreen::setDistanceText(const QString &text)
{
    ui_->Ed_ym->setText(text);
}

void ExperimentScreen::setOrderText(const QString &text)
{
    ui_->Ed_k->setText(text);
}

QPoint ExperimentScreen::sliderTopLeft() const
{
    return ui_->Img_vizir->pos();
}

QPoint ExperimentScreen::stripTopLeft() const
{
    return ui_->Img_spektr->pos();
}

void ExperimentScreen::setTargetRect(int index, const QRect &rect)
{
    ((*ui_).*kTargets.at(size_t(index)))->setGeometry(rect);
}

void ExperimentScreen::setArcUpVisible(bool visible)
{
    ui_->Img_ugu->setVisible(visible);
}

void ExperimentScreen::setArcDownVisible(bool visible)
{
    ui_->Img_ugd->setVisible(visible);
}

void ExperimentScreen::setPhiTop(int top)
{
    ui_->Img_f->move(ui_->Img_f->x(), top);
}
