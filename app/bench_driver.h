#pragma once

#include "bench_state.h"
#include "raster.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>

// The bench as the render mode works it: the same user actions the experiment
// screen offers, and the read-outs it shows. The headless bench implements it
// without widgets; a window-backed driver forwards to the window's handlers so
// that the picture written is the one the window would show.
class BenchDriver {
public:
    virtual ~BenchDriver() = default;

    // Slider dragged to the wavelength nm (380..760): one render.
    virtual void setSliderWavelength(int nm) = 0;
    // One click on the spinner's up button: one step of +0.1, one render.
    virtual void gratingUpClick() = 0;
    // Text typed into the wavelength field: no render.
    virtual void typeWavelengthText(const QString &text) = 0;
    // A click on the target of order k (-8..8): k_sel = k, one render.
    // Rendering may throw bench::EConvertError.
    virtual void clickOrder(int k) = 0;

    virtual const bench::TBenchState &state() const = 0;
    virtual QImage benchImage() const = 0;   // 945 x 445
    virtual QString wavelengthText() const = 0;
    virtual QString gratingText() const = 0;
    virtual QString distanceText() const = 0;
    virtual QString orderText() const = 0;
    virtual QRect targetRect(int index) const = 0; // GroupBox3 coordinates
    virtual bool arcUpVisible() const = 0;
    virtual bool arcDownVisible() const = 0;
    virtual int phiTop() const = 0;
    virtual bench::TColor lightColour() const = 0;
};
