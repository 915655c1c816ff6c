// Properties every wall type and theory keeps on the safe side, over random cases: a surcharge never
// lowers a thrust nor raises a safety factor, and q → 0 is continuous; no design moment below its
// characteristic one; every area at least its clause's minimum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "rcdesign/ReinforcementDesign.h"

namespace wall {
namespace {

// Ex of the whole wall (the shelf's two thrusts added).
double Thrust(const CaseResult& r) {
    if (r.gravity) return r.gravity->pressure.Ex;
    if (r.shelf) return r.shelf->pressure.Ex + r.shelf->pressure.E2x;
    if (r.cantilever) return r.cantilever->back.Ex;
    return r.counterfort->back.Ex;
}

const StabilityResult& Stability(const CaseResult& r) {
    if (r.gravity) return r.gravity->stability;
    if (r.shelf) return r.shelf->stability;
    if (r.cantilever) return r.cantilever->back.stability;
    return r.counterfort->back.stability;
}

struct Random {
    std::mt19937 rng{20261210};
    float Uniform(double a, double b) {
        return static_cast<float>(std::uniform_real_distribution<double>(a, b)(rng));
    }
};

// A default case of the type and theory, its ground and strip varied within what a page allows.
WallCase RandomCase(Random& r, int type, int theory) {
    WallCase c = DefaultCase(type);
    c.soil.m_nTheory = theory;
    c.wall.m_fHeight *= r.Uniform(0.7, 1.2);
    const float run = AsShown(r.Uniform(1, 8));
    const float draw = r.Uniform(-10, 20), angle = draw < 0 ? 0 : draw;
    c.soil.m_afSlope[0][kSlopeRun] = run;
    c.soil.m_afSlope[0][kSlopeRise] = AsShown(static_cast<float>(run * std::tan(angle * 3.14159265 / 180)));
    UpdateSlopeRow(c.soil.m_afSlope[0]);
    c.soil.m_fLoadOffset = r.Uniform(0, 6);
    c.soil.m_fLoadWidth = r.Uniform(0.2, 6);
    c.soil.m_fLoadPressure = r.Uniform(1, 40);
    return c;
}

TEST(SafeSide, SurchargeNeverLowersTheThrust) {
    Random rnd;
    int compared = 0;
    for (int n = 0; n < 3000; ++n) {
        const int type = n % kWallTypeCount, theory = (n / kWallTypeCount) % 2;
        WallCase c = RandomCase(rnd, type, theory);
        WallCase bare = c;
        bare.soil.m_fLoadPressure = 0;
        WallCase light = c;
        light.soil.m_fLoadPressure = 1e-3f;
        WallCase wider = c;
        wider.soil.m_fLoadWidth += 1;
        WallCase closer = c;
        closer.soil.m_fLoadOffset = std::max(0.0f, c.soil.m_fLoadOffset - 1);
        const CaseResult rc = CalculateCase(c), rb = CalculateCase(bare), rl = CalculateCase(light),
                         rw = CalculateCase(wider), rn = CalculateCase(closer);
        if (!rc.Accepted() || !rb.Accepted() || !rl.Accepted() || !rw.Accepted() || !rn.Accepted()) continue;
        ++compared;
        SCOPED_TRACE(::testing::Message() << "case " << n << " type " << type << " theory " << theory);
        const double tol = 1e-4 * Thrust(rb) + 1e-4;
        EXPECT_GE(Thrust(rc), Thrust(rb) - tol);
        EXPECT_GE(Thrust(rw), Thrust(rc) - tol);
        // Closer, a strip stays on Coulomb's wedges; under Rankine a part may come to stand on the heel or
        // back face, where it loads the base and not the back. (A shelf's lower back takes the band of
        // its extended back, which moves up onto the upper wall as the strip comes closer.)
        if (theory == kCoulomb && type != kShelf) {
            EXPECT_GE(Thrust(rn), Thrust(rc) - tol);
        }
        // Wherever it stands, it never makes the wall safer than without it: its weight on a heel or back
        // face and its thrust's vertical part are left out of the factors, its thrust's horizontal part
        // pushes; where a trial wedge's plane under the strip lifts the thrust, the wall without it is
        // checked for overturning.
        {
            for (const CaseResult* loaded : {&rc, &rw, &rn}) {
                const StabilityResult& s = Stability(*loaded);
                const StabilityResult& s0 = Stability(rb);
                if (!s0.noOverturningTendency && !s.noOverturningTendency) {
                    EXPECT_LE(s.Kq, s0.Kq * (1 + 1e-4));
                }
                if (!s0.noSlidingTendency && !s.noSlidingTendency) {
                    EXPECT_LE(s.Kh, s0.Kh * (1 + 1e-4));
                }
            }
        }
        // q → 0 gives the unloaded result (1 kN/m of thrust per 1000 kPa at most).
        EXPECT_NEAR(Thrust(rl), Thrust(rb), 1e-3 * Thrust(rb) + 1e-3);
    }
    EXPECT_GT(compared, 2000);
}

// The water's horizontal push on the backs.
double WaterPush(const CaseResult& r) {
    if (r.gravity) return r.gravity->water.PwX;
    if (r.shelf) return r.shelf->water.PwX + r.shelf->water.Pw2X;
    if (r.cantilever) return r.cantilever->back.water.PwX;
    return r.counterfort->back.water.PwX;
}

// Every type and theory on level ground (a strip under Rankine, whose band does not hang on the upper
// part's wedge): a layer split into two identical layers with a water table below the base gives the
// one dry soil's figures; a water table rising in a sand fill never lowers the horizontal push of
// earth and water together.
TEST(SafeSide, EmptyBoundariesChangeNothingAndRisingWaterPushesMore) {
    Random rnd;
    int compared = 0;
    for (int n = 0; n < 600; ++n) {
        const int type = n % kWallTypeCount, theory = (n / kWallTypeCount) % 2;
        WallCase c = RandomCase(rnd, type, theory);
        c.soil.m_afSlope[0][kSlopeRise] = 0;
        UpdateSlopeRow(c.soil.m_afSlope[0]);
        if (theory == kCoulomb || type == kShelf) c.soil.m_fLoadPressure = 0;  // a shelf takes Coulomb's
        const float H = c.wall.m_fHeight;
        c.soil.m_afLayer[0][kLayerSaturatedWeight] = AsShown(c.soil.m_afLayer[0][kLayerUnitWeight] + 2);
        WallCase split = c;
        std::copy(c.soil.m_afLayer[0], c.soil.m_afLayer[0] + kLayerColumns, split.soil.m_afLayer[1]);
        split.soil.m_afLayer[0][kLayerThickness] = AsShown(H * rnd.Uniform(0.2, 0.8));
        split.soil.m_afLayer[1][kLayerThickness] = 0;
        split.settings.waterBehind = H + 5;
        WallCase low = c, high = c;
        low.settings.waterBehind = AsShown(H * rnd.Uniform(0.3, 0.9));
        high.settings.waterBehind = AsShown(low.settings.waterBehind / 2);
        const CaseResult rc = CalculateCase(c), rs = CalculateCase(split), rl = CalculateCase(low),
                         rh = CalculateCase(high);
        if (!rc.Accepted() || !rs.Accepted() || !rl.Accepted() || !rh.Accepted()) continue;
        ++compared;
        SCOPED_TRACE(::testing::Message() << "case " << n << " type " << type << " theory " << theory);
        EXPECT_NEAR(Thrust(rs), Thrust(rc), 1e-3 * Thrust(rc) + 1e-3);
        EXPECT_NEAR(Stability(rs).Kq, Stability(rc).Kq, 1e-3 * Stability(rc).Kq);
        EXPECT_NEAR(Stability(rs).Kh, Stability(rc).Kh, 1e-3 * Stability(rc).Kh);
        EXPECT_EQ(WaterPush(rs), 0);
        EXPECT_GE(Thrust(rh) + WaterPush(rh), (Thrust(rl) + WaterPush(rl)) * (1 - 1e-4));
    }
    EXPECT_GT(compared, 400);
}

// With and without water.
TEST(SafeSide, DesignNeverBelowCharacteristicAndAreasAtLeastTheMinimum) {
    Random rnd;
    int designed = 0;
    for (int n = 0; n < 120; ++n) {
        const int type = n % 2 ? kCantilever : kCounterfort, theory = (n / 2) % 2;
        WallCase c = RandomCase(rnd, type, theory);
        c.wall.m_fToeWidth *= rnd.Uniform(0.2, 1.5);
        c.wall.m_fHeelWidth *= rnd.Uniform(0.5, 1.5);
        c.wall.m_nRebarGrade = n % 4;
        if (n % 3 == 0) {
            // Water behind and in front: its pressures and the uplift enter every section.
            c.soil.m_afLayer[0][kLayerSaturatedWeight] = AsShown(c.soil.m_afLayer[0][kLayerUnitWeight] + 2);
            c.settings.waterBehind = AsShown(c.wall.m_fHeight * rnd.Uniform(0.1, 0.9));
            c.settings.waterFront = AsShown(c.wall.m_fToeHeight * rnd.Uniform(0, 3));
        }
        const CaseResult r = CalculateCase(c);
        if (!r.Accepted()) continue;
        SCOPED_TRACE(::testing::Message() << "case " << n);
        auto check = [&](const auto& sections) {
            for (const DesignedSection& d : sections) {
                const ReinforcementResult& s = d.result;
                if (!s.loadsKnown || !s.designed) continue;
                ++designed;
                EXPECT_GE(std::fabs(s.M), std::fabs(s.Mk) - 1e-3) << d.name;
                const double b = s.kind == SectionKind::kStrip ? 1000 : c.wall.m_fCfThickness * 1000;
                EXPECT_GE(s.area, s.minimumPercent / 100 * b * s.h * 1000 * (1 - 1e-5)) << d.name;
                EXPECT_GE(s.minimumPercent, 0.15f) << d.name;
            }
        };
        if (r.cantilever) check(r.cantilever->sections);
        if (r.counterfort) check(r.counterfort->sections);
    }
    EXPECT_GT(designed, 300);
}

}  // namespace
}  // namespace wall
