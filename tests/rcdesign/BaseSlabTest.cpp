// Base pressures and root moments of the base slab against hand calculations of simple walls.
#include <gtest/gtest.h>

#include "RcCase.h"
#include "rcdesign/BaseSlab.h"

using namespace wall;
using namespace wall::test;

namespace {

// The small wall of RcCase.h loaded by hand (Rankine, level ground, φ = 30°, Ka = 1/3, γ = 18):
// wall area 0.5·4.5 + 4·0.5 = 4.25 m², W = 102 kN/m, Zw = (2.25·1.25 + 2·2)/4.25 = 1.602941 m;
// soil on the heel 18·4.5·2.5 = 202.5 kN/m at 1.5 + 1.25 = 2.75 m; E1s = 18·4.5²/3/2 = 60.75 at 1.5 m
// above the slab; Ex = 18·5²/3/2 = 75 at 5/3 m, Ey = 0, Zx = B = 4 m.
struct Loaded {
    WallCase c;
    KernelBlock kb;
    StemLoads s;
};

Loaded SmallWallLoaded(float Wq = 0, float zW = 0) {
    Loaded l{SmallWall(kCantilever), {}, {}};
    PutOutline(l.c, l.kb);
    l.kb.wallWeight = 102;
    l.kb.wallWeightArm = 6.8125f / 4.25f;
    l.kb.wallUnitWeight = 24;
    l.kb.pressureX = 75;
    l.kb.pressureY = 0;
    l.kb.armX = 4;
    l.kb.armY = 5.0f / 3;
    l.s.soilThrust = 60.75f;
    l.s.soilThrustArm = 1.5f;
    l.s.heelLoad = Wq;
    l.s.heelLoadArm = zW;
    l.s.heelWeight = 202.5f + Wq;
    l.s.heelWeightArm = (202.5f * 2.75f + Wq * zW) / (202.5f + Wq);
    return l;
}

TEST(RcBaseSlab, RankineLevelGroundByHand) {
    // Design combination (ψ = 0, so no vertical thrust):
    //   Mv = 1.35·(202.5·2.75 + 102·1.602941) = 972.506, Mh = 1.35·60.75·(1.5 + 0.5) = 164.025,
    //   G = 1.35·(102 + 202.5) = 411.075, e = |2 - (972.506 - 164.025)/411.075| = 0.033251 <= 4/6,
    //   σmax,min = (1 ± 6·0.033251/4)·411.075/4 = 107.8945, 97.6430,
    //   pd = 10.2516·2.5/4 + 97.6430 = 104.0502, pb = 10.2516·3/4 + 97.6430 = 105.3316.
    //   Heel slab 2.5 × 0.5 at 1.25 from the root: 30 kN/m.
    //   Md = 1.25·202.5·1.35 + 30·1.25·1.35 - 97.6430·2.5²/2 - 6.4072·2.5²/6 = 80.535,
    //   Mb = 105.3316/2 + (107.8945 - 105.3316)/3 - 1.35·24·0.5/2 = 45.420.
    // Standard combination: Mvk = 720.375, Mhk = 75·5/3 = 125, Gk = 304.5, e = 0.044745,
    //   σmax,min = 81.2344, 71.0156, pd = 77.4023, pb = 78.6797,
    //   Mdk = 1.25·202.5 + 37.5 - 71.0156·3.125 - 6.3867·6.25/6 = 62.048, Mbk = 34.191.
    Loaded l = SmallWallLoaded();
    BaseSlabResult r = BaseSlabDesign(l.c, l.s, l.kb);
    EXPECT_FLOAT_EQ(r.B, 4);
    struct Row {
        const char* what;
        const BasePressures& p;
        double Mv, Mh, G, e, smax, smin, pd, pb;
    };
    const Row rows[] = {
        {"design", r.design, 972.506, 164.025, 411.075, 0.033251, 107.8945, 97.6430, 104.0502, 105.3316},
        {"standard", r.standard, 720.375, 125.0, 304.5, 0.044745, 81.2344, 71.0156, 77.4023, 78.6797},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_NEAR(row.p.Mv, row.Mv, 0.002);
        EXPECT_NEAR(row.p.Mh, row.Mh, 0.002);
        EXPECT_NEAR(row.p.G, row.G, 0.002);
        EXPECT_NEAR(row.p.e, row.e, 1e-5);
        EXPECT_FALSE(row.p.zeroStressZone);
        EXPECT_NEAR(row.p.sigmaMax, row.smax, 0.002);
        EXPECT_NEAR(row.p.sigmaMin, row.smin, 0.002);
        EXPECT_NEAR(row.p.pd, row.pd, 0.002);
        EXPECT_NEAR(row.p.pb, row.pb, 0.002);
    }
    EXPECT_NEAR(r.Md, 80.535, 0.005);
    EXPECT_NEAR(r.Mb, 45.420, 0.005);
    EXPECT_NEAR(r.Mdk, 62.048, 0.005);
    EXPECT_NEAR(r.Mbk, 34.191, 0.005);
    // The block keeps the standard combination's pressures.
    EXPECT_EQ(l.kb.stressMax, r.standard.sigmaMax);
    EXPECT_EQ(l.kb.stressMin, r.standard.sigmaMin);
}

TEST(RcBaseSlab, SurchargeOnTheHeelInBothCombinations) {
    // 10 kPa over 2 m of the heel, its middle 3.0 m from the toe: Wq = 20 inside W1 = 222.5 at
    // Zw1 = (202.5·2.75 + 20·3)/222.5 = 2.772472.
    // Design: W1 with 1.35 and the same surcharge again as Wq with 1.4:
    //   G = 1.35·(102 + 222.5) + 1.4·20 = 466.075, Mv = 1.35·(616.875 + 163.5) + 1.4·20·3 = 1137.506,
    //   e = |2 - (1137.506 - 164.025)/466.075| = 0.088679, σmax,min = 132.0180, 101.0195,
    //   pd = 120.3936, pb = 124.2684,
    //   Md = 1.4·20·1.5 + 1.35·222.5·1.272472 + 1.35·30·1.25 - 101.0195·3.125 - 19.3741·6.25/6 = 138.976,
    //   Mb = 124.2684/2 + 7.7496/3 - 8.1 = 56.617.
    // Standard: Gk = 324.5, Mvk = 780.375, e = 0.019646, σmax,min = 83.5156, 78.7344,
    //   Mdk = 1.272472·222.5 + 37.5 - 78.7344·3.125 - 4.7812·6.25/6 = 71.467 (the surcharge once, inside W1).
    Loaded l = SmallWallLoaded(20, 3.0f);
    BaseSlabResult r = BaseSlabDesign(l.c, l.s, l.kb);
    EXPECT_NEAR(r.design.G, 466.075, 0.002);
    EXPECT_NEAR(r.design.Mv, 1137.506, 0.003);
    EXPECT_NEAR(r.design.sigmaMax, 132.0180, 0.002);
    EXPECT_NEAR(r.design.sigmaMin, 101.0195, 0.002);
    EXPECT_NEAR(r.Md, 138.976, 0.005);
    EXPECT_NEAR(r.Mb, 56.617, 0.005);
    EXPECT_NEAR(r.standard.G, 324.5, 0.002);
    EXPECT_NEAR(r.standard.sigmaMax, 83.5156, 0.002);
    EXPECT_NEAR(r.standard.sigmaMin, 78.7344, 0.002);
    EXPECT_NEAR(r.Mdk, 71.467, 0.005);
    EXPECT_NEAR(r.Mbk, 35.559, 0.005);
}

TEST(RcBaseSlab, EccentricityAtAndBeyondOneSixth) {
    // Standard combination, Gk = 102 + 202.5 = 304.5.
    // W at 1.5 m (Mvk = 202.5·2.75 + 102·1.5 = 709.875) and Ex·Zy = 303.875·1 put the resultant at
    // 406/304.5 = B/3 from the toe, e = B/6: trapezoid with σmin = 0, σmax = 2·304.5/4 = 152.25,
    // pd = 152.25·2.5/4 = 95.156, pb = 152.25·3/4 = 114.188.
    // W at 1.602941 (Mvk = 720.375) and Ex = 300 at 5/3 (Mhk = 500): e = |2 - 220.375/304.5| = 1.27627 > 4/6:
    // σmax = (2·304.5/3)/(2 - 1.27627) = 280.49, σmin = 0, pd = 280.49·2.5/4 = 175.31, pb = 280.49·3/4 =
    // 210.37.
    struct Row {
        float Zw, Ex, Zy;
        bool zone;
        double smax, pd, pb;
    };
    const Row rows[] = {{1.5f, 303.875f, 1, false, 152.25, 95.156, 114.188},
                        {6.8125f / 4.25f, 300, 5.0f / 3, true, 280.49, 175.31, 210.37}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Ex);
        Loaded l = SmallWallLoaded();
        l.kb.wallWeightArm = row.Zw;
        l.kb.pressureX = row.Ex;
        l.kb.armY = row.Zy;
        BaseSlabResult r = BaseSlabDesign(l.c, l.s, l.kb);
        EXPECT_EQ(r.standard.zeroStressZone, row.zone);
        EXPECT_NEAR(r.standard.sigmaMax, row.smax, 0.01);
        EXPECT_NEAR(r.standard.sigmaMin, 0, 0.01);
        EXPECT_NEAR(r.standard.pd, row.pd, 0.01);
        EXPECT_NEAR(r.standard.pb, row.pb, 0.01);
    }
}

