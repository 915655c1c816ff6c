// Flexural reinforcement and crack width against GB 50010-2010 worked examples and hand calculations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "rcdesign/FlexureFormulas.h"
#include "rcdesign/Materials.h"
#include "rcdesign/ReinforcementDesign.h"

using namespace wall;

namespace {

// Reinforcement data of a wall: cover and bar in mm, crack limit in mm, grade indices.
CRetainingWall Wall(int concrete, int rebar, float cover, float bar, float crackLimit,
                    float cfThickness = 0.2f) {
    CRetainingWall w;
    w.m_nConcreteGrade = concrete;
    w.m_nRebarGrade = rebar;
    w.m_fCover = cover;
    w.m_fBarDiameter = bar;
    w.m_fCrackLimit = crackLimit;
    w.m_fCfThickness = cfThickness;
    return w;
}

constexpr int kC20 = 1, kC25 = 2, kC30 = 3, kC50 = 7, kHRB335 = 1, kHRB400 = 2, kHRB500 = 3;

TEST(RcMaterials, GradeIndicesGiveTheCodeTableValues) {
    // GB 50010-2010 Tables 4.1.4-1 (fc), 4.1.3-2 (ftk), 4.2.3-1 (fy), 4.2.5 (Es).
    struct Row {
        int index;
        float fc, ftk;
    };
    for (Row r : {Row{0, 7.2f, 1.27f}, Row{2, 11.9f, 1.78f}, Row{3, 14.3f, 2.01f}, Row{13, 35.9f, 3.11f}}) {
        SCOPED_TRACE(r.index);
        ASSERT_TRUE(ConcreteOfGrade(r.index));
        EXPECT_EQ(ConcreteOfGrade(r.index)->fc, r.fc);
        EXPECT_EQ(ConcreteOfGrade(r.index)->ftk, r.ftk);
    }
    EXPECT_EQ(RebarOfGrade(0)->fy, 270.0f);
    EXPECT_EQ(RebarOfGrade(0)->Es, 210000.0f);
    EXPECT_EQ(RebarOfGrade(3)->fy, 435.0f);
    EXPECT_EQ(RebarOfGrade(3)->Es, 200000.0f);
    for (int bad : {-1, 14, 1 << 30}) EXPECT_FALSE(ConcreteOfGrade(bad));
    for (int bad : {-1, 4}) EXPECT_FALSE(RebarOfGrade(bad));
}

TEST(RcFormulas, TextbookCrackWidthExample) {
    // Textbook 例8-4 (GB 50010-2010, αcr = 1.9): b = 200, h = 500, h0 = 459, cs = 33, As = 804.4 mm²,
    // deq = 16, ftk = 2.01, Es = 2.0e5, Mk = 64.29 kN·m. By hand: ρte = 804.4/(0.5·200·500) = 0.016088,
    // σs = 64.29e6/(0.87·804.4·459) = 200.14 N/mm², ψ = 1.1 - 0.65·2.01/(0.016088·200.14) = 0.694
    // (the book's 0.592 is a misprint), ωmax = 1.9·0.694·200.14/2e5·(1.9·33 + 0.08·16/0.016088) = 0.188 mm.
    float rhoTe = EffectiveTensionRatio(804.4f, 200, 500, 0, 0);
    float sigmaS = CrackSteelStress(64.29e6f, 804.4f, 459);
    float psi = StrainNonUniformity(2.01f, rhoTe, sigmaS);
    EXPECT_NEAR(rhoTe, 0.016088, 1e-6);
    EXPECT_NEAR(sigmaS, 200.14, 0.01);
    EXPECT_NEAR(psi, 0.694, 0.001);
    EXPECT_NEAR(MaxCrackWidth(psi, sigmaS, 2.0e5f, 33, 16, rhoTe), 0.188, 0.0005);
    // Limits example: ρte = 0.0042 is raised to 0.01; with ψ = 0.2 given, σs = 39.785, c = 20, deq = 8:
    // 1.9·0.2·39.785/2e5·(38 + 64) = 0.0077 mm.
    EXPECT_EQ(EffectiveTensionRatio(0.0042f * 1000, 1000, 2, 0, 0), 0.01f);
    EXPECT_NEAR(MaxCrackWidth(0.2f, 39.785f, 2.0e5f, 20, 8, 0.01f), 0.0077, 0.00005);
    // GB 50010-2010 §7.1.2 bounds ψ to 0.2..1.0: 1.1 - 0.65·2.01/(0.01·39.785) = -2.18 takes 0.2, and a
    // highly stressed section, 1.1 - 0.65·2.01/(0.05·400) = 1.035, takes 1.0.
    EXPECT_EQ(StrainNonUniformity(2.01f, 0.01f, 39.785f), 0.2f);
    EXPECT_EQ(StrainNonUniformity(2.01f, 0.05f, 400), 1.0f);
}

TEST(RcReinforcement, StripWithDefaultStemDepth) {
    // h = 0.35 m, c = 20, deq = 10: as = 25, h0 = 325 mm (default cantilever stem).
    // references.md: b = 1000, h0 = 325, C25 (fc 11.9), HRB335 (fy 300), M = 50 kN·m -> As = 523.45 mm².
    // On the whole depth ρ = 100·523.45/350000 = 0.1496 % < ρmin = max(0.20, 45·1.27/300 = 0.1905) = 0.20 %
    // (GB 50010-2010 §8.5.1, a cantilever slab): As = 0.002·1000·350 = 700 mm². Crack width at Mk = 35:
    // ρte = 700/175000 -> 0.01, σs = 35e6/(0.87·700·325) = 176.83, ψ = 1.1 - 0.65·1.78/1.7683 = 0.4457,
    // ω = 1.9·0.4457·176.83/2e5·(38 + 80) = 0.08835 mm <= 0.20.
    ReinforcementResult r =
        DesignReinforcement(Wall(kC25, kHRB335, 20, 10, 0.2f), SectionKind::kStrip, 0.35f, 50, 35);
    ASSERT_TRUE(r.gradesKnown);
    ASSERT_TRUE(r.designed);
    EXPECT_FLOAT_EQ(r.h0, 325);
    EXPECT_NEAR(r.designArea, 523.45, 0.01);
    EXPECT_TRUE(r.minimumRatio);
    EXPECT_NEAR(r.ratio, 0.1496, 0.0001);
    EXPECT_FLOAT_EQ(r.minimumPercent, 0.2f);
    EXPECT_EQ(r.passes, 0);
    EXPECT_NEAR(r.area, 700, 1e-3);
    EXPECT_NEAR(r.areaCrackWidth, 0.08835, 0.0002);
    EXPECT_TRUE(r.crackLimitMet);
}

TEST(RcReinforcement, SmallMomentTakesTheMinimumRatio) {
    // M = 10 kN·m on the same strip: As = (1 - √(1 - 2·10e6/(11.9·1000·325²)))·11.9·1000·325/300
    // = 102.98 mm², ρ = 0.02942 % of b·h < 0.20 -> As = 700 mm².
    // Mk = 7: σs = 7e6/(0.87·700·325) = 35.366, ψ = 1.1 - 0.65·1.78/(0.01·35.366) < 0.2, bounded to
    // 0.2: ω = 1.9·0.2·35.366/2e5·(1.9·20 + 0.08·10/0.01) = 0.007929 mm.
    ReinforcementResult r =
        DesignReinforcement(Wall(kC25, kHRB335, 20, 10, 0.2f), SectionKind::kStrip, 0.35f, 10, 7);
    ASSERT_TRUE(r.designed);
    EXPECT_NEAR(r.designArea, 102.98, 0.01);
    EXPECT_TRUE(r.minimumRatio);
    EXPECT_NEAR(r.ratio, 0.02942, 0.0001);
    EXPECT_FLOAT_EQ(r.area, 700.0f);
    EXPECT_NEAR(r.areaCrackWidth, 0.007929, 0.00002);
    EXPECT_TRUE(r.crackLimitMet);
}

// 例8-4 run through the design: a T-section with flange width equal to the web and no flange is the
// 200 × 500 beam (h0 = 500 - 33 - 16/2 = 459). M = 100.585 kN·m needs As = 804.4 mm² (x = 804.4·300/
// (14.3·200) = 84.38 mm, M = 14.3·200·84.38·(459 - 42.19)). Since ρte·σs does not change with As, ψ stays
// 0.6942 and, by hand, ω = 0.18779, 0.17408, 0.16147, 0.14986 mm at As·1.05^n, n = 0..3.
TEST(RcReinforcement, CrackWidthGrowsTheAreaByFivePercentSteps) {
    struct Row {
        float limit;
        int passes;
        float width;
    };
    const Row rows[] = {{0.20f, 0, 0.18779f},
                        {0.18f, 1, 0.17408f},
                        {0.17f, 2, 0.16147f},
                        {0.16f, 3, 0.14986f},
                        {0.15f, 3, 0.14986f}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.limit);
        ReinforcementResult r = DesignReinforcement(Wall(kC30, kHRB335, 33, 16, row.limit, 0.2f),
                                                    SectionKind::kTee, 0.5f, 100.585f, 64.29f, 0.2f, 0);
        ASSERT_TRUE(r.designed);
        EXPECT_FLOAT_EQ(r.h0, 459);
        EXPECT_NEAR(r.designArea, 804.4, 0.05);
        EXPECT_EQ(r.passes, row.passes);
        EXPECT_NEAR(r.area, 804.4 * std::pow(1.05, row.passes), 0.1);
        EXPECT_NEAR(r.areaCrackWidth, row.width, 0.0001);
        EXPECT_TRUE(r.crackLimitMet);
    }
}

