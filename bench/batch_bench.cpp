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

// The default gravity wall on five layers with water behind and in front, beside its one dry layer
// (BM_CalculateCase/wallType:0): the layered analysis should stay within three times that.
// Five layers, water behind and in front: each type against its one dry layer above.
void BM_CalculateLayered(benchmark::State& state) {
    wall::WallCase c = wall::DefaultCase(static_cast<int>(state.range(0)));
    for (int r = 0; r < 5; ++r) {
        c.soil.m_afLayer[r][wall::kLayerUnitWeight] = 17.0f + r * 0.5f;
        c.soil.m_afLayer[r][wall::kLayerFriction] = 30.0f - r;
        c.soil.m_afLayer[r][wall::kLayerThickness] = r < 4 ? 1.5f : 0.0f;
        c.soil.m_afLayer[r][wall::kLayerSaturatedWeight] = 20.0f + r * 0.2f;
    }
    c.settings.waterBehind = 3;
    c.settings.waterFront = 1;
    for (auto _ : state) {
        wall::CaseResult r = wall::CalculateCase(c);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_CalculateCase)->DenseRange(wall::kGravity, wall::kCounterfort)->ArgName("wallType");
BENCHMARK(BM_CalculateLayered)->DenseRange(wall::kGravity, wall::kCounterfort)->ArgName("wallType");
BENCHMARK(BM_CounterfortRow);

}  // namespace
