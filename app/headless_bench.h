#pragma once

#include "bench_driver.h"
#include "number_text.h"
#include "scene.h"

#include <memory>

// The bench without a window: the state, the renderer and its bindings as
// plain fields, worked the way the experiment screen's handlers work them.
class HeadlessBench final : public BenchDriver {
public:
    // Renders once, as start-up does.
    HeadlessBench(QImage strip, QImage lens, bench::NumberFormat format);

    void setSliderWavelength(int nm) override;
    void gratingUpClick() override;
    void typeWavelengthText(const QString &text) override;
    void clickOrder(int k) override;

    const bench::TBenchState &state() const override { return state_; }
    QImage benchImage() const override;
    QString wavelengthText() const override { return bindings_.wavelength; }
    QString gratingText() const override { return gratingText_; }
    QString distanceText() const override { return bindings_.distance; }
    QString orderText() const override { return bindings_.order; }
    QRect targetRect(int index) const override;
    bool arcUpVisible() const override { return bindings_.arcUpVisible; }
    bool arcDownVisible() const override { return bindings_.arcDownVisible; }
    int phiTop() const override { return bindings_.phiTop; }
    bench::TColor lightColour() const override;

private:
    bench::TBenchState state_;
    bench::PlainSceneBindings bindings_;
    bench::BenchScene scene_;
    QString gratingText_ = QStringLiteral("1,0");
};

// With the program's own strip, lens and the user's decimal separator.
std::unique_ptr<BenchDriver> makeHeadlessBench();