TEST(RcBaseSlab, CoulombThrustActsOnTheInclinedBack) {
    // Coulomb: the vertical components act where the inclined back passes the thrusts' heights,
    // z' = B - z·B2/H. With ψ = 90° (all vertical, cosψ = 0, only for the test) and E1s = 10 at
    // z1 = 1.5: z1' = 4 - 1.5·2.5/5 = 3.25, so Mv grows by 1.35·10·3.25 = 43.875 and G by 13.5, Mh = 0.
    Loaded l = SmallWallLoaded();
    l.c.soil.m_nTheory = kCoulomb;
    l.s.soilThrust = 10;
    l.s.thrustAngle = 3.14159265f / 2;
    BaseSlabResult r = BaseSlabDesign(l.c, l.s, l.kb);
    EXPECT_NEAR(r.design.Mv, 972.506 + 43.875, 0.003);
    EXPECT_NEAR(r.design.G, 411.075 + 13.5, 0.002);
    EXPECT_NEAR(r.design.Mh, 0, 1e-5);
}

TEST(RcBaseSlab, BatteredStemHeelWeightFromItsRoot) {
    // A back batter of 0.1 moves the heel's root to x7 = 0.1·4.5 = 0.45; the heel slab (2.5 × 0.5, 30 kN/m)
    // still acts 1.25 m from its root, not 0.45 + 1.25 from the top back corner. Same forces as the
    // vertical stem (loaded by hand), with the wider base.
    // Hand: same as the vertical stem except B = 4.45, root at 4.45 - 2.5 = 1.95 from the toe, soil W1 at
    // 1.95 + 1.25 = 3.2 m. Mvk = 202.5·3.2 + 102·1.602941 = 811.5, Mhk = 125, Gk = 304.5,
    // e = |2.225 - 686.5/304.5| = 0.029516, σmax,min = (1 ± 6·0.029516/4.45)·304.5/4.45 = 71.1501, 65.7038,
    // pd = 5.4463·2.5/4.45 + 65.7038 = 68.7635,
    // Mdk = 1.25·202.5 + 30·1.25 - 65.7038·3.125 - 3.0597·6.25/6 = 82.113.
    Loaded l = SmallWallLoaded();
    l.c.wall.m_fBackSlope = 0.1f;
    PutOutline(l.c, l.kb);
    l.s.heelWeightArm = 3.2f;
    BaseSlabResult r = BaseSlabDesign(l.c, l.s, l.kb);
    EXPECT_NEAR(r.B, 4.45, 1e-5);
    EXPECT_NEAR(r.standard.sigmaMax, 71.1501, 0.002);
    EXPECT_NEAR(r.standard.sigmaMin, 65.7038, 0.002);
    EXPECT_NEAR(r.standard.pd, 68.7635, 0.002);
    EXPECT_NEAR(r.Mdk, 82.113, 0.005);
}

}  // namespace
