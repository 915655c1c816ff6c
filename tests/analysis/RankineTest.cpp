// Rankine active pressure and the wedge load over the back face, against textbook formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "TestCases.h"
#include "analysis/EarthThrust.h"
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
            // Parallel to the ground as the page shows it (rise to two decimals).
            const double beta = std::atan2(AsShown(c.soil.m_afSlope[0][kSlopeRise]), 5.0);
            EXPECT_NEAR(r.Ex, r.E * std::cos(beta), 1e-3);
            // A vertical back carries no soil: Ey is the thrust's own vertical part.
            EXPECT_EQ(r.wedge.Ws, 0);
            EXPECT_NEAR(r.Ey, r.E * std::sin(beta), 1e-3);
            EXPECT_NEAR(r.Zy, 2, 1e-5);
        }
    }
}

// Cohesive level backfill with a tension crack (references.md): thrust ½Kaγ(H − z0)²,
// z0 = 2c/(γ√Ka). c = 10, φ = 30°: z0 = 20/(18·0.57735) = 1.92450, thrust = 3·4.07550² = 49.829.
// A crack deeper than the wall (c = 60: z0 = 11.547 > 6) leaves no pressure at all (the closed form's
// square would give ½Kaγ(z0 − H)² = 92.308 from soil in tension).
TEST(RankineActivePressure, CohesiveLevelBackfill) {
    WallCase c = RankineWall(30, 10);
    KernelBlock kb = test::LoadedBlock(c);
    EXPECT_NEAR(RankineActivePressure(c, kb).Ex, 49.829, 2e-3);
    c = RankineWall(30, 60);
    kb = test::LoadedBlock(c);
    EXPECT_EQ(RankineActivePressure(c, kb).Ex, 0);
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
// soil load is added: Ey stays 0 on level ground and Ex = 18·36/6 = 108 acts on the vertical through
// the back's foot, 2 − 1.2 = 0.8 from the toe.
TEST(RankineActivePressure, NoWedgeOverBackLeaningAwayFromFill) {
    WallCase c = RankineWall(30, 0, -0.2f);
    KernelBlock kb = test::LoadedBlock(c);
    RankineResult r = RankineActivePressure(c, kb);
    EXPECT_EQ(r.wedge.Ws, 0);
    EXPECT_EQ(r.Ey, 0);
    EXPECT_NEAR(r.Ex, 108, 1e-3);
    EXPECT_NEAR(r.Zx, 0.8, 1e-5);
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
    WedgeLoad w = BackfillWedgeLoad(c, kb).soil;
    EXPECT_NEAR(w.Ws, 67.392, 1e-3);
    EXPECT_NEAR(w.xs, 2.8, 1e-5);
}

// The first segment ends within the back face's reach (b = 1 < t = 1.2, a = 0.5) and the second
// rises on at 1:2: soil triangle 3.6 at 2.8, slope triangle 1·0.5/2 = 0.25 at 2 + 2/3, rectangle
// 0.2·0.5 = 0.1 at 3.1 and the second segment's triangle 0.2·0.1/2 = 0.01 at 3.133333.
// Surcharge q = 10 from d = 0.5 over the face: (1.2 − 0.5)·10 = 7 at 2 + 0.5 + 0.35 = 2.85.
// Soil: 3.96·18 = 71.28 at 11.088/3.96 = 2.8; the strip's 7 kN/m at 2.85 apart from it.
TEST(BackfillWedgeLoad, SlopeEndingOverTheBackFaceWithSurcharge) {
    WallCase c = RankineWall(30, 0, 0.2f);
    test::SetGround(c, 2, 26.57f);
    c.soil.m_afSlope[0][kSlopeRun] = 1;
    c.soil.m_afSlope[0][kSlopeRise] = 0.5f;
    test::SetLoad(c, 10, 4, 0.5f);
    KernelBlock kb = test::LoadedBlock(c);
    const BackFaceLoads w = BackfillWedgeLoad(c, kb);
    EXPECT_NEAR(w.soil.Ws, 71.28, 1e-3);
    EXPECT_NEAR(w.soil.xs, 2.8, 1e-5);
    EXPECT_NEAR(w.load.Ws, 7, 1e-4);
    EXPECT_NEAR(w.load.xs, 2.85, 1e-5);
}

// A strip surcharge bears on the back between the lines from its edges at 45° + φ/2 (60° here) with
// q·Ka. Vertical back, level ground, φ = 30°, γ = 18, H = 6: soil 108 kN/m at 2 m.
TEST(RankineActivePressure, StripSurchargeBand) {
    struct Row {
        std::string name;
        float q, width, offset;
        double from, to;  // the band's depths
    };
    const double r3 = std::sqrt(3.0);
    const std::vector<Row> rows = {
        {"band within the back", 10, 2, 1, r3, 3 * r3},
        {"band cut at the base", 10, 8, 1, r3, 6},
        {"strip beyond the reach", 10, 2, 4, 6, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = RankineWall(30);
        test::SetLoad(c, row.q, row.width, row.offset);
        KernelBlock kb = test::LoadedBlock(c);
        RankineResult r = RankineActivePressure(c, kb);
        const double Eq = 10.0 / 3 * (row.to - row.from), zq = 6 - (row.from + row.to) / 2;
        EXPECT_NEAR(r.Ex, 108 + Eq, 2e-3);
        EXPECT_NEAR(r.Zy, (216 + Eq * zq) / (108 + Eq), 1e-4);
    }
}

// A slope of 0.01° over 1 m rises 0.000175 m, which the page shows as 0.00: level ground, H' = H.
TEST(RankineActivePressure, SlightSlopeEndingOverTheBack) {
    WallCase c = RankineWall(30, 0, 0.25f);
    test::SetGround(c, 1, 0.01f, 1);  // run 1 < H·tanα = 1.5
    KernelBlock kb = test::LoadedBlock(c);
    RankineResult r = RankineActivePressure(c, kb);
    EXPECT_FALSE(r.sloping);
    EXPECT_NEAR(r.effectiveHeight, 6, 1e-6);
    EXPECT_NEAR(r.Ka, 1.0 / 3, 1e-6);
}

}  // namespace
}  // namespace wall

