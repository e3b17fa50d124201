#include "headless_bench.h"

#include "picture_catalogue.h"
#include "quantities.h"
#include "spectrum.h"

#include <QLocale>

#include <algorithm>

namespace {
// The slider's left edge at 380 nm: the strip's left edge.
constexpr int kSliderLeftAt380 = 316;
}

HeadlessBench::HeadlessBench(QImage strip, QImage lens, bench::NumberFormat format)
    : scene_(std::move(strip), std::move(lens), format)
{
    scene_.paint_st(state_, bindings_);
}

void HeadlessBench::setSliderWavelength(int nm)
{
    const int left = std::clamp(kSliderLeftAt380 + nm - bench::kMinWavelength, kSliderLeftAt380,
                                kSliderLeftAt380 + bench::kMaxOffset);
    bindings_.slider.setX(left);
    state_.dl_ofs = left - kSliderLeftAt380;
    bindings_.wavelength = bench::IntToStr(state_.dl_ofs + bench::kMinWavelength);
    scene_.paint_st(state_, bindings_);
}

void HeadlessBench::gratingUpClick()
{
    state_.d_gr = bench::gratingStepUp(state_.d_gr);
    gratingText_ = bench::FloatToStrGeneral(state_.d_gr, scene_.format());
    scene_.paint_st(state_, bindings_);
}

void HeadlessBench::typeWavelengthText(const QString &text)
{
    bindings_.wavelength = text;
}

void HeadlessBench::clickOrder(int k)
{
    state_.k_sel = k;
    scene_.paint_st(state_, bindings_);
}

QImage HeadlessBench::benchImage() const
{
    return scene_.benchCanvas().image();
}

QRect HeadlessBench::targetRect(int index) const
{
    return bindings_.targets[size_t(index)];
}

bench::TColor HeadlessBench::lightColour() const
{
    return bench::spektr_color_at(scene_.strip(), bindings_.slider, bindings_.strip);
}

std::unique_ptr<BenchDriver> makeHeadlessBench()
{
    return std::make_unique<HeadlessBench>(assets::picture(assets::PictureId::pic_spectrum),
                                           assets::picture(assets::PictureId::pic_lens),
                                           bench::NumberFormat::fromLocale(QLocale::system()));
}
