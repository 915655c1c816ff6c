// Base pressures and root moments of the base slab against hand calculations of simple walls.
#include <gtest/gtest.h>

#include <random>

#include "RcCase.h"
#include "rcdesign/BaseSlab.h"

using namespace wall;
using namespace wall::test;

namespace {

// The small wall of RcCase.h loaded by hand (Rankine, level ground, φ = 30°, Ka = 1/3, γ = 18):
// wall area 0.5·4.5 + 4·0.5 = 4.25 m², W = 102 kN/m, Zw = (2.25·1.25 + 2·2)/4.25 = 1.602941 m;
// soil on the heel 18·4.5·2.5 = 202.5 kN/m at 1.5 + 1.25 = 2.75 m; Ex = 18·5²/3/2 = 75 at 5/3 m,
// Ey = 0. Heel root 1.5 m from the toe; heel slab 2.5 × 0.5, 30 kN/m, 1.25 m from its root.
struct Loaded {
    WallCase c;
    KernelBlock kb;
    BaseLoads loads;
};

Loaded SmallWallLoaded() {
    Loaded l{SmallWall(kCantilever), {}, {}};
    PutOutline(l.c, l.kb);
    l.kb.wallUnitWeight = 24;
    l.loads.W = 102;
    l.loads.Zw = 6.8125f / 4.25f;
    l.loads.W1 = 202.5f;
    l.loads.Zw1 = 2.75f;
    l.loads.Es = 75;
    l.loads.Esx = 4;
    l.loads.Esy = 5.0f / 3;
    return l;
}

TEST(RcBaseSlab, SmallWallByHand) {
    // Standard: Mv = 720.375, Mh = 125, G = 304.5, e = 2 − 595.375/304.5 = 0.044745 (towards the toe),
    //   σmax,min = (1 ± 6e/4)·304.5/4 = 81.2344, 71.0156, pd = 77.4023, pb = 78.6797.
    //   Heel: loads 202.5·1.25 + 30·1.25 = 290.625 about the root, pressure 71.0156·2.5²/2 +
    //   6.3867·2.5²/6 = 228.577: Mdk = 62.048. Toe: pressure 78.6797/2 + 2.5547/3 = 40.1914, slab
    //   24·1·0.5·0.5 = 6: Mbk = 34.191.
    // Basic combinations (no variable load): the pressures are 1.35 and 1.3 times the standard ones.
    //   Heel top in tension: its loads are unfavourable and take γG, the pressure under it favourable
    //   and takes 1.0 (GB 55001-2021 §3.1.13): Md = 1.35·290.625 − 228.577 = 163.767 (1.3: 149.236).
    //   Toe bottom in tension: the pressure takes γG, the slab 1.0: Mb = 1.35·40.1914 − 6 = 48.258.
    Loaded l = SmallWallLoaded();
    BaseSlabResult r = BaseSlabDesign(l.c, l.loads, l.kb);
    EXPECT_FLOAT_EQ(r.B, 4);
    const BasePressures& k = r.standard;
    EXPECT_NEAR(k.Mv, 720.375, 2e-3);
    EXPECT_NEAR(k.Mh, 125, 1e-3);
    EXPECT_NEAR(k.G, 304.5, 1e-3);
    EXPECT_NEAR(k.e, 0.044745, 1e-5);
    EXPECT_FALSE(k.towardsHeel);
    EXPECT_NEAR(k.sigmaMax, 81.2344, 1e-3);
    EXPECT_NEAR(k.sigmaMin, 71.0156, 1e-3);
    EXPECT_NEAR(k.pd, 77.4023, 1e-3);
    EXPECT_NEAR(k.pb, 78.6797, 1e-3);
    for (int i = 0; i < 2; ++i) {
        const double g = i == 0 ? 1.35 : 1.3;
        EXPECT_NEAR(r.design[i].sigmaMax, g * 81.2344, 2e-3);
        EXPECT_NEAR(r.design[i].sigmaMin, g * 71.0156, 2e-3);
    }
    EXPECT_NEAR(r.heelM[0], 163.767, 5e-3);
    EXPECT_NEAR(r.heelM[1], 149.236, 5e-3);
    EXPECT_NEAR(r.Md, 163.767, 5e-3);
    EXPECT_EQ(r.heel.combination, 0);
    EXPECT_NEAR(r.Mdk, 62.048, 5e-3);
    EXPECT_NEAR(r.Mb, 48.258, 5e-3);
    EXPECT_NEAR(r.Mbk, 34.191, 5e-3);
    EXPECT_EQ(l.kb.stressMax, k.sigmaMax);
    EXPECT_EQ(l.kb.stressMin, k.sigmaMin);
}

TEST(RcBaseSlab, SurchargeOnTheHeelCountsOnce) {
    // 10 kPa over 2 m of the heel, its middle 3.0 m from the toe: Wq = 20, apart from the soil.
    // Standard: G = 324.5, Mv − Mh = 780.375 − 125: the resultant 2.0196 m from the toe lies on the
    // heel's side, so σmax = 83.5156 is at the heel's end and σmin = 78.7344 at the toe.
    // Basic 1.35G + 1.4Q: G = 1.35·304.5 + 1.4·20 = 439.075 (the surcharge once).
    Loaded l = SmallWallLoaded();
    l.loads.Wq = 20;
    l.loads.Zwq = 3;
    BaseSlabResult r = BaseSlabDesign(l.c, l.loads, l.kb);
    EXPECT_NEAR(r.standard.G, 324.5, 1e-3);
    EXPECT_TRUE(r.standard.towardsHeel);
    EXPECT_NEAR(r.standard.sigmaMax, 83.5156, 1e-3);
    EXPECT_NEAR(r.standard.sigmaMin, 78.7344, 1e-3);
    EXPECT_NEAR(r.standard.pd, 80.5273, 1e-3);
    EXPECT_NEAR(r.design[0].G, 439.075, 2e-3);
    EXPECT_NEAR(r.design[0].Mv, 1056.506, 3e-3);
    EXPECT_NEAR(r.Mdk, 62.751, 5e-3);
}

TEST(RcBaseSlab, PartialContactTriangle) {
    // The resultant beyond the middle third: the pressure is a triangle over 3(B/2 − e) from the toe
    // and nothing beyond (GB 50007-2011 §5.2.2).
    // The small wall with Ex = 300 at 5/3: G = 304.5, e = 2 − (720.375 − 500)/304.5 = 1.276273,
    //   Lc = 3·(2 − 1.276273) = 2.171182, σmax = 2·304.5/(3·0.723727) = 280.492,
    //   pd = 280.492·(1 − 1.5/2.171182) = 86.709, pb = 280.492·(1 − 1/2.171182) = 151.304;
    //   the heel's pressure about its root: 86.709·0.671182²/6 = 6.5102.
    Loaded l = SmallWallLoaded();
    l.loads.Es = 300;
    BaseSlabResult r = BaseSlabDesign(l.c, l.loads, l.kb);
    const BasePressures& k = r.standard;
    EXPECT_TRUE(k.zeroStressZone);
    EXPECT_NEAR(k.contact, 2.171182, 1e-5);
    EXPECT_NEAR(k.sigmaMax, 280.492, 2e-3);
    EXPECT_NEAR(k.pd, 86.709, 2e-3);
    EXPECT_NEAR(k.pb, 151.304, 2e-3);
    EXPECT_NEAR(k.heelMoment, 6.5102, 1e-3);

    // The review's wall: B = 3.35, B1 = 0.30, B2 = 2.70, the resultant 0.69 m from the middle: contact
    // over 2.955 m, and under G = 664.8 σmax = 449.949, pd = 449.949·(1 − 0.65/2.955) = 350.98 kPa
    // (a straight line over the whole base gave 362.62), the heel's pressure moment 310.79 kN·m/m.
    Loaded w = SmallWallLoaded();
    w.c.wall.m_fToeWidth = 0.3f;
    w.c.wall.m_fHeelWidth = 2.7f;
    w.c.wall.m_fTopWidth = 0.35f;
    PutOutline(w.c, w.kb);
    w.loads = {};
    w.loads.W = 664.8f;
    w.loads.Zw = 0.985f;
    BaseSlabResult v = BaseSlabDesign(w.c, w.loads, w.kb);
    EXPECT_NEAR(v.B, 3.35, 1e-5);
    EXPECT_NEAR(v.standard.contact, 2.955, 1e-4);
    EXPECT_NEAR(v.standard.sigmaMax, 449.949, 0.01);
    EXPECT_NEAR(v.standard.pd, 350.98, 0.01);
    EXPECT_NEAR(v.standard.pb, 404.27, 0.01);
    EXPECT_NEAR(v.standard.heelMoment, 310.79, 0.01);
}

// Random loads: the pressure at each root is the contact triangle's (or the trapezoid's) value,
// the pressures balance G, and no design moment is smaller than its characteristic one.
TEST(RcBaseSlab, PressuresBalanceAndDesignNeverBelowCharacteristic) {
    std::mt19937 rng(7);
    auto uni = [&](double a, double b) {
        return static_cast<float>(std::uniform_real_distribution<double>(a, b)(rng));
    };
    for (int n = 0; n < 200; ++n) {
        Loaded l = SmallWallLoaded();
        l.loads.W = uni(50, 200);
        l.loads.Zw = uni(0.5, 3.5);
        l.loads.W1 = uni(0, 300);
        l.loads.Wq = uni(0, 40);
        l.loads.Zwq = uni(1.6, 4);
        l.loads.Es = uni(0, 250);
        l.loads.Eq = uni(0, 60);
        l.loads.Eqy = uni(0.5, 4.5);
        l.loads.Eqx = 4;
        BaseSlabResult r = BaseSlabDesign(l.c, l.loads, l.kb);
        if (!r.PressuresKnown()) continue;
        SCOPED_TRACE(n);
        for (const BasePressures* p : {&r.standard, &r.design[0], &r.design[1]}) {
            const double area =
                p->zeroStressZone ? p->sigmaMax * p->contact / 2 : (p->sigmaMax + p->sigmaMin) * 2;
            EXPECT_NEAR(area, p->G, 1e-3 * p->G);
            if (p->zeroStressZone && !p->towardsHeel) {
                EXPECT_NEAR(p->pd, std::max(0.0, p->sigmaMax * (1 - 1.5 / p->contact)), 1e-3 * p->sigmaMax);
                EXPECT_NEAR(p->pb, std::max(0.0, p->sigmaMax * (1 - 1.0 / p->contact)), 1e-3 * p->sigmaMax);
            }
        }
        EXPECT_GE(std::fabs(r.Md), std::fabs(r.Mdk) - 1e-3);
        EXPECT_GE(std::fabs(r.Mb), std::fabs(r.Mbk) - 1e-3);
    }
}

TEST(RcBaseSlab, BatteredStemHeelWeightFromItsRoot) {
    // A back batter of 0.1 moves the heel's root to x7 = 0.1·4.5 = 0.45; the heel slab (2.5 × 0.5, 30 kN/m)
    // still acts 1.25 m from its root. B = 4.45, root at 1.95 from the toe, soil W1 at 3.2 m.
    // Mvk = 202.5·3.2 + 102·1.602941 = 811.5, Mhk = 125, Gk = 304.5: the resultant 686.5/304.5 = 2.254516
    // from the toe lies past the middle (2.225), e = 0.029516 towards the heel, so σmax = 71.1501 at the
    // heel's end and σmin = 65.7038 at the toe; pd = 65.7038 + 5.4463·1.95/4.45 = 68.0904,
    // Mdk = 1.25·202.5 + 30·1.25 − 68.0904·3.125 − 3.0597·6.25/3 = 71.468.
    Loaded l = SmallWallLoaded();
    l.c.wall.m_fBackSlope = 0.1f;
    PutOutline(l.c, l.kb);
    l.loads.Zw1 = 3.2f;
    l.loads.Esx = 4.45f;
    BaseSlabResult r = BaseSlabDesign(l.c, l.loads, l.kb);
    EXPECT_NEAR(r.B, 4.45, 1e-5);
    EXPECT_NEAR(r.standard.sigmaMax, 71.1501, 0.002);
    EXPECT_NEAR(r.standard.sigmaMin, 65.7038, 0.002);
    EXPECT_TRUE(r.standard.towardsHeel);
    EXPECT_NEAR(r.standard.pd, 68.0904, 0.002);
    EXPECT_NEAR(r.Mdk, 71.468, 0.005);
}

}  // namespace
