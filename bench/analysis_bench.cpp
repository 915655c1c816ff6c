// Speed of one masonry-wall analysis: outline, kernel, pressure, stability and section.
#include <benchmark/benchmark.h>

#include "analysis/GravityWallAnalysis.h"
#include "analysis/OverallSlip.h"
#include "analysis/OverallStability.h"
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

// The critical-circle search over a homogeneous slope 10 m high at 2:1 on a 50 m wide model (ACADS
// problem 1(a)): the overall-stability search a case adds to its analysis, which must stay near 50 ms.
void BM_SlipCircleSearch(benchmark::State& state) {
    wall::SlipGround g;
    g.xMin = 20;
    g.xMax = 70;
    g.top = [](double x) { return x <= 30 ? 25.0 : x >= 50 ? 35.0 : 25 + (x - 30) / 2; };
    g.verticalStress = [top = g.top](double x, double y) { return 20 * (top(x) - y); };
    g.strength = [](double, double) { return wall::SlipStrength{3, 19.6 * 3.14159265358979 / 180}; };
    g.porePressure = [](double, double) { return 0.0; };
    g.breaks = {30, 50};
    wall::SlipSearch s;
    s.below = 35;  // any circle through the slope
    for (auto _ : state) {
        wall::SlipResult r = wall::SearchCriticalCircle(g, s);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_SlipCircleSearch)->Unit(benchmark::kMillisecond);

// The overall slip of each default case with its foundation soil given (ck = 15 kPa, φk = 25°): the
// section built from the case and the whole circle search; the target is 50 ms on one core.
void BM_OverallDefaultCase(benchmark::State& state) {
    wall::WallCase c = wall::DefaultCase(static_cast<int>(state.range(0)));
    c.settings.foundationCohesion = 15;
    c.settings.foundationFriction = 25;
    for (auto _ : state) {
        wall::OverallResult r = wall::OverallStability(c, 0, 1.3f);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_OverallDefaultCase)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
