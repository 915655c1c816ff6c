// Coulomb active pressure against published coefficients, hand calculations and an independent trial wedge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "TestCases.h"
#include "analysis/CoulombPressure.h"

namespace wall {
namespace {

using test::Deg;

// A rectangular wall 2 m wide and 6 m high, Coulomb, γ = 18, c = 0.
WallCase CoulombWall(float phiDeg, float deltaDeg, int segments = 1) {
    WallCase c = test::RectangularWall(2, 6);
    c.soil.m_nTheory = kCoulomb;
    test::SetSoil(c, 18, 0, phiDeg);
    c.wall.m_fWallFriction = deltaDeg;
    test::SetGround(c, segments, 0);
    return c;
}

struct KaRow {
    float phi, delta, Ka;
};

// Das, Principles of Foundation Engineering, Table 6.4: vertical back, level backfill.
const std::vector<KaRow> kDasTable = {{28, 0, 0.3610f}, {30, 5, 0.3189f}, {32, 10, 0.2853f}};

// Ka recovered as 2·Ex/(γ·H²·cosδ), with Ey/Ex = tanδ and the thrust at H/3.
void ExpectDas(const CoulombResult& r, const KaRow& row) {
    const double H = 6, gamma = 18;
    EXPECT_NEAR(2 * r.Ex / (gamma * H * H * std::cos(Deg(row.delta))), row.Ka, 5e-4);
    EXPECT_NEAR(r.Ey / r.Ex, std::tan(Deg(row.delta)), 1e-5);
    EXPECT_NEAR(r.Zy, H / 3, 1e-5);
    EXPECT_NEAR(r.Zx, 2, 1e-5);  // vertical back: Ey acts at the heel, 2 m from the toe
}

TEST(CoulombActivePressure, MatchesDasTable) {
    for (int segments : {1, 2}) {
        for (const KaRow& row : kDasTable) {
            SCOPED_TRACE(row.phi);
            WallCase c = CoulombWall(row.phi, row.delta, segments);
            KernelBlock kb = test::LoadedBlock(c);
            CoulombResult r = CoulombActivePressure(c, kb);
            ExpectDas(r, row);
            EXPECT_NEAR(r.thrust.Ka, row.Ka, 5e-4);
            EXPECT_EQ(kb.pressureX, r.Ex);
            EXPECT_EQ(kb.pressureY, r.Ey);
            EXPECT_EQ(kb.armX, r.Zx);
            EXPECT_EQ(kb.armY, r.Zy);
        }
    }
}

// With β = α = δ = 0 Coulomb's coefficient is Rankine's tan²(45° − φ/2), and the thrust sits at a
// third of H above the bottom back corner, which lies below the toe on a counter-sloped base.
// Wall B 2, H 6, base counter-slope 0.1: P4 = (-2, -6), P5 = (0, -6.2), so H = 6.2, step 0.2;
// Ex = 18·6.2²/6 = 115.32, Zy = 6.2/3 − 0.2 = 1.866667.
TEST(CoulombActivePressure, SlopedBase) {
    WallCase c = CoulombWall(30, 0);
    c.wall.m_fBaseSlope = 0.1f;
    KernelBlock kb = test::LoadedBlock(c);
    CoulombResult r = CoulombActivePressure(c, kb);
    EXPECT_NEAR(r.thrust.Ka, 1.0 / 3, 1e-5);
    EXPECT_NEAR(r.Ex, 115.32, 1e-2);
    EXPECT_NEAR(r.Zy, 1.866667, 1e-4);
}

// An independent trial wedge: for planes from the bottom back corner at angles ρ from the horizontal,
// the wedge's area by integrating ground minus the higher of back and plane over x (midpoint rule),
// the strip's part inside it, E = (γ·A + q·L)·sin(ρ − φ)/cos(ρ − φ − α − δ); the largest over a grid
// of planes. A back leaning into the fill (x of the bottom corner t ≥ 0), ground as a polyline
// from the top back corner then level.
struct Oracle {
    double H, t, gamma, phi, delta, q, from, to;
    std::vector<std::pair<double, double>> ground;  // from (0, 0), then level

