// The forms place the controls where the bench model expects them: the
// renderer and the session work with these numbers without asking the form.
#include "window_fixture.h"

#include "scene.h"
#include "spectrum.h"
#include "wavelength_slider.h"
#include "window_geometry.h"

#include <vector>

namespace {

struct Forms {
    Forms()
    {
        experiment.setupUi(&experimentHost);
        window.setupUi(&windowHost);
    }
    QWidget experimentHost;
    QWidget windowHost;
    Ui::ExperimentScreen experiment;
    Ui::TForm1 window;
};

std::vector<int> rect(const QRect &r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

std::vector<int> point(const QPoint &p)
{
    return {p.x(), p.y()};
}

std::vector<int> size(const QSize &s)
{
    return {s.width(), s.height()};
}

struct GeometryFact {
    const char *name;
    std::vector<int> (*inForm)(const Forms &);
    std::vector<int> inBench;
};

void PrintTo(const GeometryFact &fact, std::ostream *out)
{
    *out << fact.name;
}

class FormGeometry : public testing::TestWithParam<GeometryFact> {};

TEST_P(FormGeometry, AgreesWithTheBench)
{
    const Forms forms;
    EXPECT_EQ(GetParam().inForm(forms), GetParam().inBench);
}

using namespace bench;

const QRect kStrip(kStripTopLeft, QSize(kStripWidth, kStripHeight));

INSTANTIATE_TEST_SUITE_P(Controls, FormGeometry,
    testing::Values(GeometryFact{"BenchCanvas", [](const Forms &f) { return rect(f.experiment.Img_osn->geometry()); },
                        rect(QRect(kBenchCanvasTopLeft, QSize(kBenchWidth, kBenchHeight)))},
        GeometryFact{"CurveCanvasSize", [](const Forms &f) { return size(f.experiment.Img_mx->size()); },
            size(QSize(kCurveWidth, kCurveHeight))},
        GeometryFact{"PhiPictureAboveTheAxis", [](const Forms &f) { return std::vector{f.experiment.Img_f->y()}; },
            {kPhiTopAbove}},
        GeometryFact{"SpectrumStrip", [](const Forms &f) { return rect(f.experiment.Img_spektr->geometry()); },
            rect(kStrip)},
        GeometryFact{"StripFrameOnePixelAround",
            [](const Forms &f) { return rect(f.experiment.Shp_spektr->geometry()); },
            rect(kStrip.adjusted(-1, -1, 1, 1))},
        GeometryFact{"SliderAt380nm", [](const Forms &f) { return point(f.experiment.Img_vizir->pos()); },
            point(sliderTopLeftAt(0))},
        // At 760 nm the slider's right edge meets the strip's.
        GeometryFact{"SliderAt760nmEndsWithTheStrip",
            [](const Forms &f) {
    const QRect strip = f.experiment.Img_spektr->geometry();
    return std::vector{strip.x() + strip.width() - f.experiment.Img_vizir->width()};
                     },
            {kSliderLeftMax}},
        // The light colour is read from the strip's row under the slider's top.
        GeometryFact{"SliderTopIsTheColourRow",
            [](const Forms &f) { return std::vector{f.experiment.Img_vizir->y() - f.experiment.Img_spektr->y()}; },
            {kStripColourRow}},
        GeometryFact{"Window", [](const Forms &f) { return size(f.windowHost.size()); }, size(kWindowSize)}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
