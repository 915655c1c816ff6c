// The calculation of a case: how a refusal reads, and that an accepted case has a result.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "analysis/Stability.h"
#include "calc/CalculateCase.h"
#include "calc/FiniteResults.h"
#include "case/CaseDefaults.h"
#include "case/FieldTable.h"

namespace wall {
namespace {

// The message names the field by its label and unit once, then the bound and the value.
TEST(CalculateCase, RefusalNamesTheFieldOnce) {
    WallCase c = DefaultCase(kShelf);
    c.wall.m_fToeWidth = -3;
    CaseResult r = CalculateCase(c);
    EXPECT_FALSE(r.shelf);
    EXPECT_EQ(RefusalText(r), "无法计算：\n  墙趾宽度B1(m) 应不小于 0，当前为 -3");
    c.wall.m_fToeWidth = 0;  // a wall without a toe is a real wall
    r = CalculateCase(c);
    EXPECT_TRUE(r.Accepted());
    EXPECT_TRUE(r.shelf);
}

// Kh = μ·N/T with the thrust's own components, N and T normal to and along the base; the numbers
// are the cases' printed weights and components put into that formula by hand.
TEST(CalculateCase, SlidingTakesTheThrustAsComputed) {
    struct Row {
        const char* name;
        int wallType, theory;
        double Kh;
    };
    const Row rows[] = {
        // (W + W1 + Esy)·μ/(Esx + Eqx) = (119.28 + 134.29 + 191.40)·0.45/(154.48 + 17.09): the thrust on the
        // imaginary back, the strip's part pushing with its horizontal component only (GB 55001-2021
        // §3.1.13: its vertical part, favourable, is left out).
        {"cantilever, Coulomb", kCantilever, kCoulomb, 1.1671},
        // (W + W1 + Ey)·μ/Ex = (119.28 + 306.15 + 34.97)·0.45/174.86: Rankine's thrust parallel to the
        // ground and the soil on the heel; the strip standing on the heel (27 kN/m) only holds the wall
        // and is left out (GB 55001-2021 §3.1.13).
        {"cantilever, Rankine", kCantilever, kRankine, 1.1848},
        // Base at 1:4 (α0 = 14.04°): N = (1236.80 + 405.92)·cos α0 + (458.61 + 5.50)·sin α0 = 1706.23,
        // T = 464.11·cos α0 − 1642.72·sin α0 = 51.83; 0.6·N/T = 19.75 (the strip over the back face and its
        // thrust's vertical part left out).
        {"gravity, Rankine, inclined base", kGravity, kRankine, 19.75},
    };
    for (const Row& row : rows) {
        WallCase c = DefaultCase(row.wallType);
        c.soil.m_nTheory = row.theory;
        const CaseResult r = CalculateCase(c);
        ASSERT_TRUE(r.Accepted()) << row.name;
        const StabilityResult& s = r.gravity      ? r.gravity->stability
                                   : r.cantilever ? r.cantilever->back.stability
                                                  : r.counterfort->back.stability;
        EXPECT_NEAR(s.Kh, row.Kh, 0.005 * row.Kh) << row.name;
    }
}

// A default case of a random type with random values in some of its fields: most near the
// default, some far off, some out of range, some extreme.
WallCase RandomCase(std::mt19937& rng) {
    WallCase c = DefaultCase(std::uniform_int_distribution<int>(0, kWallTypeCount - 1)(rng));
    std::uniform_real_distribution<double> unit(0, 1);
    for (const CaseField& f : CaseFieldTable()) {
        if (f.derived || f.place == FieldPlace::kHidden || !f.domain.allowed.empty() || unit(rng) < 0.7)
            continue;
        const double now = FieldValue(c, f), pick = unit(rng);
        double v = now * (0.2 + 2 * unit(rng));
        if (pick < 0.15)
            v = -v;
        else if (pick < 0.2)
            v = 0;
        else if (pick < 0.23)
            v = 1e30;
        VisitField(c, f, 0, [v](auto& x) { x = static_cast<std::remove_reference_t<decltype(x)>>(v); });
    }
    c.soil.m_nTheory = std::uniform_int_distribution<int>(0, 1)(rng);
    UpdateSlopeDerived(c.soil);
    return c;
}

// Whatever the input, an accepted case has only finite results and verdicts that agree with their
// factors; the generator must reach both outcomes for this to mean anything.
TEST(CalculateCase, RandomCasesAreFiniteOrRefused) {
    std::mt19937 rng(20261209);
    int accepted = 0, refused = 0, tendency = 0, outside = 0;
    for (int i = 0; i < 2000; ++i) {
        const WallCase c = RandomCase(rng);
        const CaseResult r = CalculateCase(c);
        if (!r.Accepted()) {
            ++refused;
            EXPECT_FALSE(RefusalText(r).empty());
            continue;
        }
        ++accepted;
        ASSERT_EQ(NonFiniteResult(r), "") << "case " << i;
        const StabilityResult& s = r.gravity      ? r.gravity->stability
                                   : r.shelf      ? r.shelf->stability
                                   : r.cantilever ? r.cantilever->back.stability
                                                  : r.counterfort->back.stability;
        EXPECT_EQ(s.overturningOk, s.noOverturningTendency || s.Kq >= 1.6f - 1e-5f) << "case " << i;
        EXPECT_EQ(s.slidingOk, s.noSlidingTendency || s.Kh >= 1.3f - 1e-5f) << "case " << i;
        // Nothing meaningless is printed: no negative factor, and pressures only under a resultant
        // within the base.
        EXPECT_GE(s.Kq, 0) << "case " << i;
        EXPECT_GE(s.Kh, 0) << "case " << i;
        EXPECT_EQ(s.foundationOk, s.N > 0 && s.e0 < s.B / 2) << "case " << i;
        if (s.foundationOk) {
            EXPECT_GE(s.sigmaMin, 0) << "case " << i;
        }
        tendency += s.noOverturningTendency + s.noSlidingTendency;
        const BaseSlabResult* slab = r.cantilever    ? &r.cantilever->slab
                                     : r.counterfort ? &r.counterfort->slab
                                                     : nullptr;
        if (slab && slab->PressuresKnown()) {
            for (const BasePressures& d : slab->design) EXPECT_GE(d.sigmaMin, 0) << "case " << i;
            EXPECT_GE(slab->standard.sigmaMin, 0) << "case " << i;
        }
        outside += s.resultantOutsideBase;
    }
    EXPECT_GT(accepted, 200);
    EXPECT_GT(refused, 200);
    EXPECT_GT(tendency, 10);
    EXPECT_GT(outside, 10);
}

}  // namespace
}  // namespace wall
