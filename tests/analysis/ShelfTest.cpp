// Shelf wall: platform soil, upper and lower pressures, stability and the platform section.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestCases.h"
#include "analysis/ShelfWallAnalysis.h"

namespace wall {
namespace {

using test::Deg;

// A shelf wall worked by hand: top 1, H 7, upper wall h1 = 3, platform 1, no toe, all faces
// vertical, level base and ground, γw 24, γ 18, c 0, φ 30°, δ 0, μ 0.6.
// Outline: P1 (-1, 0), P2 = P3 = P4 = (-1, -7), P7 (0, -3), P6 (1, -3), P5 (1, -7).
// W = (1·3 + 2·4)·24 = 264 at (3·0.5 + 8·1)/11 = 0.863636 from the toe.
// Platform soil: 1 x 3 = 3 m², Ws = 54 at 1.5. Ka1 = Ka2 = 1/3.
// Upper: E1 = ½·⅓·18·9 = 27 at z = 1 above the platform; Zy = 4 + 1 = 5; Zx = 1 (vertical back).
// Lower (h2 = 4): E2 = ½·⅓·18·16 + ⅓·18·3·4 = 48 + 72 = 120; Ms = 2·72 + (4/3)·48 = 208;
// Z2y = 208/120 = 1.733333; Z2x = 2.
WallCase HandShelf() {
    WallCase c = DefaultCase(kShelf);
    CRetainingWall& w = c.wall;
    w.m_fTopWidth = 1;
    w.m_fHeight = 7;
    w.m_fHeelHeight = 3;
    w.m_fHeelWidth = 1;
    w.m_fToeWidth = 0;
    w.m_fToeHeight = 0;
    w.m_fFrontSlope = 0;
    w.m_fBackSlope = 0;
    w.m_fLowerBackSlope = 0;
    w.m_fBaseSlope = 0;
    w.m_fWallFriction = 0;
    w.m_fBaseFriction = 0.6f;
    test::SetSoil(c, 18, 0, 30);
    test::SetGround(c, 1, 0);
    return c;
}

TEST(ShelfWallAnalysis, HandWorkedWall) {
    WallCase c = HandShelf();
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    ShelfWallResult r = ShelfWallAnalysis(c, kb);
    const ShelfPressureResult& p = r.pressure;
    EXPECT_NEAR(r.W, 264, 1e-3);
    EXPECT_NEAR(r.Zw, 0.863636, 1e-5);
    EXPECT_NEAR(p.extraWeight, 54, 1e-4);
    EXPECT_NEAR(p.extraWeightArm, 1.5, 1e-5);
    EXPECT_NEAR(p.Ka1, 1.0 / 3, 1e-6);
    EXPECT_NEAR(p.Ka2, 1.0 / 3, 1e-6);
    EXPECT_FLOAT_EQ(p.gamma, 18);
    EXPECT_FLOAT_EQ(p.h1, 3);
    EXPECT_FLOAT_EQ(p.h2, 4);
    EXPECT_NEAR(p.E1, 27, 1e-4);
    EXPECT_NEAR(p.Ex, 27, 1e-4);
    EXPECT_EQ(p.Ey, 0);
    EXPECT_NEAR(p.thrustHeight, 1, 1e-5);
    EXPECT_NEAR(p.Zy, 5, 1e-5);
    EXPECT_NEAR(p.Zx, 1, 1e-5);
    EXPECT_NEAR(p.E2, 120, 1e-3);
    EXPECT_NEAR(p.E2x, 120, 1e-3);
    EXPECT_NEAR(p.Z2y, 1.733333, 1e-5);
    EXPECT_NEAR(p.Z2x, 2, 1e-5);

    // Kh = (264 + 54)·0.6/(27 + 120) = 1.297959 (just fails 1.3);
    // Kq = (264·0.863636 + 54·1.5)/(27·5 + 120·1.733333) = 309/343 = 0.900875.
    // Base: N = 318, moment 309 − 343 = −34, e0 = |1 − (−34/318)| = 1.106918 > 2/6:
    // σmax = 2·318/(3·(1 − 1.106918)) < 0: the resultant lies outside the base.
    EXPECT_NEAR(r.stability.Kh, 1.297959, 1e-5);
    EXPECT_FALSE(r.stability.slidingOk);
    EXPECT_NEAR(r.stability.Kq, 0.900875, 1e-5);
    EXPECT_FALSE(r.stability.overturningOk);
    EXPECT_NEAR(r.stability.e0, 1.106918, 1e-5);

    // Section at the platform (y = -3): B1 = 1, W1 = 72 at 0.5 from the front point. The upper
    // thrust acts 1 m above the section on the back face, 1 m behind the front point:
    // e1 = 0.5 − (72·0.5 − 27·1)/72 = 0.375; σ = (1 ± 2.25)·72 = 234 and −90; τ1 = 27.
    const SectionResult& s = r.section;
    EXPECT_EQ(s.cut, SectionCut::kAtStep);
    EXPECT_FLOAT_EQ(s.B1, 1);
    EXPECT_NEAR(s.W1, 72, 1e-4);
    EXPECT_NEAR(s.Zw1, 0.5, 1e-6);
    EXPECT_NEAR(s.Zy, 1, 1e-5);
    EXPECT_NEAR(s.Zx, 1, 1e-5);
    EXPECT_NEAR(s.e1, 0.375, 1e-5);
    EXPECT_NEAR(s.sigmaMax, 234, 1e-3);
    EXPECT_NEAR(s.sigmaMin, -90, 1e-3);
    EXPECT_NEAR(s.tau1, 27, 1e-4);
}

// The section's arms are those of the thrust's point on the upper back face, measured from the
// section's front point: for the default wall (m1 0.31, front batter 0.05, top 0.8, h1 3.18)
// the platform section runs from x = -0.8 − 0.05·3.18 = -0.959 to x = 0.31·3.18 = 0.9858; the
// thrust at z above the platform sits at x = 0.31·(3.18 − z).
TEST(ShelfWallAnalysis, SectionArmsReferToTheSection) {
    WallCase c = DefaultCase(kShelf);
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    ShelfWallResult r = ShelfWallAnalysis(c, kb);
    const double z = r.pressure.thrustHeight;
    EXPECT_GT(z, 0);
    EXPECT_LT(z, 3.18);
    EXPECT_NEAR(r.section.B1, 0.9858 + 0.959, 1e-5);
    EXPECT_NEAR(r.section.Zy, z, 1e-6);
    EXPECT_NEAR(r.section.Zx, 0.31 * (3.18 - z) + 0.959, 1e-5);
    // Moments about the section's front point by hand from these arms.
    const SectionResult& s = r.section;
    const double e1 = s.B1 / 2 - (s.W1 * s.Zw1 + s.Ey * s.Zx - s.Ex * s.Zy) / (s.W1 + s.Ey);
    EXPECT_NEAR(s.e1, e1, 1e-5);
    EXPECT_LT(s.e1, s.B1 / 2);  // the resultant stays within the section
}

// Default shelf wall: Coulomb's coefficient by hand, φ 30°, δ 15°, β 11.31°.
// Upper α1 = atan 0.31 = 17.2234°: cos²(12.7766°) = 0.951052, cos²α1 = 0.912075,
// cos(32.2234°) = 0.845974, root √(0.707107·0.320458/(0.845974·0.994700)) = 0.519048,
// Ka1 = 0.951052/(0.912075·0.845974·2.307507) = 0.534165.
// Lower α2 = atan(−0.25) = −14.0362°: Ka2 = 0.516948/(0.941176·0.999858·2.252307) = 0.243895.
TEST(ShelfWallAnalysis, DefaultCoefficientsByHand) {
    WallCase c = DefaultCase(kShelf);
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    ShelfWallResult r = ShelfWallAnalysis(c, kb);
    EXPECT_NEAR(r.pressure.Ka1, 0.534165, 2e-4);
    EXPECT_NEAR(r.pressure.Ka2, 0.243895, 2e-4);
    // Whichever theory the page names, the shelf wall takes Coulomb's coefficient.
    c.soil.m_nTheory = kRankine;
    kb.outline = BuildWallOutline(c);
    EXPECT_EQ(ShelfWallAnalysis(c, kb).pressure.Ka1, r.pressure.Ka1);
}

// The strip surcharge on the hand wall (h1 = 3, H = 7), vertical backs, δ = 0, φ = 30°. Upper wall:
// the wedges from the platform's inner corner, E(ρ) = (γh1²·cotρ/2 + q·L(ρ))·tan(ρ − φ) with L the
// strip on the wedge, maximised over ρ; the strip's band lies between d·tanρ and (d + l0)·tanρ (cut at
// the platform) with q·tan(ρ − φ)/tanρ, the soil's rest at h1/3. Lower wall: the soil with the upper
// soil as a load γh1 (120 at 1.733333), and on the lower back extended to the ground (x = 1, H = 7) the
// strip's rise of its thrust over γH²/6 = 147, spread evenly between the lines from the strip's edges
// at the unloaded plane 60°, of which the part below the platform's depth 3: with the strip from 0 to
// 2 m, (2·tan60° − 3)/(2·tan60°) = 0.133975 of 159.019258 − 147 at a depth of 3.232051. Maxima found
// independently by a scan: upper ρ = 63.435° (d 0.5, l0 1) and 56.409° (d 1); lower 62.029°, 60.255°,
// 60.000°. The widest strip gives q·Ka·h2 = 13.333, the uniform load's share.
TEST(ShelfPressure, SurchargeOnBothWalls) {
    struct Row {
        std::string name;
        float q, width, offset;
        double E1, z, E2, Z2y;
    };
    const std::vector<Row> rows = {
        {"none", 0, 4, 0, 27, 1, 120, 208.0 / 120},
        {"upper only", 10, 1, 0.5f, 33.342829, 1.000000, 120.000000, 1.733333},
        {"ending at the platform", 10, 2, 1, 31.644896, 0.960623, 121.610275, 1.760274},
        {"reaching the lower wall", 10, 4, 1, 31.644896, 0.960623, 133.224594, 1.763368},
        {"below the base", 10, 10, 1, 31.644896, 0.960623, 133.333333, 1.760000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = HandShelf();
        test::SetLoad(c, row.q, row.width, row.offset);
        KernelBlock kb = test::LoadedBlock(c);
        ShelfPressureResult p = ShelfPressure(c, kb);
        EXPECT_NEAR(p.E1, row.E1, 1e-3);
        EXPECT_NEAR(p.thrustHeight, row.z, 1e-4);
        EXPECT_NEAR(p.E2, row.E2, 2e-3);
        EXPECT_NEAR(p.Z2y, row.Z2y, 1e-4);
        EXPECT_EQ(kb.lowerPressureX, p.E2x);
        EXPECT_EQ(kb.lowerArmY, p.Z2y);
        EXPECT_EQ(kb.extraWeight, p.extraWeight);
    }
}

// The platform soil reaches up to the wall top along the lower back batter: m2 = 0 puts that
// point above P6 (area 3, see the hand wall); m2 = -0.25 moves it to x = 1 + 0.75 = 1.75, giving
// a trapezoid (1 + 1.75)/2·3 = 4.125 m², Ws = 74.25, centroid x = (1·3·0.5 + 0.75·3/2·1.25)/4.125
// = 2.90625/4.125 = 0.704545, xs = 1.704545 from the toe.
TEST(ShelfPressure, PlatformSoilFollowsLowerBatter) {
    WallCase c = HandShelf();
    c.wall.m_fLowerBackSlope = -0.25f;
    KernelBlock kb = test::LoadedBlock(c);
    ShelfPressureResult p = ShelfPressure(c, kb);
    EXPECT_NEAR(p.extraWeight, 74.25, 1e-3);
    EXPECT_NEAR(p.extraWeightArm, 1.704545, 1e-5);
}

TEST(ShelfWallAnalysis, TwoLayersAndWaterByHand) {
    // The hand wall with the water table 2 m down (γsat 20, γw 10, apart) and a second layer from 5 m
    // (γ 19, γsat 21, φ 34°: Ka = tan²28° = 0.282715).
    // Upper back (3 m): p = 12 at 2 m, (36 + 10)/3 = 15.333 at the platform: E1 = 12 + 13.6667 = 25.6667;
    //   water 10·1²/2 = 5.
    // Platform soil 1 × 3: 18·2 + 20·1 = 56 at 1.5 m from the toe.
    // Lower back under σ0 = 18·2 + 10·1 = 46: layer 1 (3…5 m) 15.333 → 22, 37.3333; layer 2 (5…7 m)
    //   66·Ka = 18.659 → 88·Ka = 24.879, 43.5381: E2 = 80.8714, moment about the base 151.2426,
    //   Z2y = 1.870161. Water (10 + 50)/2·4 = 120; with the upper 5, 125 = 10·5²/2.
    // Uplift: heads 0 at the toe and 5 at the heel over B = 2: U = 50 at 2/3·2 = 1.3333 m.
    WallCase c = HandShelf();
    c.soil.m_afLayer[0][kLayerThickness] = 5;
    c.soil.m_afLayer[0][kLayerSaturatedWeight] = 20;
    c.soil.m_afLayer[1][kLayerUnitWeight] = 19;
    c.soil.m_afLayer[1][kLayerFriction] = 34;
    c.soil.m_afLayer[1][kLayerSaturatedWeight] = 21;
    c.settings.waterBehind = 2;
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    const ShelfWallResult r = ShelfWallAnalysis(c, kb);
    const ShelfPressureResult& p = r.pressure;
    ASSERT_EQ(p.status, PressureStatus::kOk);
    EXPECT_NEAR(p.E1, 25.6667, 2e-3);
    EXPECT_NEAR(r.water.Pw, 5, 1e-4);
    EXPECT_NEAR(p.extraWeight, 56, 1e-4);
    EXPECT_NEAR(p.extraWeightArm, 1.5, 1e-5);
    EXPECT_NEAR(p.sigma0, 46, 1e-4);
    EXPECT_NEAR(p.E2, 80.8714, 1e-3);
    EXPECT_NEAR(p.Z2y, 1.870161, 1e-5);
    EXPECT_NEAR(r.water.Pw2X, 120, 1e-3);
    EXPECT_NEAR(r.water.y2, 4.0 / 3 * 70 / 60, 1e-5);
    EXPECT_NEAR(r.water.U, 50, 1e-4);
    EXPECT_NEAR(r.water.ux, 4.0 / 3, 1e-5);
    // The section at the platform carries the upper back's water at a third of its metre.
    EXPECT_NEAR(r.section.Pw, 5, 1e-4);
    EXPECT_NEAR(r.section.Yw, 1.0 / 3, 1e-5);
}

TEST(ShelfWallAnalysis, DryWaterTableBelowTheBaseChangesNothing) {
    // A water table below the base takes the layered route through the lower wall; it must give the
    // closed form's thrust.
    WallCase c = HandShelf();
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    const ShelfWallResult dry = ShelfWallAnalysis(c, kb);
    c.settings.waterBehind = 20;
    kb.outline = BuildWallOutline(c);
    const ShelfWallResult low = ShelfWallAnalysis(c, kb);
    ASSERT_TRUE(low.pressure.layered);
    EXPECT_NEAR(low.pressure.E2, dry.pressure.E2, 1e-4);
    EXPECT_NEAR(low.pressure.Z2y, dry.pressure.Z2y, 1e-5);
    EXPECT_NEAR(low.stability.Kq, dry.stability.Kq, 1e-4);
    EXPECT_NEAR(low.stability.Kh, dry.stability.Kh, 1e-4);
}

}  // namespace
}  // namespace wall
