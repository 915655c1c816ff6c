// Rankine active pressure and the wedge load over the back face, against textbook formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestCases.h"
#include "analysis/RankinePressure.h"

namespace wall {
namespace {

using test::Deg;

// A wall 2 m wide and 6 m high, Rankine, γ = 18.
WallCase RankineWall(float phiDeg, float cohesion = 0, float backSlope = 0) {
    WallCase c = test::RectangularWall(2, 6);
    c.soil.m_nTheory = kRankine;
    c.wall.m_fBackSlope = backSlope;
    test::SetSoil(c, 18, cohesion, phiDeg);
    test::SetGround(c, 1, 0);
    return c;
}

// Level ground, no cohesion, vertical back: Ka = tan²(45° − φ/2) (0.3333 for φ = 30°,
// references.md; 0.4903 for 20°, 0.2710 for 35°), Ex = γH²Ka/2 at H/3, Ey = 0, Zx = the base span.
TEST(RankineActivePressure, LevelCohesionlessVerticalBack) {
    struct Row {
        float phi, Ka;
    };
    for (const Row& row : std::vector<Row>{{20, 0.4903f}, {30, 0.3333f}, {35, 0.2710f}}) {
        SCOPED_TRACE(row.phi);
        WallCase c = RankineWall(row.phi);
        KernelBlock kb = test::LoadedBlock(c);
        RankineResult r = RankineActivePressure(c, kb);
        EXPECT_FALSE(r.sloping);
        EXPECT_NEAR(r.Ka, row.Ka, 1e-4);
        EXPECT_NEAR(r.Ex, 18 * 36 * row.Ka / 2, 0.1);
        EXPECT_EQ(r.Ey, 0);
        EXPECT_NEAR(r.Zy, 2, 1e-5);
        EXPECT_NEAR(r.Zx, 2, 1e-6);
        EXPECT_EQ(r.wedge.Ws, 0);
        EXPECT_EQ(kb.pressureX, r.Ex);
        EXPECT_EQ(kb.armY, r.Zy);
    }
}

// Das, sloping backfill: Ka = cosβ(cosβ − √(cos²β − cos²φ))/(cosβ + √(cos²β − cos²φ)), the thrust
// parallel to the ground; φ = 30°: 0.3495 at β = 10°, 0.4142 at β = 20° (references.md).
TEST(RankineActivePressure, SlopingBackfillMatchesDas) {
    struct Row {
        float beta, KaDas;
    };
    for (int segments : {1, 2}) {
        for (const Row& row : std::vector<Row>{{10, 0.3495f}, {20, 0.4142f}}) {
            SCOPED_TRACE(row.beta);
            WallCase c = RankineWall(30);
            test::SetGround(c, segments, row.beta);
            KernelBlock kb = test::LoadedBlock(c);
            RankineResult r = RankineActivePressure(c, kb);
            EXPECT_TRUE(r.sloping);
            EXPECT_NEAR(r.E, row.KaDas * 18 * 36 / 2, 0.05);
            EXPECT_NEAR(r.Ex, r.E * std::cos(Deg(row.beta)), 1e-3);
            // A vertical back carries no soil: Ey is the thrust's own vertical part.
            EXPECT_EQ(r.wedge.Ws, 0);
            EXPECT_NEAR(r.Ey, r.E * std::sin(Deg(row.beta)), 1e-3);
            EXPECT_NEAR(r.Zy, 2, 1e-5);
        }
    }
}

// Cohesive level backfill with a tension crack (references.md): thrust ½Kaγ(H − z0)²,
// z0 = 2c/(γ√Ka). c = 10, φ = 30°: z0 = 20/(18·0.57735) = 1.92450, thrust = 3·4.07550² = 49.829.
// The expression is that square, so a crack deeper than the wall (c = 60: z0 = 11.547) gives
// ½Kaγ(z0 − H)² = 3·5.54701² = 92.308 rather than zero; it is not clipped.
TEST(RankineActivePressure, CohesiveLevelBackfill) {
    WallCase c = RankineWall(30, 10);
    KernelBlock kb = test::LoadedBlock(c);
    EXPECT_NEAR(RankineActivePressure(c, kb).Ex, 49.829, 2e-3);
    c = RankineWall(30, 60);
    kb = test::LoadedBlock(c);
    EXPECT_NEAR(RankineActivePressure(c, kb).Ex, 92.308, 2e-3);
}

// A back leaning into the fill on level ground carries the soil triangle between the face and
// the vertical through its foot: m = 0.2, H 6: t = 1.2, Ws = 18·6·1.2/2 = 64.8 at 2 + 0.8 = 2.8 m
// from the toe, which becomes Ey and its arm.
TEST(RankineActivePressure, WedgeOverBackLeaningIntoFill) {
    WallCase c = RankineWall(30, 0, 0.2f);
    KernelBlock kb = test::LoadedBlock(c);
    RankineResult r = RankineActivePressure(c, kb);
    EXPECT_NEAR(r.wedge.Ws, 64.8, 1e-3);
    EXPECT_NEAR(r.wedge.xs, 2.8, 1e-5);
    EXPECT_NEAR(r.Ey, 64.8, 1e-3);
    EXPECT_NEAR(r.Zx, 2.8, 1e-5);
}

// A back leaning away from the fill (m = −0.2, H 6: the foot of the back face 1.2 m towards the
// toe) overhangs the fill; the strip between it and the vertical through its foot is wall, so no
// soil load is added: Ey stays 0 on level ground and Ex = 18·36/6 = 108 acts at the heel.
// Base span 2 − 1.2 = 0.8.
TEST(RankineActivePressure, NoWedgeOverBackLeaningAwayFromFill) {
    WallCase c = RankineWall(30, 0, -0.2f);
    KernelBlock kb = test::LoadedBlock(c);
    RankineResult r = RankineActivePressure(c, kb);
    EXPECT_EQ(r.wedge.Ws, 0);
    EXPECT_EQ(r.Ey, 0);
    EXPECT_NEAR(r.Ex, 108, 1e-3);
    EXPECT_NEAR(r.Zx, 0.8 + 2 * 0.2, 1e-5);  // Zx = span − Zy·tanα with tanα = −0.2
}

// Slope rising beyond the back face's reach (b = 5 > t = 1.2, a = 1): the soil over the face is
// the triangle W1 = t·H/2 = 3.6 at 2 + 0.8, plus the slope's triangle over the face,
// t·(a·t/b)/2 = 1.2·0.24/2 = 0.144 at 2 + 0.8; nothing from the slope farther out.
// Ws = 3.744·18 = 67.392 at 2.8. Two segments, so the block's slope is not rewritten first.
TEST(BackfillWedgeLoad, SlopeBeyondTheBackFace) {
    WallCase c = RankineWall(30, 0, 0.2f);
    test::SetGround(c, 2, 11.31f);
    c.soil.m_afSlope[0][kSlopeRise] = 1;
    KernelBlock kb = test::LoadedBlock(c);
    WedgeLoad w = BackfillWedgeLoad(c, kb);
    EXPECT_NEAR(w.Ws, 67.392, 1e-3);
    EXPECT_NEAR(w.xs, 2.8, 1e-5);
}

// The slope ends within the back face's reach (b = 1 < t = 1.2, a = 0.5): soil triangle 3.6 at
// 2.8, slope triangle 1·0.5/2 = 0.25 at 2 + 2/3, rectangle beyond the crest 0.2·0.5 = 0.1 at 3.1.
// Surcharge q = 10 from d = 0.5 over the face: (1.2 − 0.5)·10 = 7 at 2 + 0.5 + 0.35 = 2.85.
// Soil: 3.95·18 = 71.1 at (3.6·2.8 + 0.25·2.666667 + 0.1·3.1)/3.95 = 11.056667/3.95 = 2.799156;
// Ws = 78.1 at (71.1·2.799156 + 7·2.85)/78.1 = 218.97 / 78.1 = 2.803713.
TEST(BackfillWedgeLoad, SlopeEndingOverTheBackFaceWithSurcharge) {
    WallCase c = RankineWall(30, 0, 0.2f);
    test::SetGround(c, 2, 26.57f);
    c.soil.m_afSlope[0][kSlopeRun] = 1;
    c.soil.m_afSlope[0][kSlopeRise] = 0.5f;
    test::SetLoad(c, 10, 4, 0.5f);
    KernelBlock kb = test::LoadedBlock(c);
    WedgeLoad w = BackfillWedgeLoad(c, kb);
    EXPECT_NEAR(w.Ws, 78.1, 1e-3);
    EXPECT_NEAR(w.xs, 2.803713, 1e-5);
}

// A strip surcharge spread at 45°: shallow when it ends above the base (exactly at H' counts as
// shallow), deep otherwise. Vertical back, level ground, φ = 30°, γ = 18, H = 6, E1 = 108, f = 1.
// Shallow: Eq = q·l0/3 at H − d − l0/2. Deep: Eq1 = (q/2)(d − d·tanφ)/3, Eq2 = q(H − d)/3.
TEST(RankineActivePressure, StripSurchargeShallowAndDeep) {
    struct Row {
        std::string name;
        float q, width, offset;
        bool shallow;
        double E, Zy;
    };
    const double tanPhi = std::tan(Deg(30));
    const double eq1 = 5 * (1 - tanPhi) / 3, eq2 = 10 * 5.0 / 3;
    const std::vector<Row> rows = {
        // Eq = 20/3 at 4: Zy = (108·2 + 6.6667·4)/114.6667.
        {"shallow", 10, 2, 1, true, 108 + 20.0 / 3, (216 + 20.0 / 3 * 4) / (108 + 20.0 / 3)},
        // d + l0 = H: Eq = 50/3 at 2.5.
        {"edge at the base", 10, 5, 1, true, 108 + 50.0 / 3, (216 + 50.0 / 3 * 2.5) / (108 + 50.0 / 3)},
        // Eq1 at 6 − 1.5(1 − tanφ) − tanφ, Eq2 at (6 − 1)/2.
        {"deep", 10, 8, 1, false, 108 + eq1 + eq2,
         (216 + eq1 * (6 - 1.5 * (1 - tanPhi) - tanPhi) + eq2 * 2.5) / (108 + eq1 + eq2)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = RankineWall(30);
        test::SetLoad(c, row.q, row.width, row.offset);
        KernelBlock kb = test::LoadedBlock(c);
        RankineResult r = RankineActivePressure(c, kb);
        EXPECT_EQ(r.shallow, row.shallow);
        EXPECT_NEAR(r.Ex, row.E, 2e-3);
        EXPECT_NEAR(r.Zy, row.Zy, 1e-5);
    }
}

// On sloping ground with one segment the block's slope is cut at the back face, run H·tanα and
// rise H·tanα·tanβ, and
// stays so for whatever runs next; with two segments it is left alone.
TEST(RankineActivePressure, RewritesSlopeOfOneSegment) {
    WallCase c = RankineWall(30, 0, 0.25f);
    test::SetGround(c, 1, 11.31f);  // run 5: H·tanα = 1.5 < 5, sloping branch
    KernelBlock kb = test::LoadedBlock(c);
    EXPECT_TRUE(RankineActivePressure(c, kb).sloping);
    EXPECT_NEAR(kb.slopeRun, 6 * 0.25, 1e-6);
    EXPECT_NEAR(kb.slopeRise, 1.5 * std::tan(Deg(11.31)), 1e-5);

    test::SetGround(c, 2, 11.31f);
    kb = test::LoadedBlock(c);
    RankineActivePressure(c, kb);
    EXPECT_FLOAT_EQ(kb.slopeRun, 5);
}

// β just above 1e-6 but a slope ending within the back face's reach: level-ground formulas,
// with H' = H + H·tanα·tanβ still counting the slope.
TEST(RankineActivePressure, SlightSlopeEndingOverTheBack) {
    WallCase c = RankineWall(30, 0, 0.25f);
    test::SetGround(c, 1, 0.01f, 1);  // run 1 < H·tanα = 1.5
    KernelBlock kb = test::LoadedBlock(c);
    RankineResult r = RankineActivePressure(c, kb);
    EXPECT_FALSE(r.sloping);
    EXPECT_NEAR(r.effectiveHeight, 6 + 6 * 0.25 * std::tan(Deg(0.01)), 1e-6);
    EXPECT_NEAR(r.Ka, 1.0 / 3, 1e-6);
}

}  // namespace
}  // namespace wall