TEST(RcReinforcement, TeeSectionFlangeAndWebBranches) {
    // Hand calculation. Counterfort web b = 200 mm, h = 1200, flange bf = 1000, hf = 300, c = 20, deq = 10:
    // h0 = 1175. C20 fc = 9.6, HRB335 fy = 300.
    // Flange capacity Mf = 9.6·1000·300·(1175 - 150) = 2952 kN·m.
    // Slant factor √(900² + 800²/4)/900 = √970000/900 = 1.094318.
    // M = 500 <= Mf: αs = 500e6/(9.6·1000·1175²) = 0.037724, γs = (1 + √(1 - 0.075449))/2 = 0.980768,
    //   As = 500e6/(0.980768·300·1175) = 1446.25 -> ×1.094318 = 1582.66 mm², ρ = 100·1582.66/(1175·200) =
    //   0.673 %.
    // M = 3500 > Mf: αs = (3500e6 - 9.6·800·300·1025)/(9.6·200·1175²) = 0.429455, ξ = 1 - √(1 - 0.858910)
    //   = 0.624381 > ξb = 0.8/(1 + 300/(2e5·0.0033)) = 0.550 (GB 50010-2010 §6.2.7): over-reinforced, the
    //   concrete crushes before the steel yields, no design (it would have been 13542.56 mm²).
    // M = 4000: αs = 0.618 > 0.5, the root of a negative number: no design.
    struct Row {
        float M;
        bool designed;
        double area;
    };
    const CRetainingWall wall = Wall(kC20, kHRB335, 20, 10, 10.0f, 0.2f);
    for (Row row : {Row{500, true, 1582.66}, Row{3500, false, 0}, Row{4000, false, 0}}) {
        SCOPED_TRACE(row.M);
        ReinforcementResult r =
            DesignReinforcement(wall, SectionKind::kTee, 1.2f, row.M, row.M / 1.35f, 1.0f, 0.3f);
        EXPECT_EQ(r.designed, row.designed);
        EXPECT_EQ(r.overReinforced, row.M == 3500);
        if (row.designed) {
            EXPECT_NEAR(r.designArea, row.area, row.area * 2e-5);
        }
    }
    EXPECT_NEAR(FlangeCapacity(9.6f, 1000, 300, 1175) / 1e6, 2952, 0.01);
    EXPECT_NEAR(TeeSlantFactor(1200, 1000, 200, 300), 1.094318, 1e-6);
}

