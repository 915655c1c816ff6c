// The whole report of a default case: analysis, sketches, document and .docx, in memory.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/CalcReport.h"
#include "host/HostServices.h"

namespace {

void ReportOfCase(benchmark::State& state, int wallType) {
    const wall::WallCase c = wall::DefaultCase(wallType);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("wallbench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    wall::NullHostServices host;
    for (auto _ : state) {
        wall::CaseResult a = wall::CalculateCase(c);
        wall::CalcReport report(host, {c, a, wall::SketchRect{}});
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
