// Speed of one masonry-wall analysis: outline, kernel, pressure, stability and section.
#include <benchmark/benchmark.h>

#include "analysis/GravityWallAnalysis.h"
#include "analysis/ShelfWallAnalysis.h"
#include "analysis/geometry/WallOutline.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"

namespace {

void RunGravity(benchmark::State& state, int type, int theory) {
    wall::WallCase c = wall::DefaultCase(type);
    c.soil.m_nTheory = theory;
    wall::KernelBlock kb;
    for (auto _ : state) {
        kb.outline = wall::BuildWallOutline(c);
        wall::GravityWallResult r = wall::GravityWallAnalysis(c, kb);
        benchmark::DoNotOptimize(r);
    }
}

void BM_GravityRankine(benchmark::State& state) {
    RunGravity(state, wall::kGravity, wall::kRankine);
}
void BM_GravityCoulomb(benchmark::State& state) {
    RunGravity(state, wall::kGravity, wall::kCoulomb);
}
void BM_SemiGravityRankine(benchmark::State& state) {
    RunGravity(state, wall::kSemiGravity, wall::kRankine);
}

void BM_Shelf(benchmark::State& state) {
    wall::WallCase c = wall::DefaultCase(wall::kShelf);
    wall::KernelBlock kb;
    for (auto _ : state) {
        kb.outline = wall::BuildWallOutline(c);
        wall::ShelfWallResult r = wall::ShelfWallAnalysis(c, kb);
        benchmark::DoNotOptimize(r);
    }
}

// Validation and analysis together, as every front end runs them.
void BM_ValidateAndAnalyse(benchmark::State& state) {
    wall::WallCase c = wall::DefaultCase(wall::kGravity);
    for (auto _ : state) {
        wall::CaseResult r = wall::CalculateCase(c);
        benchmark::DoNotOptimize(r);
    }
}

BENCHMARK(BM_GravityRankine);
BENCHMARK(BM_GravityCoulomb);
BENCHMARK(BM_SemiGravityRankine);
BENCHMARK(BM_Shelf);
BENCHMARK(BM_ValidateAndAnalyse);

}  // namespace