TEST(RcReinforcement, TeeAtFlangeCapacityIsContinuous) {
    // At M = Mf the compression zone is exactly the flange, so the flange formula (used at M = Mf) and the
    // web formula (used just above) give the same area: fc·bf·hf/fy·slant = 9.6·1000·300/300·1.094318.
    const CRetainingWall wall = Wall(kC20, kHRB335, 20, 10, 10.0f, 0.2f);
    float Mf = FlangeCapacity(9.6f, 1000, 300, 1175) / 1e6f;
    ReinforcementResult at = DesignReinforcement(wall, SectionKind::kTee, 1.2f, Mf, 0, 1.0f, 0.3f);
    ReinforcementResult above =
        DesignReinforcement(wall, SectionKind::kTee, 1.2f, Mf * 1.0001f, 0, 1.0f, 0.3f);
    EXPECT_NEAR(at.designArea, 9600 * 1.094318, 1.0);
    EXPECT_NEAR(above.designArea, at.designArea, at.designArea * 5e-4);
}

TEST(RcReinforcement, SectionsThatCannotBeDesigned) {
    struct Row {
        const char* what;
        SectionKind kind;
        float h, M, cfThickness;
    };
    const Row rows[] = {
        // A negative heel moment (cantilever) gives a negative area.
        {"negative moment", SectionKind::kStrip, 0.6f, -20, 0.2f},
        // Largest moment of the 325 mm strip is 0.5·11.9·1000·325² = 628.5 kN·m.
        {"moment beyond the section", SectionKind::kStrip, 0.35f, 700, 0.2f},
        // 20 mm deep with as = 25: no effective depth.
        {"no effective depth", SectionKind::kStrip, 0.02f, 1, 0.2f},
        {"undefined moment", SectionKind::kStrip, 0.35f, NAN, 0.2f},
        {"counterfort of no thickness", SectionKind::kTee, 1.0f, 100, 0.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ReinforcementResult r = DesignReinforcement(Wall(kC25, kHRB335, 20, 10, 0.2f, row.cfThickness),
                                                    row.kind, row.h, row.M, 10, 1, 0.2f);
        EXPECT_TRUE(r.gradesKnown);
        EXPECT_FALSE(r.designed);
    }
}

TEST(RcReinforcement, UnknownGradeIsNotDesigned) {
    for (auto [concrete, rebar] : {std::pair{14, 1}, std::pair{-1, 1}, std::pair{2, 4}}) {
        ReinforcementResult r =
            DesignReinforcement(Wall(concrete, rebar, 20, 10, 0.2f), SectionKind::kStrip, 0.35f, 50, 35);
        EXPECT_FALSE(r.gradesKnown);
        EXPECT_FALSE(r.designed);
    }
}

TEST(RcReinforcement, CrackLoopAlwaysEnds) {
    // A limit of zero or below is never met while ψ stays positive. Strip of 1000 × 350, C25/HRB335,
    // M = 80: As = (1 - √(1 - 2·80e6/(11.9·1000·325²)))·11.9·1000·325/300 = 848.43 mm². ρte·σs falls as
    // the area grows until ρte passes 0.01 and then stays at Mk/(0.87·h0·Ate); with Mk = 60 that gives
    // ψ = 1.1 - 0.65·1.78·0.87·325·175000/60e6 = 0.146 > 0, so ω > 0 for every area. The area grows to the
    // whole strip, 350000 mm², and stops there: ceil(ln(350000/848.43)/ln 1.05) = 124 raises (to 359824 mm²).
    for (float limit : {0.0f, -0.1f}) {
        SCOPED_TRACE(limit);
        ReinforcementResult r =
            DesignReinforcement(Wall(kC25, kHRB335, 20, 10, limit), SectionKind::kStrip, 0.35f, 80, 60);
        ASSERT_TRUE(r.designed);
        EXPECT_FALSE(r.crackLimitMet);
        EXPECT_EQ(r.passes, 124);
        EXPECT_NEAR(r.area, 359824, 40);
        EXPECT_GT(r.crackWidth, 0);
    }
    // An undefined limit stops at once and is not reported as met.
    ReinforcementResult r =
        DesignReinforcement(Wall(kC25, kHRB335, 20, 10, NAN), SectionKind::kStrip, 0.35f, 80, 60);
    EXPECT_EQ(r.passes, 0);
    EXPECT_FALSE(r.crackLimitMet);
}

TEST(RcReinforcement, NoTensionUnderTheCharacteristicMomentMeansNoCrack) {
    // Mk = 0 or negative: the first pass ends the check and ω prints as 0.
    for (float Mk : {0.0f, -5.0f}) {
        ReinforcementResult r =
            DesignReinforcement(Wall(kC25, kHRB335, 20, 10, 0.2f), SectionKind::kStrip, 0.35f, 50, Mk);
        ASSERT_TRUE(r.designed);
        EXPECT_EQ(r.passes, 0);
        EXPECT_EQ(r.crackWidth, 0);
        EXPECT_TRUE(r.crackLimitMet);
        EXPECT_EQ(r.area, std::max(r.designArea, r.minimumArea));
    }
}

// GB 50010-2010 §8.5.1: max(0.20 %, 45·ft/fy %) for beams and cantilever slabs; slabs on supports with
// 400 or 500 MPa bars may take 0.15 % in place of 0.20 %.
TEST(RcReinforcement, MinimumRatioByClause) {
    struct Row {
        int concrete, rebar;
        MinimumSteel rule;
        double percent;
    };
    const Row rows[] = {
        {kC25, kHRB335, MinimumSteel::kCantileverSlab, 0.20},             // 45·1.27/300 = 0.1905
        {kC50, kHRB335, MinimumSteel::kCantileverSlab, 45 * 1.89 / 300},  // 0.2835
        {kC20, kHRB400, MinimumSteel::kSupportedSlab, 0.15},              // 45·1.10/360 = 0.1375
        {kC20, kHRB400, MinimumSteel::kCantileverSlab, 0.20},
        {kC30, kHRB400, MinimumSteel::kSupportedSlab, 45 * 1.43 / 360},  // 0.17875
        {kC20, kHRB335, MinimumSteel::kSupportedSlab, 0.20},             // 335 MPa bars: no allowance
        {kC20, kHRB500, MinimumSteel::kSupportedSlab, 0.15},             // 45·1.10/435 = 0.1138
        {kC20, kHRB500, MinimumSteel::kBeam, 0.20},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(MinimumRatioPercent(Wall(row.concrete, row.rebar, 20, 10, 0.2f), row.rule), row.percent,
                    1e-5)
            << row.concrete << " " << row.rebar;
}

// Shear by hand. Slabs without stirrups (§6.3.3): h = 0.6, h0 = 575 < 800 so βh = 1, C25 (ft 1.27):
// 0.7·1.27·1000·575 = 511.175 kN/m; h = 1.2, h0 = 1175, βh = (800/1175)^¼ = 0.908372,
// 0.7·0.908372·1.27·1000·1175 = 948.85 kN/m. The default counterfort's foot (§6.3.1, §6.3.4): b = 200,
// h = 3.0, h0 = 2975, flange 0.3 (hw = 2675, hw/b = 13.4 ≥ 6), C20 (fc 9.6, ft 1.10), HRB335:
// limit 0.2·9.6·200·2975 = 1142.4 kN, concrete 0.7·1.10·200·2975 = 458.15 kN; under V = 789.66 kN
// the stirrups Asv/s = (789660 − 458150)/(300·2975) = 0.371440 mm²/mm = 371.44 mm²/m.
TEST(RcShear, SlabsAndCounterfortByHand) {
    const ShearResult thin = CheckSlabShear(Wall(kC25, kHRB335, 20, 10, 0.2f), 0.6f, 400);
    EXPECT_NEAR(thin.betaH, 1, 1e-6);
    EXPECT_NEAR(thin.Vc, 511.175, 0.01);
    EXPECT_TRUE(thin.ok);
    const ShearResult thick = CheckSlabShear(Wall(kC25, kHRB335, 20, 10, 0.2f), 1.2f, 950);
    EXPECT_NEAR(thick.betaH, 0.908372, 1e-5);
    EXPECT_NEAR(thick.Vc, 948.85, 0.02);
    EXPECT_FALSE(thick.ok);
    const ShearResult cf = CheckBeamShear(Wall(kC20, kHRB335, 20, 10, 0.2f, 0.2f), 3.0f, 0.3f, 789.66f);
    EXPECT_TRUE(cf.beam);
    EXPECT_NEAR(cf.limit, 1142.4, 0.05);
    EXPECT_NEAR(cf.Vc, 458.15, 0.01);
    EXPECT_TRUE(cf.sectionOk);
    EXPECT_TRUE(cf.stirrupsNeeded);
    EXPECT_NEAR(cf.stirrups, 371.44, 0.05);
    EXPECT_TRUE(cf.ok);
}

}  // namespace

namespace wall {
namespace {

// ξb = β1/(1 + fy/(Es·εcu)) (GB 50010-2010 eq. 6.2.7-1) as the textbooks tabulate it: HRB335 0.550 and
// HRB400 0.518 up to C50, HPB300 0.576; C60 with HRB400: β1 = 0.78, εcu = 0.0032, ξb = 0.499.
TEST(RcReinforcement, BalancedDepthOfTheGrades) {
    struct Row {
        int concrete, rebar;
        float xiB, alpha1;
    };
    const Row rows[] = {{kC25, kHRB335, 0.550f, 1.0f},
                        {kC50, kHRB400, 0.518f, 1.0f},
                        {kC25, 0, 0.576f, 1.0f},
                        {9, kHRB400, 0.499f, 0.98f}};
    for (const Row& row : rows) {
        const StressBlock s = StressBlockOf(row.concrete, *RebarOfGrade(row.rebar));
        EXPECT_NEAR(s.xiB, row.xiB, 0.0006) << row.concrete << " " << row.rebar;
        EXPECT_NEAR(s.alpha1, row.alpha1, 1e-6);
    }
}

// The 350 mm strip of StripWithDefaultStemDepth needs the minimum 700 mm²/m. The usual layouts by area:
// Φ12@180 628.3 < 700 ≤ Φ12@150 754.0 < Φ14@200 769.7 < Φ10@100 785.4, so Φ12@150. With its own centroid
// as = 20 + 6 = 26, h0 = 324, M = 50 needs 525 < 700. Crack width at deq = 12: ρte = 754/175000 -> 0.01,
// σs = 35e6/(0.87·753.98·324) = 164.68, ψ = 1.1 − 0.65·1.78/1.6468 = 0.3974, ω = 1.9·0.3974·164.68/2e5·
// (38 + 0.08·12/0.01) = 0.08332 mm. Distribution steel (§9.1.7): max(0.15·754, 0.0015·1000·350) = 525;
// Φ10@150 gives 523.6, short, so Φ12@200 = 565.5.
TEST(RcReinforcement, BarChoiceByHand) {
    ReinforcementResult r =
        DesignReinforcement(Wall(kC25, kHRB335, 20, 10, 0.2f), SectionKind::kStrip, 0.35f, 50, 35);
    ASSERT_TRUE(r.bars.found);
    EXPECT_EQ(BarLabel(r.bars), "Φ12@150");
    EXPECT_NEAR(r.bars.area, 753.98, 0.01);
    EXPECT_FLOAT_EQ(r.barH0, 324);
    EXPECT_NEAR(r.sigmaS, 164.68, 0.01);
    EXPECT_NEAR(r.psi, 0.3974, 0.0001);
    EXPECT_NEAR(r.crackWidth, 0.08332, 0.00002);
    EXPECT_NEAR(r.distributionArea, 525, 0.01);
    EXPECT_EQ(BarLabel(r.distribution), "Φ12@200");

    // Over the property: across moments, the bars provide the required area and meet the crack limit.
    for (float M = 20; M < 400; M *= 1.37f) {
        const ReinforcementResult s =
            DesignReinforcement(Wall(kC25, kHRB335, 20, 10, 0.2f), SectionKind::kStrip, 0.5f, M, M / 1.3f);
        SCOPED_TRACE(M);
        ASSERT_TRUE(s.bars.found);
        EXPECT_GE(s.bars.area, s.area);
        EXPECT_GE(s.bars.area, s.barDesignArea);
        EXPECT_LE(s.crackWidth, s.crackLimit);
        EXPECT_LE(s.barXi, s.xiB);
    }
}

}  // namespace
}  // namespace wall
