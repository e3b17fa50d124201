#pragma once

#include "bench_driver.h"
#include "number_text.h"

#include <memory>

class TForm1;

// The bench worked through the real window: its experiment screen's own
// handlers change the state and render, and the read-outs are its controls.
// The window is never shown; the experiment screen is the open one.
class WindowBenchDriver final : public BenchDriver {
public:
    explicit WindowBenchDriver(const bench::NumberFormat &format);
    ~WindowBenchDriver() override;

    void setSliderWavelength(int nm) override;
    void gratingUpClick() override;
    void typeWavelengthText(const QString &text) override;
    void clickOrder(int k) override;

    const bench::TBenchState &state() const override;
    QImage benchImage() const override;
    QString wavelengthText() const override;
    QString gratingText() const override;
    QString distanceText() const override;
    QString orderText() const override;
    QRect targetRect(int index) const override;
    bool arcUpVisible() const override;
    bool arcDownVisible() const override;
    int phiTop() const override;
    bench::TColor lightColour() const override;

    TForm1 &form() { return *form_; }

private:
    std::unique_ptr<TForm1> form_;
};

// With the user's decimal separator; needs a QApplication.
std::unique_ptr<BenchDriver> makeWindowBenchDriver();
