// Speed of what `wallcalc batch` does per case on one thread: CalculateCase of each wall type's
// default case, and the counterfort case with a CSV row's two fields set first.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/CalculateCase.h"
#include "calc/Verdict.h"
#include "case/CaseDefaults.h"
#include "case/CaseFields.h"

namespace {

void BM_CalculateCase(benchmark::State& state) {
    const wall::WallCase c = wall::DefaultCase(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        wall::CaseResult r = wall::CalculateCase(c);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}

// A batch row over the counterfort case: height and top width set by name, the case calculated and
// its checks gathered; the values vary so no two iterations see the same case.
void BM_CounterfortRow(benchmark::State& state) {
    const wall::WallCase base = wall::DefaultCase(wall::kCounterfort);
    int i = 0;
    for (auto _ : state) {
        wall::WallCase c = base;
        wall::SetCaseField(c, "m_fHeight", std::to_string(5.0 + (i % 40) * 0.1));
        wall::SetCaseField(c, "m_fTopWidth", std::to_string(0.3 + (i % 7) * 0.05));
        wall::CaseResult r = wall::CalculateCase(c);
        std::vector<wall::CheckVerdict> checks = wall::CaseChecks(r);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(checks);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_CalculateCase)->DenseRange(wall::kGravity, wall::kCounterfort)->ArgName("wallType");
BENCHMARK(BM_CounterfortRow);

}  // namespace