namespace wall {
namespace {

// The ground as entered: a second segment continuing the first changes nothing, bit for bit; a
// steeper one never lowers the thrust and raises it by the trial wedge's ratio; a flatter one keeps the
// plane's value. Random vertical backs, slopes and soils.
TEST(RankineThrust, SecondSegmentAsEntered) {
    std::mt19937 rng(20261210);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    int raised = 0;
    for (int n = 0; n < 200; ++n) {
        const double H = uniform(3, 12), phi = uniform(25, 38) * test::kPi / 180;
        const double beta1 = uniform(0, 0.8) * phi, run1 = uniform(0.5, 6);
        const WallBack back{{0, 0}, {0, -H}};
        const Backfill soil{static_cast<float>(uniform(16, 20)), static_cast<float>(uniform(0, 10)),
                            static_cast<float>(phi), 0};
        auto ground = [&](double beta2) {
            GroundSurface g;
            g.points[0] = {0, 0};
            g.points[1] = {run1, run1 * std::tan(beta1)};
            g.points[2] = {run1 + 50, g.points[1].y + 50 * std::tan(beta2)};
            g.count = 3;
            return g;
        };
        GroundSurface one;
        one.points[0] = {0, 0};
        one.points[1] = {run1 + 50, (run1 + 50) * std::tan(beta1)};
        one.count = 2;
        const ThrustResult same = RankineThrust(back, ground(beta1), soil),
                           single = RankineThrust(back, one, soil);
        const ThrustResult steeper = RankineThrust(back, ground(beta1 + uniform(0.02, phi - beta1)), soil);
        const ThrustResult flatter = RankineThrust(back, ground(uniform(0, beta1)), soil);
        SCOPED_TRACE(::testing::Message() << "case " << n);
        EXPECT_EQ(same.E, single.E);
        EXPECT_GE(steeper.E, same.E * (1 - 1e-6));
        EXPECT_EQ(flatter.E, same.E);
        raised += steeper.groundRatio > 1;
    }
    EXPECT_GT(raised, 100);
}

}  // namespace
}  // namespace wall