    double GroundAt(double x) const {
        for (size_t i = 1; i < ground.size(); ++i)
            if (x <= ground[i].first)
                return ground[i - 1].second + (ground[i].second - ground[i - 1].second) *
                                                  (x - ground[i - 1].first) /
                                                  (ground[i].first - ground[i - 1].first);
        return ground.back().second;
    }
    double Thrust(double rho) const {
        const double alpha = std::atan2(t, H);
        const double k = std::sin(rho - phi) / std::cos(rho - phi - alpha - delta);
        if (!(k > 0)) return 0;
        const double dx = 0.002;
        double area = 0, reach = 0;
        for (double x = dx / 2; x < 500; x += dx) {
            // Between the back and the plane: below the ground, above the back (left of the foot) and
            // above a plane rising to the right, or below one leaning back over the foot.
            const double plane = -H + (x - t) * std::tan(rho);
            const double back = x < t ? -H * x / t : -1e9;
            const bool leaning = !(std::tan(rho) > 0);
            const double depth =
                std::min(GroundAt(x), leaning ? plane : 1e9) - (leaning ? back : std::max(plane, back));
            // Beyond the foot the plane runs away from the wedge once it leans back over it.
            if (x > t && (depth <= 0 || !(std::tan(rho) > 0))) break;
            if (depth > 0) area += depth * dx;
            reach = x;
        }
        const double load = q * std::max(0.0, std::min(to, reach) - from);
        return k * (gamma * area + load);
    }
    double Maximum() const {
        const double alpha = std::atan2(t, H);
        double best = 0;
        for (int i = 1; i < 400; ++i)
            best = std::max(best, Thrust(phi + (3.14159265 / 2 + alpha - phi) * i / 400.0));
        return best;
    }
};

// Random walls, grounds of one or two segments and strips: the thrust is never below the largest
// trial wedge, lies on the back, and reads back Ex, Ey from δ.
TEST(CoulombActivePressure, NeverBelowTheTrialWedge) {
    std::mt19937 rng(20261210);
    auto uni = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    for (int n = 0; n < 60; ++n) {
        const float phi = static_cast<float>(uni(22, 40)), delta = static_cast<float>(uni(0, phi / 2));
        const float H = static_cast<float>(uni(2, 10)), m = static_cast<float>(uni(0, 0.3));
        WallCase c = CoulombWall(phi, delta);
        c.wall.m_fHeight = H;
        c.wall.m_fBackSlope = m;
        const int segments = n % 2 + 1;
        c.soil.m_nSlopeSegs = segments;
        c.soil.m_nSlopeRows = segments + 1;
        for (int i = 0; i < segments; ++i) {
            const float run = AsShown(static_cast<float>(uni(1, 8)));
            const float angle = AsShown(static_cast<float>(uni(-8, phi - 3)));
            test::SetSegment(c, i, run, angle);
        }
        const float q = n % 3 == 0 ? 0.0f : static_cast<float>(uni(1, 60));
        const float width = static_cast<float>(uni(0.2, 8));
        test::SetLoad(c, q, width, static_cast<float>(uni(0, 8)));
        SCOPED_TRACE(n);
        KernelBlock kb = test::LoadedBlock(c);
        CoulombResult r = CoulombActivePressure(c, kb);
        ASSERT_EQ(r.status, PressureStatus::kOk);

        const GroundSurface g = GroundOf(c.soil);
        Oracle o{kb.outline.y[0] - kb.outline.y[5],
                 kb.outline.x[5],
                 kb.soilUnitWeight,
                 kb.soilFriction,
                 kb.wallFriction,
                 q,
                 c.soil.m_fLoadOffset,
                 c.soil.m_fLoadOffset + c.soil.m_fLoadWidth,
                 {}};
        for (int i = 0; i < g.count; ++i) o.ground.push_back({g.points[i].x, g.points[i].y});
        const double oracle = o.Maximum();

        EXPECT_GE(r.E, oracle * (1 - 1e-3));
        EXPECT_LE(r.E, oracle * (1 + 2e-2));
        // The point lies on the back from P5 to P0 (within 1 mm) and Ey/Ex = tan(α + δ).
        const double x = r.Zx + kb.outline.x[4], y = r.Zy + kb.outline.y[4];
        EXPECT_NEAR(x, -m * y, 1e-3);
        EXPECT_GT(y, kb.outline.y[5] - 1e-3);
        EXPECT_LT(y, 1e-3);
        EXPECT_NEAR(std::atan2(r.Ey, r.Ex), std::atan(m) + kb.wallFriction, 1e-5);
    }
}

// A uniform load from the wall outwards: Ex = Ka(γH²/2 + qH) = (324 + 60)/3 = 128, acting at
// (108·2 + 20·3)/128 = 2.15625 (soil triangle at H/3, load rectangle at H/2).
TEST(CoulombActivePressure, WideSurchargeByHand) {
    WallCase c = CoulombWall(30, 0);
    test::SetLoad(c, 10, 100, 0);
    KernelBlock kb = test::LoadedBlock(c);
    CoulombResult r = CoulombActivePressure(c, kb);
    EXPECT_NEAR(r.Ex, 128, 1e-2);
    EXPECT_NEAR(r.Zy, 2.15625, 1e-4);
}

// A strip from 1 to 2 m on level ground, vertical back, δ = 0, φ = 30°, H = 6: every wedge carries it
// whole, so E(ρ) = (γH²·cotρ/2 + q·l)·tan(ρ − φ), largest at ρ = 61.363° (the load steepens the plane
// from 60°): E = 113.932, of it the strip's q·l·tan(ρ − φ) = 6.0951, acting on the band between the
// depths 1·tanρ = 1.8313 and 2·tanρ = 3.6626; Zy = (107.837·2 + 6.0951·(6 − 2.7469))/113.932 = 2.06704.
TEST(CoulombActivePressure, StripBandByHand) {
    WallCase c = CoulombWall(30, 0);
    test::SetLoad(c, 10, 1, 1);
    KernelBlock kb = test::LoadedBlock(c);
    CoulombResult r = CoulombActivePressure(c, kb);
    EXPECT_NEAR(r.thrust.planeAngle, Deg(61.3627), 1e-4);
    EXPECT_NEAR(r.Ex, 113.932, 2e-3);
    EXPECT_NEAR(r.thrust.load, 6.0951, 1e-3);
    EXPECT_NEAR(r.Zy, 2.06704, 1e-4);
    EXPECT_NEAR(r.thrust.diagram.Max(PressureDiagram::Part::kLoad, 6), 6.0951 / 1.8313, 2e-3);
}

// The 4.3 m gravity wall of the review: top 1.83, batters 0.36 (front) / −0.15 (back), base 0.1, γ 19.8,
// φ 30.2°, δ 8.3°, one segment 9.43 × 1.44. Without load an independent trial wedge gives
// Ea = 58.01 kN/m; a strip 5.62 m back stands beyond the failure plane and changes nothing, however
// light.
TEST(CoulombActivePressure, StripBeyondThePlaneChangesNothing) {
    WallCase c = test::RectangularWall(1.83f, 4.3f);
    c.soil.m_nTheory = kCoulomb;
    c.wall.m_fFrontSlope = 0.36f;
    c.wall.m_fBackSlope = -0.15f;
    c.wall.m_fBaseSlope = 0.1f;
    c.wall.m_fWallFriction = 8.3f;
    test::SetSoil(c, 19.8f, 0, 30.2f);
    test::SetGround(c, 1, 0);
    c.soil.m_afSlope[0][kSlopeRun] = 9.43f;
    c.soil.m_afSlope[0][kSlopeRise] = 1.44f;
    KernelBlock kb = test::LoadedBlock(c);
    const float bare = CoulombActivePressure(c, kb).E;
    EXPECT_NEAR(bare, 58.01, 0.01);
    for (float q : {0.001f, 10.0f, 100.0f}) {
        test::SetLoad(c, q, 3, 5.62f);
        kb = test::LoadedBlock(c);
        EXPECT_NEAR(CoulombActivePressure(c, kb).E, bare, 1e-3) << q;
    }
}

// A back leaning away from the fill (m < 0): α < 0 and Ey's arm lies beyond the base span.
// B 2, H 6, m = -0.2: P5 = (-1.2, -6), base span 0.8; the thrust a third up the back, at
// x = −1.2 + 2·0.2 = −0.8: Zx = 1.2.
TEST(CoulombActivePressure, BackLeaningAwayFromFill) {
    WallCase c = CoulombWall(30, 10);
    c.wall.m_fBackSlope = -0.2f;
    KernelBlock kb = test::LoadedBlock(c);
    CoulombResult r = CoulombActivePressure(c, kb);
    EXPECT_LT(kb.backAngle, 0);
    EXPECT_NEAR(r.Zx, 0.8 + 2 * 0.2, 1e-4);
    EXPECT_GT(r.Zx, kb.outline.x[5] - kb.outline.x[4]);
}

}  // namespace
}  // namespace wall
