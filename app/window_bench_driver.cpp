#include "window_bench_driver.h"

#include "experiment_screen.h"
#include "image_control.h"
#include "mainUnit.h"
#include "spectrum.h"
#include "wavelength_slider.h"
#include "ui_experiment_screen.h"

#include <QLocale>

namespace {

TImage *target(ExperimentScreen &screen, int index)
{
    QString name;
    if (index == bench::kImg0)
        name = QStringLiteral("Img0");
    else if (index < bench::kImg1d)
        name = QStringLiteral("Img%1u").arg(index - bench::kImg1u + 1);
    else
        name = QStringLiteral("Img%1d").arg(index - bench::kImg1d + 1);
    return screen.findChild<TImage *>(name);
}

} // namespace

WindowBenchDriver::WindowBenchDriver(const bench::NumberFormat &format)
    : form_(std::make_unique<TForm1>(format))
{
    form_->Button2Click();
}

WindowBenchDriver::~WindowBenchDriver() = default;

void WindowBenchDriver::setSliderWavelength(int nm)
{
    // One drag of the slider, gripped at its needle: one render.
    ExperimentScreen &screen = form_->experiment();
    const int grip = 2;
    const int left = screen.ui().Img_vizir->x();
    const int wanted = bench::kSliderLeftMin + nm - bench::kMinWavelength;
    screen.Img_vizirMouseDown(Qt::LeftButton, QPoint(grip, 8));
    screen.Img_vizirMouseMove(QPoint(grip + wanted - left, 8));
    screen.Img_vizirMouseUp();
}

void WindowBenchDriver::gratingUpClick()
{
    form_->experiment().SpinButton1UpClick();
}

void WindowBenchDriver::typeWavelengthText(const QString &text)
{
    form_->experiment().ui().Ed_mkm->setText(text);
}

void WindowBenchDriver::clickOrder(int k)
{
    form_->experiment().selectOrder(k);
}

const bench::TBenchState &WindowBenchDriver::state() const
{
    return form_->experiment().state();
}

QImage WindowBenchDriver::benchImage() const
{
    return form_->experiment().scene().benchCanvas().image().copy();
}

QString WindowBenchDriver::wavelengthText() const
{
    return form_->experiment().ui().Ed_mkm->text();
}

QString WindowBenchDriver::gratingText() const
{
    return form_->experiment().ui().Ed_d->text();
}

QString WindowBenchDriver::distanceText() const
{
    return form_->experiment().ui().Ed_ym->text();
}

QString WindowBenchDriver::orderText() const
{
    return form_->experiment().ui().Ed_k->text();
}

QRect WindowBenchDriver::targetRect(int index) const
{
    const TImage *widget = target(form_->experiment(), index);
    return widget ? widget->geometry() : QRect();
}

bool WindowBenchDriver::arcUpVisible() const
{
    return !form_->experiment().ui().Img_ugu->isHidden();
}

bool WindowBenchDriver::arcDownVisible() const
{
    return !form_->experiment().ui().Img_ugd->isHidden();
}

int WindowBenchDriver::phiTop() const
{
    return form_->experiment().ui().Img_f->y();
}

bench::TColor WindowBenchDriver::lightColour() const
{
    ExperimentScreen &screen = form_->experiment();
    return bench::spektr_color_at(screen.scene().strip(), screen.ui().Img_vizir->pos(),
                                  screen.ui().Img_spektr->pos());
}

std::unique_ptr<BenchDriver> makeWindowBenchDriver()
{
    return std::make_unique<WindowBenchDriver>(bench::NumberFormat::fromLocale(QLocale::system()));
}
