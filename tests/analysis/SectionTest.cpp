// Wall-body section: choice of the cut, the part above it and its stresses, worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "TestCases.h"
#include "analysis/LoadKernelBlock.h"
#include "analysis/WallSection.h"

namespace wall {
namespace {

// Rectangular gravity wall 2 x 6, γw 24, level ground, γ 18, c 0, φ 30°, δ 0, no surcharge.
WallCase PlainWall(int theory) {
    WallCase c = test::RectangularWall(2, 6);
    c.soil.m_nTheory = theory;
    test::SetSoil(c, 18, 0, 30);
    test::SetGround(c, 1, 0);
    return c;
}

// No toe or heel step: cut at half height, 3 m. Part above: W1 = 2·3·24 = 144 at 1 m from the
// front; Ex = 18·9/3/2 = 27 at 1 m, Ey = 0 (either theory with δ = 0). B1 = 2:
// e1 = 1 − (144·1 − 27·1)/144 = 0.1875; σ = (1 ± 6·0.1875/2)·144/2 = 112.5 and 31.5; τ1 = 27/2.
TEST(ChooseGravitySection, HalfHeightByHand) {
    for (int theory : {kCoulomb, kRankine}) {
        SCOPED_TRACE(theory);
        WallCase c = PlainWall(theory);
        c.wall.m_fAllowCompress = 112.5f;  // σmax exactly at the allowable value passes
        c.wall.m_fAllowShear = 13.4f;
        KernelBlock kb = test::LoadedBlock(c);
        SectionResult r = ChooseGravitySection(c, kb);
        EXPECT_EQ(r.cut, SectionCut::kAtHalfHeight);
        EXPECT_FLOAT_EQ(kb.backHeight, 3);
        EXPECT_FLOAT_EQ(kb.outline.y[2], -3);
        EXPECT_FLOAT_EQ(kb.outline.x[4], -2);
        EXPECT_FLOAT_EQ(kb.outline.x[5], 0);
        EXPECT_NEAR(r.W1, 144, 1e-3);
        EXPECT_NEAR(r.Zw1, 1, 1e-5);
        EXPECT_NEAR(r.Ex, 27, 1e-3);
        EXPECT_NEAR(r.E, 27, 1e-3);
        EXPECT_EQ(r.Ey, 0);
        EXPECT_NEAR(r.Zy, 1, 1e-5);
        EXPECT_NEAR(r.Zx, 2, 1e-5);
        EXPECT_FLOAT_EQ(r.B1, 2);
        EXPECT_NEAR(r.e1, 0.1875, 1e-5);
        EXPECT_NEAR(r.sigmaMax, 112.5, 1e-3);
        EXPECT_NEAR(r.sigmaMin, 31.5, 1e-3);
        EXPECT_NEAR(r.tau1, 13.5, 1e-4);
        EXPECT_TRUE(r.compressionOk);
        EXPECT_FALSE(r.shearOk);
        // The block now holds the part above the section.
        EXPECT_EQ(kb.wallWeight, r.W1);
        EXPECT_EQ(kb.pressureX, r.Ex);
        EXPECT_EQ(kb.eccentricity, r.e1);
        EXPECT_EQ(kb.stressMax, r.sigmaMax);
        EXPECT_EQ(kb.stressMin, r.sigmaMin);
    }
}

struct CutRow {
    std::string name;
    float toeWidth, toeHeight, heelWidth, heelHeight;
    float cutY;    // level of the section
    float height;  // height of the part above
};

// Wall B 2, H 6, vertical faces, level base. Toe step at H1 − H; heel top at −6 + H2.
TEST(ChooseGravitySection, CutAtTheHigherStep) {
    const std::vector<CutRow> rows = {
        // Toe 1 high, no heel: the heel "top" is the base (-6); cut at the toe step, -5.
        {"toe step only", 0.5f, 1, 0, 0, -5, 5},
        // Toe step and heel top both at -5: the toe step wins the tie.
        {"same level", 0.5f, 1, 0.5f, 1, -5, 5},
        // Heel top at -4 above the toe step at -5.5: cut at the heel top.
        {"heel higher", 0.5f, 0.5f, 0.5f, 2, -4, 4},
    };
    for (const CutRow& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = PlainWall(kRankine);
        c.wall.m_fToeWidth = row.toeWidth;
        c.wall.m_fToeHeight = row.toeHeight;
        c.wall.m_fHeelWidth = row.heelWidth;
        c.wall.m_fHeelHeight = row.heelHeight;
        KernelBlock kb = test::LoadedBlock(c);
        SectionResult r = ChooseGravitySection(c, kb);
        EXPECT_EQ(r.cut, SectionCut::kAtStep);
        EXPECT_FLOAT_EQ(kb.backHeight, row.height);
        for (int i = 2; i <= 7; ++i) EXPECT_FLOAT_EQ(kb.outline.y[i], row.cutY) << "P" << i;
        for (int i = 2; i <= 4; ++i) EXPECT_FLOAT_EQ(kb.outline.x[i], -2) << "P" << i;
        for (int i = 5; i <= 7; ++i) EXPECT_FLOAT_EQ(kb.outline.x[i], 0) << "P" << i;
        EXPECT_NEAR(r.W1, 2 * row.height * 24, 1e-3);
        EXPECT_FLOAT_EQ(r.B1, 2);
    }
}

// A body whose weight sits behind the middle of the section: e1 < 0 is kept with its sign and
// σmax < σmin. Top 0.5, H 4, front batter 0.5, vertical back, γ = 1 (almost no thrust).
// Half height 2: section from x = -1.5 to 0, B1 = 1.5. Part above: rectangle 0.5 x 2 at 1.25 from
// the front plus triangle 1 x 2 at 0.6667: A = 2, W1 = 48, Zw1 = 0.958333. Ex = 1·4/3/2 = 0.666667
// at 0.666667. e1 = 0.75 − (46 − 0.444444)/48 = −0.199074; σ = (1 ± 6e1/1.5)·32: 6.518519, 57.481481.
TEST(ChooseGravitySection, NegativeEccentricityKeepsItsSign) {
    WallCase c = test::RectangularWall(0.5f, 4);
    c.wall.m_fFrontSlope = 0.5f;
    c.soil.m_nTheory = kRankine;
    test::SetSoil(c, 1, 0, 30);
    test::SetGround(c, 1, 0);
    KernelBlock kb = test::LoadedBlock(c);
    SectionResult r = ChooseGravitySection(c, kb);
    EXPECT_FLOAT_EQ(r.B1, 1.5f);
    EXPECT_NEAR(r.W1, 48, 1e-4);
    EXPECT_NEAR(r.Zw1, 0.958333, 1e-5);
    EXPECT_NEAR(r.e1, -0.199074, 1e-5);
    EXPECT_NEAR(r.sigmaMax, 6.518519, 1e-4);
    EXPECT_NEAR(r.sigmaMin, 57.481481, 1e-4);
}

// Pass rule of the stresses: below the allowable value or within 1e-5 of it.
TEST(StressPasses, BreakPoints) {
    struct Row {
        float stress, allowed;
        bool passes;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<Row> rows = {{1000, 1000, true}, {999, 1000, true},       {1000.0001f, 1000, false},
                                   {0.5f, 0.5f, true}, {0.500004f, 0.5f, true}, {0.50002f, 0.5f, false},
                                   {-30, 0, true},     {nan, 1000, false},      {-INFINITY, 0, false}};
    for (const Row& r : rows) EXPECT_EQ(StressPasses(r.stress, r.allowed), r.passes) << r.stress;
}

}  // namespace
}  // namespace wall
