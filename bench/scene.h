#pragma once

#include "bench_state.h"
#include "light_source.h"
#include "number_text.h"
#include "order_targets.h"
#include "raster.h"
#include "wavelength_slider.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace bench {

constexpr int kBenchWidth = 945;
constexpr int kBenchHeight = 445;
constexpr int kCurveWidth = 81;
constexpr int kCurveHeight = 760;

// Where the bench canvas (Img_osn) stands in GroupBox3, whose coordinates the
// click targets and the phi picture are given in.
constexpr QPoint kBenchCanvasTopLeft{16, 15};

// The phi picture's top (Img_f) beside the arc above the axis, where the form
// has it, beside the arc below, and out of sight for the central maximum.
constexpr int kPhiTopAbove = 185;
constexpr int kPhiTopBelow = 270;
constexpr int kPhiTopHidden = 2000;

// What the renderer reads from and writes to the controls of the experiment
// screen. BenchSession implements it over its own fields (its Bindings), and
// the window shows those fields; the scene's tests and benchmarks use
// PlainSceneBindings.
class SceneBindings {
public:
    virtual ~SceneBindings() = default;
    virtual QString wavelengthText() const = 0; // Ed_mkm
    virtual QString distanceText() const = 0;   // Ed_ym
    virtual void setDistanceText(const QString &text) = 0;
    virtual void setOrderText(const QString &text) = 0;           // Ed_k
    virtual QPoint sliderTopLeft() const = 0;                     // Img_vizir, GroupBox4 coordinates
    virtual QPoint stripTopLeft() const = 0;                      // Img_spektr
    virtual void setTargetRect(int index, const QRect &rect) = 0; // GroupBox3 coordinates
    virtual void setArcUpVisible(bool visible) = 0;               // Img_ugu
    virtual void setArcDownVisible(bool visible) = 0;             // Img_ugd
    virtual void setPhiTop(int top) = 0;                          // Img_f
};

// The bindings as plain fields, with the controls' design-time values.
struct PlainSceneBindings : SceneBindings {
    QString wavelength = QStringLiteral("380");
    QString distance;
    QString order;
    QPoint slider = sliderTopLeftAt(0);
    QPoint strip = kStripTopLeft;
    std::array<QRect, kTargetCount> targets{};
    bool arcUpVisible = false;
    bool arcDownVisible = true;
    int phiTop = kPhiTopAbove;

    QString wavelengthText() const override { return wavelength; }
    QString distanceText() const override { return distance; }
    void setDistanceText(const QString &text) override { distance = text; }
    void setOrderText(const QString &text) override { order = text; }
    QPoint sliderTopLeft() const override { return slider; }
    QPoint stripTopLeft() const override { return strip; }
    void setTargetRect(int index, const QRect &rect) override { targets[size_t(index)] = rect; }
    void setArcUpVisible(bool visible) override { arcUpVisible = visible; }
    void setArcDownVisible(bool visible) override { arcDownVisible = visible; }
    void setPhiTop(int top) override { phiTop = top; }
};

// The pictures the renderer draws from: pic_spectrum, whose colours are the
// light's, and pic_lens (27 x 323, opaque).
struct ScenePictures {
    QImage strip;
    QImage lens;
};

// The colour a source's light has where all of it falls together: the rays
// and the central maximum. A lamp's lines mixed by their intensities as the
// eye sees them (colorimetry.h), white for white light.
TColor sourceColour(LightSource source);

// A maximum of a lamp's line as the bench draws it: the line's whole nm, the
// order, the rows above the axis (the monochrome bench's place for that
// wavelength) and the length, from the line's brightness under the envelope.
struct DrawnMaximum {
    int nm;
    int order;
    std::int64_t row;
    int length;
};
std::vector<DrawnMaximum> lampMaxima(LightSource source, double d_gr, const NumberFormat &format);

// The two drawing surfaces and the pictures the renderer draws from.
// paint_st repaints everything from the state on every call.
class BenchScene {
public:
    // strip: pic_spectrum; lens: pic_lens (27 x 323, opaque).
    BenchScene(QImage strip, QImage lens, NumberFormat format);
    BenchScene(ScenePictures pictures, NumberFormat format)
        : BenchScene(std::move(pictures.strip), std::move(pictures.lens), format)
    {
    }

    // Throws EConvertError when the wavelength text is not an integer; the
    // canvas then holds what was drawn before the distances were needed, and
    // the distance, order, targets and marker keep what they showed before.
    void paint_st(TBenchState &state, SceneBindings &bindings);

    // A lamp or white light instead of the slider's wavelength, and the
    // measuring cursor over whatever was painted (source_scene.cpp). The
    // wavelength text is not read, so this never throws; the order text is
    // the pupil's and is left alone.
    void paintSource(TBenchState &state, SceneBindings &bindings, LightSource source, int cursorOffset);
    void drawCursor(int Y, int cursorOffset);

    // The frame (axis, screen, scale, labels, captions, lens) is the same on
    // every pass, and the curve's shape depends on the wavelength alone; by
    // default each is worked out once and reused. Off recomputes everything
    // on every pass, which gives the same pixels, only slower.
    void setCaching(bool enabled) { caching_ = enabled; }

    TBitmap &benchCanvas() { return bench_; } // shown by Img_osn
    const TBitmap &benchCanvas() const { return bench_; }
    TBitmap &curveCanvas() { return curve_; } // Img_mx, never shown
    const TBitmap &curveCanvas() const { return curve_; }
    const QImage &strip() const { return strip_; }
    const NumberFormat &format() const { return format_; }

private:
    void paintPass(TBenchState &state, SceneBindings &bindings, bool orderGuard);
    void drawFrame(TCanvas &canvas, int Y) const;
    void startBench(int Y); // the frame, from the cache or drawn
    void drawGratingAndRays(double d_gr, TColor light);
    const TBitmap &frame(int Y);
    const std::vector<std::uint8_t> &curveColumns(int lambda);
    void paintLampLines(const TBenchState &state, LightSource source);
    void paintWhiteBands(const TBenchState &state);

    QImage strip_;
    QImage lens_;
    NumberFormat format_;
    TBitmap bench_{kBenchWidth, kBenchHeight};
    TBitmap curve_{kCurveWidth, kCurveHeight};
    bool caching_ = true;
    std::unique_ptr<TBitmap> frame_;
    int frameAxis_ = 0;
    std::vector<std::vector<std::uint8_t>> curves_; // per wavelength, once drawn
    std::vector<std::uint8_t> scratchCurve_;
};

} // namespace bench
