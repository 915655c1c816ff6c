// Speed of the reinforced-concrete designs: one counterfort and one cantilever case, from outline to the last
// section.
#include <benchmark/benchmark.h>

#include "analysis/geometry/WallOutline.h"
#include "case/CaseDefaults.h"
#include "rcdesign/CantileverDesign.h"
#include "rcdesign/CounterfortDesign.h"

namespace {

// Target: well under 20 µs per counterfort case.
void BM_CounterfortDesign(benchmark::State& state) {
    const wall::WallCase c = wall::DefaultCase(wall::kCounterfort);
    wall::KernelBlock kb;
    for (auto _ : state) {
        kb.outline = wall::BuildWallOutline(c);
        wall::CounterfortResult r = wall::CounterfortDesign(c, kb);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CounterfortDesign);

void BM_CantileverDesign(benchmark::State& state) {
    const wall::WallCase c = wall::DefaultCase(wall::kCantilever);
    wall::KernelBlock kb;
    for (auto _ : state) {
        kb.outline = wall::BuildWallOutline(c);
        wall::CantileverResult r = wall::CantileverDesign(c, kb);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CantileverDesign);

}  // namespace
