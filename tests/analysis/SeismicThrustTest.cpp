// The seismic-angle earth pressure against the Mononobe–Okabe closed form and an independent trial
// wedge with the inertia kh = tanθ on the wedge and its load; the code's table of angles.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/SeismicAngles.h"
#include "analysis/SoilProfile.h"

namespace wall {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// Mononobe–Okabe with kv = 0 (e.g. Kramer, Geotechnical Earthquake Engineering, eq. 11.8; Das,
// Principles of Foundation Engineering, eq. 6.60), every angle in degrees, α from the vertical:
// KAE = cos²(φ − θ − α) / (cosθ·cos²α·cos(δ + α + θ)·[1 + √(sin(φ + δ)·sin(φ − θ − β) /
// (cos(δ + α + θ)·cos(β − α)))]²).
double MononobeOkabe(double phi, double delta, double alpha, double beta, double theta) {
    phi *= kDeg, delta *= kDeg, alpha *= kDeg, beta *= kDeg, theta *= kDeg;
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - theta - beta) /
                                  (std::cos(delta + alpha + theta) * std::cos(beta - alpha)));
    const double c = std::cos(phi - theta - alpha);
    return c * c /
           (std::cos(theta) * std::cos(alpha) * std::cos(alpha) * std::cos(delta + alpha + theta) *
            (1 + root) * (1 + root));
}

SoilProfile OneSoil(float gamma, float c, double phiDeg, double deltaDeg, double thetaDeg) {
    SoilProfile p;
    p.count = 1;
    p.layers[0].soil = {gamma, c, static_cast<float>(phiDeg * kDeg), static_cast<float>(deltaDeg * kDeg)};
    p.layers[0].gammaSat = gamma;
    p.layers[0].bottom = 1e9;
    p.theta = thetaDeg * kDeg;
    return p;
}

GroundSurface Slope(double betaDeg) {
    GroundSurface g;
    g.points[0] = {0, 0};
    g.count = 1;
    if (betaDeg > 0) {
        g.points[1] = {1000, 1000 * std::tan(betaDeg * kDeg)};
        g.count = 2;
    }
    return g;
}

TEST(SeismicAngles, TheCodesTableAndGivenAngles) {
    // GB 50023-2009 Table 4.2.9: 0.10g 1.5°/2.5°, 0.15g 2.3°/3.8°, 0.20g 3°/5°, 0.30g 4.5°/7.5°, 0.40g
    // 6°/10°.
    const struct {
        float A, theta, water;
    } table[] = {
        {0.10f, 1.5f, 2.5f}, {0.15f, 2.3f, 3.8f}, {0.20f, 3, 5}, {0.30f, 4.5f, 7.5f}, {0.40f, 6, 10}};
    for (const auto& row : table) {
        CaseSettings s;
        s.seismicAcceleration = row.A;
        const SeismicAngles a = SeismicAnglesOf(s);
        EXPECT_TRUE(a.asked && a.known && a.fromTable) << row.A;
        EXPECT_EQ(a.theta, row.theta);
        EXPECT_EQ(a.thetaWater, row.water);
    }
    CaseSettings s;
    EXPECT_FALSE(SeismicAnglesOf(s).asked);
    s.seismicAcceleration = 0.05f;
    EXPECT_TRUE(SeismicAnglesOf(s).intensitySix);
    EXPECT_FALSE(SeismicAnglesOf(s).asked);
    // Outside the table the angle must be given; given angles win over the table.
    s.seismicAcceleration = 0.25f;
    EXPECT_FALSE(SeismicAnglesOf(s).known);
    s.seismicAngle = 3.7f;
    s.seismicAngleWater = 6.2f;
    EXPECT_TRUE(SeismicAnglesOf(s).known);
    EXPECT_EQ(SeismicAnglesOf(s).theta, 3.7f);
    s.seismicAcceleration = 0.2f;
    EXPECT_EQ(SeismicAnglesOf(s).thetaWater, 6.2f);
}

