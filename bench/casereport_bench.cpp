// The whole report of a default case: analysis, sketches, document and .docx, in memory.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "case/CaseDefaults.h"
#include "drawing/SketchComposition.h"
#include "host/HostServices.h"
#include "report/assembly/CalcReport.h"

namespace {

void ReportOfCase(benchmark::State& state, int wallType) {
    const wall::WallCase c = wall::DefaultCase(wallType);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("wallbench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    wall::NullHostServices host;
    for (auto _ : state) {
        wall::KernelBlock kb;
        wall::DrawingCanvas preview, sketch;
        wall::ComposePreview(preview, c, kb);
        wall::CaseAnalysis a = wall::AnalyseCase(c, kb);
        wall::CalcReport report(host, {c, a, kb, preview, sketch, wall::SketchRect{}, dir});
        report.Generate();
        wall::ReportSaveResult saved = report.Save({dir, dir / "bench.docx"});
        benchmark::DoNotOptimize(saved.ok);
    }
    std::filesystem::remove_all(dir);
}

void BM_GravityReport(benchmark::State& state) {
    ReportOfCase(state, wall::kGravity);
}
void BM_CounterfortReport(benchmark::State& state) {
    ReportOfCase(state, wall::kCounterfort);
}

}  // namespace

BENCHMARK(BM_GravityReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CounterfortReport)->Unit(benchmark::kMillisecond);
