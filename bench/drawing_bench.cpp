// Composing and painting the dialog's preview, which is redone on every edit of the case.
#include <benchmark/benchmark.h>

#include "case/CaseDefaults.h"
#include "drawing/EmfDevice.h"
#include "drawing/SketchComposition.h"
#include "drawing/SvgDevice.h"

namespace {

void ComposeAndPaintPreviewSvg(benchmark::State& state) {
    const wall::WallCase c = wall::DefaultCase(static_cast<int>(state.range(0)));
    wall::DrawingCanvas canvas;
    for (auto _ : state) {
        wall::ComposePreview(canvas, c);
        wall::SvgDevice svg;
        svg.BeginPicture(480, 480);
        wall::PaintPreview(canvas, svg, 480, 480);
        svg.EndPicture();
        benchmark::DoNotOptimize(svg.Svg().data());
    }
}
BENCHMARK(ComposeAndPaintPreviewSvg)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void ComposeAndPaintPreviewEmf(benchmark::State& state) {
    const wall::WallCase c = wall::DefaultCase(static_cast<int>(state.range(0)));
    wall::DrawingCanvas canvas;
    for (auto _ : state) {
        wall::ComposePreview(canvas, c);
        wall::EmfDevice emf;
        emf.BeginPicture(480, 480);
        wall::PaintPreview(canvas, emf, 480, 480);
        emf.EndPicture();
        benchmark::DoNotOptimize(emf.Bytes().data());
    }
}
BENCHMARK(ComposeAndPaintPreviewEmf)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