// Coulomb's thrust with φ − θ, δ + θ, γ/cosθ is Mononobe–Okabe's for c = 0, on vertical and battered
// backs and sloping ground; Rankine's on a vertical back is Mononobe–Okabe's with δ = 0 on level ground.
TEST(SeismicThrust, EqualsMononobeOkabe) {
    const struct {
        const char* name;
        int theory;
        double phi, delta, alpha, beta, theta;
    } rows[] = {
        {"vertical, level", kCoulomb, 30, 15, 0, 0, 3},
        {"battered into the fill", kCoulomb, 34, 17, 14.04, 0, 6},
        {"battered towards the front", kCoulomb, 32, 10, -11.31, 0, 4.5},
        {"sloping fill", kCoulomb, 35, 17.5, 0, 12, 6},
        {"sloping fill, battered", kCoulomb, 30, 15, 8, 10, 3},
        {"Rankine, level", kRankine, 30, 0, 0, 0, 6},
        {"Rankine, level, 0.15g", kRankine, 28, 0, 0, 0, 2.3},
    };
    const double H = 6, gamma = 18;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const WallBack back{{0, 0}, {H * std::tan(row.alpha * kDeg), -H}};
        const ThrustResult t = LayeredThrust(back, Slope(row.beta),
                                             OneSoil(gamma, 0, row.phi, row.delta, row.theta), row.theory);
        ASSERT_EQ(t.status, PressureStatus::kOk);
        const double expected =
            gamma * H * H / 2 * MononobeOkabe(row.phi, row.delta, row.alpha, row.beta, row.theta);
        EXPECT_NEAR(t.E, expected, 1e-3 * expected);
    }
}

// An independent trial wedge on a vertical back: ground rising at β for a run, then level, and a strip.
// The wedge under a plane at ρ carries its weight W and the strip's load Q, and the inertia
// kh·(W + Q) towards the wall; the back's reaction lies at δ, the plane's at φ:
// E(ρ) = (W + Q)·(sin(ρ − φ) + kh·cos(ρ − φ)) / cos(ρ − φ − δ), the largest over ρ.
double TrialWedge(double H, double gamma, double phi, double delta, const GroundSurface& g, double kh) {
    double best = 0;
    for (int i = 1; i < 20000; ++i) {
        const double rho = phi + (90 * kDeg - phi) * i / 20000.0;
        // Where the plane from the foot (0, −H) meets the ground.
        double lo = 0, hi = 1e4;
        for (int k = 0; k < 60; ++k) {
            const double mid = (lo + hi) / 2;
            (mid * std::tan(rho) - H < g.HeightAt(mid) ? lo : hi) = mid;
        }
        const double xi = lo;
        // The wedge's area: the back, the ground to xi, the plane back to the foot.
        std::vector<Point> poly = {{0, -H}, {0, 0}};
        for (int k = 1; k < g.count && g.points[k].x < xi; ++k) poly.push_back(g.points[k]);
        poly.push_back({xi, g.HeightAt(xi)});
        double twice = 0;
        for (size_t k = 0; k < poly.size(); ++k) {
            const Point& a = poly[k];
            const Point& b = poly[(k + 1) % poly.size()];
            twice += a.x * b.y - b.x * a.y;
        }
        const double W = gamma * std::fabs(twice) / 2;
        const double Q = g.strip.q * std::max(0.0, std::min(g.strip.to, xi) - g.strip.from);
        const double E =
            (W + Q) * (std::sin(rho - phi) + kh * std::cos(rho - phi)) / std::cos(rho - phi - delta);
        best = std::max(best, E);
    }
    return best;
}

TEST(SeismicThrust, BrokenSlopeWithAStripAgainstAnIndependentTrialWedge) {
    const double H = 7, gamma = 19, phi = 32, delta = 16;
    for (double theta : {3.0, 6.0}) {
        GroundSurface g;
        g.points[0] = {0, 0};
        g.points[1] = {3, 3 * std::tan(20 * kDeg)};
        g.count = 2;
        g.strip = {2, 6, 15};
        SCOPED_TRACE(theta);
        const ThrustResult t = LayeredThrust(
            {{0, 0}, {0, -H}}, g, OneSoil(static_cast<float>(gamma), 0, phi, delta, theta), kCoulomb);
        ASSERT_EQ(t.status, PressureStatus::kOk);
        const double expected = TrialWedge(H, gamma, phi * kDeg, delta * kDeg, g, std::tan(theta * kDeg));
        EXPECT_NEAR(t.E, expected, 2e-3 * expected);
    }
}

