// A semi-gravity toe's bending tension by hand, with the base pressure linear over the toe and with the
// contact ending under it.
#include <gtest/gtest.h>

#include "analysis/ToeCheck.h"
#include "case/CaseDefaults.h"

namespace wall {
namespace {

// A base 4 m wide under N = 400 kN/m. Toe B1 = 1.0 m, H1 = 0.4 m at its edge, H2 = 0.6 m at the face,
// γ = 24, [τ] = 300 kPa. Its weight's moment about the face: 24·1²·(2·0.4 + 0.6)/6 = 5.6 kN·m/m.
TEST(ToeCheck, RootMomentAndTensionByHand) {
    WallCase c = DefaultCase(kSemiGravity);
    c.wall.m_fToeWidth = 1.0f;
    c.wall.m_fToeHeight = 0.4f;
    c.wall.m_fHeelHeight = 0.6f;
    c.wall.m_fUnitWeight = 24;
    c.wall.m_fAllowShear = 300;
    StabilityResult s;
    s.B = 4;
    s.N = 400;

    // Resultant 1.6 m from the toe (e0 = 0.4 ≤ B/6): σ = 100·(1 ± 0.6) = 160 at the toe, 40 at the heel;
    // under the toe 160 → 130. Mp = 1²·(2·160 + 130)/6 = 75, M = 69.4, σt = 6·69.4/0.36 = 1156.7 kPa.
    s.baseMoment = 640;
    s.overturningMoment = 0;
    s.sigmaMax = 160;
    s.sigmaMin = 40;
    ToeResult t = CheckSemiGravityToe(c, s);
    ASSERT_TRUE(t.checked);
    EXPECT_TRUE(t.linear);
    EXPECT_NEAR(t.pEdge, 160, 1e-3);
    EXPECT_NEAR(t.pRoot, 130, 1e-3);
    EXPECT_NEAR(t.Mw, 5.6, 1e-4);
    EXPECT_NEAR(t.M, 69.4, 1e-3);
    EXPECT_NEAR(t.sigmaT, 1156.67, 0.01);
    EXPECT_FALSE(t.ok);

    // Resultant 0.2 m from the toe: contact 3·0.2 = 0.6 m < B1, σmax = 2·400/0.6 = 1333.33. The
    // triangle's moment about the face: σmax·Lc/2·(B1 − Lc/3) = 1333.33·0.3·0.8 = 320, M = 314.4.
    s.baseMoment = 80;
    s.partialContact = true;
    s.sigmaMax = 1333.333f;
    s.sigmaMin = 0;
    t = CheckSemiGravityToe(c, s);
    EXPECT_FALSE(t.linear);
    EXPECT_NEAR(t.Mp, 320, 0.05);
    EXPECT_NEAR(t.sigmaT, 6 * 314.4 / 0.36, 1);

    // Leaning to the heel with contact 3·(4 − 3.7) = 0.9 m from it: the toe carries nothing and hangs
    // on the face, its weight putting the top in tension: 6·5.6/0.36 = 93.3 kPa ≤ 300.
    s.baseMoment = 1480;
    s.sigmaMax = 888.9f;
    t = CheckSemiGravityToe(c, s);
    EXPECT_NEAR(t.Mp, 0, 1e-4);
    EXPECT_NEAR(t.sigmaT, -93.33, 0.01);
    EXPECT_TRUE(t.ok);
    c.wall.m_fAllowShear = 90;
    EXPECT_FALSE(CheckSemiGravityToe(c, s).ok);
}

}  // namespace
}  // namespace wall

namespace wall {
namespace {

// The default shelf wall on level ground: the platform overhangs the lower back (1:−0.25) by
// L = 0.25·h2; the soil on it stands h1 high, so Ms = γ·h1·L²/2, its own weight Mw = γw·L²·h2/6, and a
// strip from the back over the whole overhang adds q·(b² − a²)/2 of its part on it.
TEST(ToeCheck, ShelfPlatformOnLevelGroundByHand) {
    WallCase c = DefaultCase(kShelf);
    c.soil.m_afSlope[0][kSlopeRise] = 0;
    UpdateSlopeRow(c.soil.m_afSlope[0]);
    c.soil.m_fLoadOffset = 0;
    c.soil.m_fLoadWidth = 30;
    c.soil.m_fLoadPressure = 10;
    const WallOutline o = BuildWallOutline(c);
    const double L = o.x[6] - o.x[5], h2 = o.y[6] - o.y[5], h1 = -o.y[6];
    ASSERT_GT(L, 0.5);
    EXPECT_NEAR(L, 0.25 * h2, 1e-4);
    const double gamma = c.soil.m_afLayer[0][kLayerUnitWeight], gw = c.wall.m_fUnitWeight;
    const PlatformResult p = CheckShelfPlatform(c, o);
    ASSERT_TRUE(p.checked);
    EXPECT_NEAR(p.Ms, gamma * h1 * L * L / 2, 1e-3);
    EXPECT_NEAR(p.Mw, gw * L * L * h2 / 6, 1e-3);
    // The strip reaches from x = 0 past the overhang: its whole length over [x5, x6].
    const double a = o.x[5], b = o.x[6];
    EXPECT_NEAR(p.Mq, 10 * ((b - a) * (b - a)) / 2, 1e-3);
    EXPECT_NEAR(p.sigmaT, 6 * (p.Ms + p.Mq + p.Mw) / (h2 * h2), 1e-3);
}

}  // namespace
}  // namespace wall
