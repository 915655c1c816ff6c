// The design sequences of cantilever and counterfort walls against hand calculations of a small wall.
#include <gtest/gtest.h>

#include <cmath>

#include "RcCase.h"
#include "analysis/geometry/WallOutline.h"
#include "rcdesign/CantileverDesign.h"
#include "rcdesign/CounterfortDesign.h"

using namespace wall;
using namespace wall::test;

namespace {

// The small wall of RcCase.h, Rankine, level ground, no surcharge, φ = 30°, γ = 18 (Ka = 1/3): its loads
// and base slab by hand are in ImaginaryBackTest.cpp and BaseSlabTest.cpp: E1s = 60.75 at 1.5 m,
// Mb = 48.258, Mbk = 34.191, Md = 163.767, Mdk = 62.048, standard σmin = 71.0156 (1.35G governs).

TEST(RcCantilever, SmallWallSequence) {
    // Stem: M = 1.35·60.75·1.5 = 123.019, Mk = 60.75·1.5 = 91.125, depth X7 - X2 = 0.5 (h0 = 475 with
    // c = 20, deq = 10). C25/HRB335: As = (1 - √(1 - 2·123.019e6/(11.9·1000·475²)))·11.9·1000·475/300
    // = 884.03 mm², ρ = 0.177 % of b·h below ρmin = 0.20 % (GB 50010-2010 §8.5.1): As = 1000 mm²;
    // σs = 91.125e6/(0.87·1000·475) = 220.51, ψ = 1.1 − 0.65·1.78/2.2051 = 0.5753,
    // ω = 1.9·0.5753·220.51/2e5·(38 + 80) = 0.1422 mm <= 0.2.
    WallCase c = SmallWall(kCantilever);
    KernelBlock kb;
    PutOutline(c, kb);
    CantileverResult r = CantileverDesign(c, kb);
    EXPECT_NEAR(r.stemDepth, 0.5, 1e-6);
    EXPECT_NEAR(r.M, 123.019, 0.002);
    EXPECT_NEAR(r.Mk, 91.125, 0.002);
    EXPECT_NEAR(r.slab.Mb, 48.258, 0.005);
    EXPECT_NEAR(r.slab.Md, 163.767, 0.005);

    struct Row {
        const char* name;
        double h, M, Mk;
    };
    const Row rows[] = {
        {"stem", 0.5, 123.019, 91.125}, {"toe", 0.5, 48.258, 34.191}, {"heel", 0.5, 163.767, 62.048}};
    for (size_t i = 0; i < r.sections.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        const ReinforcementResult& s = r.sections[i].result;
        EXPECT_EQ(r.sections[i].name, rows[i].name);
        EXPECT_EQ(s.kind, SectionKind::kStrip);
        EXPECT_NEAR(s.h, rows[i].h, 1e-6);
        EXPECT_NEAR(s.M, rows[i].M, 0.005);
        EXPECT_NEAR(s.Mk, rows[i].Mk, 0.005);
        EXPECT_TRUE(s.designed);
    }
    EXPECT_NEAR(r.sections[0].result.designArea, 884.03, 0.05);
    EXPECT_NEAR(r.sections[0].result.area, 1000, 0.01);
    EXPECT_NEAR(r.sections[0].result.areaCrackWidth, 0.1422, 0.0002);
}

TEST(RcCantilever, NegativeHeelMomentIsDesignedWithItsMagnitude) {
    // The small wall with almost weightless soil (γ = 0.01, the smallest the table shows; its pressure and
    // weight move the moments by a few tenths): only the wall's weight, W = 102 at 1.602941 m.
    // Standard: e = 2 − 1.602941 = 0.397059, σmax,min = (1 ± 6·0.397059/4)·25.5 = 40.6875, 10.3125,
    // pd = 29.2969; the pressure under the heel about its root 10.3125·3.125 + 18.9844·6.25/6 = 52.002
    // against the slab's 30·1.25 = 37.5: Mdk = −14.50. The pressure governs (bottom in tension) and takes
    // 1.35, the slab 1.0: Md = 37.5 − 1.35·52.002 = −32.70, reinforced for its magnitude.
    WallCase c = SmallWall(kCantilever);
    c.soil.m_afLayer[0][kLayerUnitWeight] = 0.01f;
    KernelBlock kb;
    PutOutline(c, kb);
    CantileverResult r = CantileverDesign(c, kb);
    EXPECT_NEAR(r.slab.Mdk, -14.50, 0.3);
    EXPECT_NEAR(r.slab.Md, -32.70, 0.5);
    EXPECT_EQ(r.sections[2].result.M, -r.slab.Md);
    EXPECT_TRUE(r.sections[2].result.designed);
}

TEST(RcCantilever, DefaultCaseDepths) {
    // Default cantilever: top width 0.35, back batter 0, toe height 0.6: stem depth X7 - X2 = 0.35,
    // both slabs 0.6 (the outline as the program builds it).
    WallCase c = DefaultCase(kCantilever);
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    CantileverResult r = CantileverDesign(c, kb);
    EXPECT_NEAR(r.sections[0].result.h, 0.35, 1e-6);
    EXPECT_NEAR(r.sections[0].result.h0, 325, 1e-3);
    EXPECT_NEAR(r.sections[1].result.h, 0.6, 1e-6);
    EXPECT_NEAR(r.sections[2].result.h, 0.6, 1e-6);
}

TEST(RcCounterfort, SmallWallSequence) {
    // Hc = 4.5, L = 3 - 0.2 = 2.8, Ka = 1/3, γ = 18, no surcharge:
    // σpj = 18·4.5/3/2 = 13.5, Q = 1.35·13.5·1.4 = 25.515, Mk中 = 13.5·2.8²/20 = 5.292, M中 = 7.1442,
    // Mk端 = -13.5·2.8²/12 = -8.82, M端 = -11.907; σ' = 27, Mk底 = -0.03·27·4.5·2.8 = -10.206,
    // M底 = -13.7781, Mk正 = 2.5515, M正 = 3.4445.
    // Heel: the pressure at its end is favourable and keeps its characteristic 71.0156:
    // σw = 2.4·48.258/2.5² + 1.35·(24·2.5·0.5 + 202.5)/2.5 - 71.0156 = 73.066,
    // σwk = 2.4·34.191/2.5² + 232.5/2.5 - 71.0156 = 35.114, Q = 102.292, M中 = 73.066·7.84/20 = 28.642,
    // Mk中 = 13.765, M端 = -47.736, Mk端 = -22.941.
    WallCase c = SmallWall(kCounterfort);
    KernelBlock kb;
    PutOutline(c, kb);
    CounterfortResult r = CounterfortDesign(c, kb);
    EXPECT_NEAR(r.panelHeight, 4.5, 1e-6);
    EXPECT_NEAR(r.panelDepth, 0.5, 1e-6);
    EXPECT_NEAR(r.sigmaPj, 13.5, 1e-3);
    EXPECT_NEAR(r.L, 2.8, 1e-6);
    EXPECT_NEAR(r.panelQ, 25.515, 1e-3);
    EXPECT_NEAR(r.panelMidMk, 5.292, 1e-3);
    EXPECT_NEAR(r.panelMidM, 7.1442, 1e-3);
    EXPECT_NEAR(r.panelEndMk, -8.82, 1e-3);
    EXPECT_NEAR(r.panelEndM, -11.907, 1e-3);
    EXPECT_NEAR(r.sigmaFoot, 27, 1e-3);
    EXPECT_NEAR(r.panelFootMk, -10.206, 1e-3);
    EXPECT_NEAR(r.panelFootM, -13.7781, 1e-3);
    EXPECT_NEAR(r.panelPosMk, 2.5515, 1e-3);
    EXPECT_NEAR(r.panelPosM, 3.4445, 1e-3);
    EXPECT_NEAR(r.slab.Mb, 48.258, 0.005);
    EXPECT_NEAR(r.sigmaW, 73.066, 0.005);
    EXPECT_NEAR(r.sigmaWk, 35.114, 0.005);
    EXPECT_NEAR(r.heelQ, 102.292, 0.005);
    EXPECT_NEAR(r.heelMidM, 28.642, 0.005);
    EXPECT_NEAR(r.heelMidMk, 13.765, 0.005);
    EXPECT_NEAR(r.heelEndM, -47.736, 0.005);
    EXPECT_NEAR(r.heelEndMk, -22.941, 0.005);

    // Counterforts at 1.5, 3, 4.5 m: Hs = x·2.5/4.5 + 0.5, BT = 2.8·x/4.5 + 0.2; one counterfort carries
    // 3 m of wall: Mk = 3·27·x³/(6·4.5) = 3·x³, M = 1.35·Mk, Q = 1.35·3·27·x²/9 = 12.15·x².
    struct Cf {
        double x, Hs, BT, Q, M, Mk;
    };
    const Cf cf[] = {{1.5, 1.33333, 1.13333, 27.3375, 13.66875, 10.125},
                     {3.0, 2.16667, 2.06667, 109.35, 109.35, 81.0},
                     {4.5, 3.0, 3.0, 246.0375, 369.05625, 273.375}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const CounterfortSection& s = r.counterfort[i];
        EXPECT_NEAR(s.x, cf[i].x, 1e-5);
        EXPECT_NEAR(s.width, 0.2, 1e-6);
        EXPECT_NEAR(s.height, cf[i].Hs, 1e-5);
        EXPECT_NEAR(s.flangeWidth, cf[i].BT, 1e-5);
        EXPECT_NEAR(s.flangeThickness, 0.5, 1e-6);
        EXPECT_NEAR(s.Q, cf[i].Q, 0.005);
        EXPECT_NEAR(s.M, cf[i].M, 0.005);
        EXPECT_NEAR(s.Mk, cf[i].Mk, 0.005);
    }

    // Report order, with magnitudes for the panel and the heel.
    struct Row {
        const char* name;
        SectionKind kind;
        double h, M, Mk;
    };
    const Row rows[] = {
        {"panelSpan", SectionKind::kStrip, 0.5, 7.1442, 5.292},
        {"panelEnds", SectionKind::kStrip, 0.5, 11.907, 8.82},
        {"panelPositive", SectionKind::kStrip, 0.5, 3.4445, 2.5515},
        {"panelFoot", SectionKind::kStrip, 0.5, 13.7781, 10.206},
        {"toe", SectionKind::kStrip, 0.5, 48.258, 34.191},
        {"heelSpan", SectionKind::kStrip, 0.5, 28.642, 13.765},
        {"heelEnds", SectionKind::kStrip, 0.5, 47.736, 22.941},
        {"counterfort1", SectionKind::kTee, 1.33333, 13.66875, 10.125},
        {"counterfort2", SectionKind::kTee, 2.16667, 109.35, 81.0},
        {"counterfort3", SectionKind::kTee, 3.0, 369.05625, 273.375},
    };
    for (size_t i = 0; i < r.sections.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        const ReinforcementResult& s = r.sections[i].result;
        EXPECT_EQ(r.sections[i].name, rows[i].name);
        EXPECT_EQ(s.kind, rows[i].kind);
        EXPECT_NEAR(s.h, rows[i].h, 1e-5);
        EXPECT_NEAR(s.M, rows[i].M, 0.005);
        EXPECT_NEAR(s.Mk, rows[i].Mk, 0.005);
        EXPECT_TRUE(s.designed);
        EXPECT_TRUE(s.crackLimitMet);
    }
    EXPECT_NEAR(r.sections[9].result.bf, 3.0, 1e-5);
    EXPECT_NEAR(r.sections[9].result.hf, 0.5, 1e-6);
}

TEST(RcCounterfort, DefaultCaseGeometry) {
    // Default counterfort: spacing 3, thickness 0.2: L = 2.8; H = 8, H1 = 0.6: Hc = 7.4; the last section at
    // x = Hc has Hs = B2 + t = 2.7 + 0.3 and BT = L + b = 3.0; the panel's depth is the top width 0.3.
    WallCase c = DefaultCase(kCounterfort);
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    CounterfortResult r = CounterfortDesign(c, kb);
    EXPECT_NEAR(r.L, 2.8, 1e-6);
    EXPECT_NEAR(r.panelDepth, 0.3, 1e-6);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(r.counterfort[i].x, (i + 1) * 7.4 / 3, 1e-5);
    EXPECT_NEAR(r.counterfort[2].height, 3.0, 1e-5);
    EXPECT_NEAR(r.counterfort[2].flangeWidth, 3.0, 1e-5);
    EXPECT_EQ(r.tributaryWidth, 3.0f);
    for (const DesignedSection& s : r.sections) {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(s.result.designed);
        EXPECT_TRUE(s.result.crackLimitMet);
        EXPECT_TRUE(std::isfinite(s.result.area));
    }
}

TEST(RcCounterfort, DegenerateInputsEnd) {
    // Spacing equal to or below the thickness (L <= 0), a zero crack limit, and a wall whose panel has no
    // height (H = H1): the design runs to its end without hanging or crashing.
    struct Row {
        const char* what;
        float spacing, crackLimit, height;
    };
    const Row rows[] = {{"L = 0", 0.2f, 0.2f, 5},
                        {"L < 0", 0.1f, 0.2f, 5},
                        {"no spacing", 0, 0, 5},
                        {"zero crack limit", 3, 0, 5},
                        {"no panel", 3, 0.2f, 0.5f}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WallCase c = SmallWall(kCounterfort);
        c.wall.m_fCfSpacing = row.spacing;
        c.wall.m_fCrackLimit = row.crackLimit;
        c.wall.m_fHeight = row.height;
        KernelBlock kb;
        PutOutline(c, kb);
        CounterfortResult r = CounterfortDesign(c, kb);
        for (const DesignedSection& s : r.sections) {
            if (s.result.designed) {
                EXPECT_GE(s.result.passes, 0);
            }
        }
    }
}

}  // namespace