// A trial wedge behind a back leaning into the fill from its top (0, 0) to its foot (xf, −H), such as a
// cantilever's imaginary back from the stem's top to the heel's end, solved as a force polygon rather
// than by any closed form: the wedge's weight and load G, its inertia kh·G towards the wall, the back's
// reaction at δ to the back's normal and the plane's at φ to its normal, friction opposing the wedge's
// slide down. E is the back's reaction, the largest over the plane's angle ρ.
double LeaningTrialWedge(double H, double xf, double gamma, double phi, double delta, const GroundSurface& g,
                         double kh) {
    const double L = std::hypot(xf, H);
    const double nx = H / L, ny = xf / L;   // the back's normal into the wedge
    const double ux = -xf / L, uy = H / L;  // up the back
    const double ex = std::cos(delta) * nx + std::sin(delta) * ux,
                 ey = std::cos(delta) * ny + std::sin(delta) * uy;
    double best = 0;
    for (int i = 1; i < 20000; ++i) {
        const double rho = phi + (89.9 * kDeg - phi) * i / 20000.0;
        double lo = xf, hi = 1e4;
        for (int k = 0; k < 60; ++k) {
            const double mid = (lo + hi) / 2;
            (-H + (mid - xf) * std::tan(rho) < g.HeightAt(mid) ? lo : hi) = mid;
        }
        const double xi = lo;
        std::vector<Point> poly = {{xf, -H}, {0, 0}};
        for (int k = 1; k < g.count && g.points[k].x < xi; ++k) poly.push_back(g.points[k]);
        poly.push_back({xi, g.HeightAt(xi)});
        double twice = 0;
        for (size_t k = 0; k < poly.size(); ++k) {
            const Point& a = poly[k];
            const Point& b = poly[(k + 1) % poly.size()];
            twice += a.x * b.y - b.x * a.y;
        }
        const double G =
            gamma * std::fabs(twice) / 2 + g.strip.q * std::max(0.0, std::min(g.strip.to, xi) - g.strip.from);
        const double rx = -std::cos(phi) * std::sin(rho) + std::sin(phi) * std::cos(rho);
        const double ry = std::cos(phi) * std::cos(rho) + std::sin(phi) * std::sin(rho);
        // E·e + R·r = (kh·G, G), by Cramer's rule.
        const double E = (kh * G * ry - G * rx) / (ex * ry - ey * rx);
        best = std::max(best, E);
    }
    return best;
}

// The rotation argument on an imaginary back: the slip plane's friction φ − θ, the back's δ + θ, the
// weight and the strip over cosθ, against the force polygon with kh = tanθ. The back of the default
// cantilever (heel 2.7 m, height 7 m) under a broken slope with a strip, δ = φ as between soil and soil.
TEST(SeismicThrust, ImaginaryBackAgainstAForcePolygon) {
    const double H = 7, xf = 2.7, gamma = 18, phi = 30;
    for (double theta : {3.0, 6.0}) {
        GroundSurface g;
        g.points[0] = {0, 0};
        g.points[1] = {4, 4 * std::tan(15 * kDeg)};
        g.count = 2;
        g.strip = {3, 8, 20};
        SCOPED_TRACE(theta);
        const ThrustResult t = LayeredThrust(
            {{0, 0}, {xf, -H}}, g, OneSoil(static_cast<float>(gamma), 0, phi, phi, theta), kCoulomb);
        ASSERT_EQ(t.status, PressureStatus::kOk);
        const double expected =
            LeaningTrialWedge(H, xf, gamma, phi * kDeg, phi * kDeg, g, std::tan(theta * kDeg));
        EXPECT_NEAR(t.E, expected, 2e-3 * expected);
        // θ = 0 in the same polygon is the static thrust.
        if (theta == 3.0) {
            const ThrustResult s = LayeredThrust(
                {{0, 0}, {xf, -H}}, g, OneSoil(static_cast<float>(gamma), 0, phi, phi, 0), kCoulomb);
            EXPECT_NEAR(s.E, LeaningTrialWedge(H, xf, gamma, phi * kDeg, phi * kDeg, g, 0), 2e-3 * s.E);
        }
    }
}

// A water table and a second layer: each band turned by its own angle, θ above the water and θw below.
// Rankine, level ground, vertical back, c = 0 (hand sums of the bands with Mononobe–Okabe's δ = 0
// coefficient): γ = 18 down to the water at 3 m, γsat = 20 below, H = 6, θ = 3°, θw = 5°, φ = 30°.
TEST(SeismicThrust, BandsBelowTheWaterTakeTheirOwnAngle) {
    SoilProfile p = OneSoil(18, 0, 30, 0, 3);
    p.layers[0].gammaSat = 20;
    p.water = true;
    p.waterDepth = 3;
    p.thetaWater = 5 * kDeg;
    const ThrustResult t = LayeredThrust({{0, 0}, {0, -6}}, Slope(0), p, kRankine);
    ASSERT_EQ(t.status, PressureStatus::kOk);
    const double k1 = MononobeOkabe(30, 0, 0, 0, 3), k2 = MononobeOkabe(30, 0, 0, 0, 5);
    // σv: 54 at the water table, 54 + 10·3 = 84 at the foot.
    const double expected = k1 * 54 * 3 / 2 + k2 * (54 + 84) / 2 * 3;
    EXPECT_NEAR(t.E, expected, 1e-4 * expected);
    EXPECT_NEAR(t.water, 45, 1e-4);
}

}  // namespace
}  // namespace wall
