// One full redraw of the bench against the cheapest thing a redraw must do:
// filling the whole 945 x 445 bench raster once.
#include "scene.h"
#include "spectrum.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

using namespace bench;

namespace {

QImage benchLens()
{
    QImage lens(27, 323, QImage::Format_RGB32);
    lens.fill(qRgb(2, 2, 2));
    return lens;
}

void BM_FillBenchRaster(benchmark::State &st)
{
    TBitmap raster(kBenchWidth, kBenchHeight);
    TCanvas &canvas = raster.Canvas();
    canvas.Brush.Color = RGB(0, 0, 0);
    for (auto _ : st) {
        canvas.FillRect(canvas.ClipRect());
        benchmark::DoNotOptimize(raster.image().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillBenchRaster);

// range(0): wavelength, range(1): ten times the grating constant,
// range(2): selected order, range(3): 1 to reuse the frame and curve shapes
// (0 recomputes them: the cost of the first redraw at a new wavelength).
void BM_PaintSt(benchmark::State &st)
{
    BenchScene scene(makeSpectrumStrip(), benchLens(), NumberFormat{u','});
    scene.setCaching(st.range(3) != 0);
    TBenchState state;
    PlainSceneBindings bindings;
    state.dl_ofs = int(st.range(0)) - kMinWavelength;
    bindings.slider = bench::sliderTopLeftAt(state.dl_ofs);
    bindings.wavelength = QString::number(st.range(0));
    state.d_gr = double(st.range(1)) / 10;
    state.k_sel = int(st.range(2));
    scene.paint_st(state, bindings);
    for (auto _ : st) {
        scene.paint_st(state, bindings);
        benchmark::DoNotOptimize(scene.benchCanvas().image().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintSt)
    ->ArgNames({"nm", "d10", "k", "cache"})
    ->Args({380, 10, 1, 1})
    ->Args({760, 10, 1, 1})
    ->Args({380, 30, 7, 1})
    ->Args({380, 10, 1, 0});

// A lamp or white light with the cursor, the whole redraw a cursor move
// makes: range(0) indexes kLightSources (1 mercury, 7 white light), range(1)
// is ten times the grating constant (at 3,0 white light's orders overlap most).
void BM_PaintSource(benchmark::State &st)
{
    BenchScene scene(makeSpectrumStrip(), benchLens(), NumberFormat{u','});
    TBenchState state;
    PlainSceneBindings bindings;
    state.d_gr = double(st.range(1)) / 10;
    const LightSource source = kLightSources[size_t(st.range(0))].source;
    constexpr int kCursor = 109;
    scene.paintSource(state, bindings, source, kCursor);
    for (auto _ : st) {
        scene.paintSource(state, bindings, source, kCursor);
        scene.drawCursor(state.y_os, kCursor);
        benchmark::DoNotOptimize(scene.benchCanvas().image().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintSource)->ArgNames({"source", "d10"})->Args({7, 10})->Args({7, 30})->Args({1, 10})->Args({1, 30});

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the scale labels
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
