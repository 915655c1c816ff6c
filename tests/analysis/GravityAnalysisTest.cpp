// The gravity and semi-gravity analysis as a whole: default cases by hand, carry-over, refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "TestCases.h"
#include "analysis/GravityWallAnalysis.h"
#include "analysis/Polygon.h"

namespace wall {
namespace {

using test::Deg;

GravityWallResult Analyse(const WallCase& c, KernelBlock& kb) {
    kb.outline = BuildWallOutline(c);
    return GravityWallAnalysis(c, kb);
}

// Default gravity wall, Rankine (the page's default theory), by hand.
// Outline (see KernelTest): W = 51.533333·24 = 1236.8 at 3.667630; H = |Y5| = 11.866667;
// base span 7.466667, B = 7.466667·1.030776 = 7.696460.
// Slope 11.31° (tan 0.2000), run 5 > H·tanα = 2.966667: sloping branch.
// Ka = (0.980580 − √(0.961537 − 0.75))/(0.980580 + 0.459932) = 0.361433.
// H' = 11.866667 + 2.966667·0.2 = 12.46; E1 = 0.980580·17·12.46²·0.361433/2 = 467.696.
// The strip (0 to 4 m) stands over the back face up to t = 2.966667 (29.667 kN/m there); the rest,
// 2.966667 to 4, bears on the vertical between the lines at 45° + φ/2 = 60° from its edges: from its
// top down to 0.593333 − (0.8 − 1.033333·tan 60°) = 1.583118 m, with q·Ka·cosβ = 3.544145 kPa:
// Eq = 5.610798 at 1.583118/2 below the top. E = 473.307: Ex = 464.117, Ey = 92.823. s = −1.866667:
// Zy = (467.696·2.286667 + 5.6108·(12.46 − 0.791559 − 1.866667))/473.307 = 2.375754.
// Wedge over the back face, ground up to the vertical at t: soil t·12.46/2 = 18.48233 m² · 17 = 314.20
// (Ey = 92.823 + 314.200); the strip's 29.667 kN/m there is a load of its own at t/2 = 1.483 from P0.
// Section at half of H: 5.933333 deep, width 2 + 0.25·5.933333 + 0.25·5.933333 = 4.966667;
// W1 = (2 + 4.966667)/2·5.933333·24 = 496.027.
TEST(GravityWallAnalysis, DefaultGravityWallByHand) {
    WallCase c = DefaultCase(kGravity);
    KernelBlock kb;
    GravityWallResult r = Analyse(c, kb);
    EXPECT_EQ(r.status, PressureStatus::kOk);
    EXPECT_EQ(r.theory, kRankine);
    EXPECT_NEAR(r.W, 1236.8, 1e-2);
    EXPECT_NEAR(r.Zw, 3.667630, 1e-4);
    EXPECT_TRUE(r.rankine.sloping);
    EXPECT_NEAR(r.rankine.Ka, 0.361433, 2e-6);
    EXPECT_NEAR(r.pressure.Ex, 464.117, 0.01);
    EXPECT_NEAR(r.pressure.Ey, 92.823 + 314.200, 0.01);
    EXPECT_NEAR(r.rankine.load.Ws, 29.667, 1e-3);
    EXPECT_NEAR(r.rankine.load.xs, 4.5 + 1.483333, 1e-4);
    EXPECT_NEAR(r.pressure.Zy, 2.375754, 1e-4);
    EXPECT_NEAR(r.pressure.E, std::hypot(r.pressure.Ex, r.pressure.Ey), 1e-3);
    EXPECT_NEAR(r.stability.B, 7.696460, 1e-4);
    EXPECT_EQ(r.section.cut, SectionCut::kAtHalfHeight);
    EXPECT_NEAR(r.section.B1, 4.966667, 1e-5);
    EXPECT_NEAR(r.section.W1, 496.027, 1e-2);
    EXPECT_TRUE(r.stability.overturningOk);
    EXPECT_TRUE(r.section.compressionOk);
}

// The whole-wall values are kept for the section-2 lines; the block itself ends with the section's.
TEST(GravityWallAnalysis, CarryOverInTheBlock) {
    WallCase c = DefaultCase(kGravity);
    KernelBlock kb;
    GravityWallResult r = Analyse(c, kb);
    EXPECT_EQ(kb.wallWeight, r.section.W1);
    EXPECT_EQ(kb.pressureX, r.section.Ex);
    EXPECT_NEAR(kb.backHeight, 5.933333, 1e-5);
    // The stability results stay those of the whole wall.
    EXPECT_EQ(kb.overturningFactor, r.stability.Kq);
}

// Largest Coulomb thrust over trial planes from the bottom back corner (t, −H), tanθ from the
// vertical, for ground rising a over b and then level, and a strip q over [d, d + l0]:
// E = (γ·wedge area + load on the wedge)·cos(θ + φ)/sin(θ + φ + α + δ).
double TrialWedgeMaximum(double H, double alpha, double delta, double phi, double a, double b, double q,
                         double d, double l0, double gamma) {
    const double t = H * std::tan(alpha);
    double best = 0;
    for (double tt = 0.05; tt < 1.5; tt += 2e-5) {
        double xi = t + (H + a) * tt;
        std::vector<float> x = {0, static_cast<float>(t)}, y = {0, static_cast<float>(-H)};
        if (xi >= b) {
            x.insert(x.end(), {static_cast<float>(xi), static_cast<float>(b)});
            y.insert(y.end(), {static_cast<float>(a), static_cast<float>(a)});
        } else {
            xi = (t + H * tt) / (1 - a * tt / b);
            x.push_back(static_cast<float>(xi));
            y.push_back(static_cast<float>(a * xi / b));
        }
        double area = 0;
        for (size_t k = 0; k < x.size(); ++k) {
            size_t n = (k + 1) % x.size();
            area += double(x[k]) * y[n] - double(x[n]) * y[k];
        }
        area = std::fabs(area) / 2;
        const double load = q * std::max(0.0, std::min(xi, d + l0) - d);
        const double th = std::atan(tt);
        best =
            std::max(best, (gamma * area + load) * std::cos(th + phi) / std::sin(th + phi + alpha + delta));
    }
    return best;
}

// Coulomb on the default gravity wall (broken slope, strip surcharge) against a brute-force trial
// wedge (581.24 kN/m).
TEST(GravityWallAnalysis, DefaultGravityWallCoulombNearTrialWedge) {
    WallCase c = DefaultCase(kGravity);
    c.soil.m_nTheory = kCoulomb;
    KernelBlock kb;
    GravityWallResult r = Analyse(c, kb);
    ASSERT_EQ(r.status, PressureStatus::kOk);
    const double expected =
        TrialWedgeMaximum(11.866667, std::atan(0.25), Deg(15), Deg(30), 1, 5, 10, 0, 4, 17);
    EXPECT_GE(r.pressure.E, expected * (1 - 1e-4));
    EXPECT_NEAR(r.pressure.E, expected, expected * 1e-3);
    EXPECT_NEAR(r.pressure.Ey / r.pressure.Ex, std::tan(std::atan(0.25) + Deg(15)), 1e-5);
}

// The trial wedges give a thrust whatever φ + α + δ (here 45 + 14.04 + 35 > 90°, where the closed
// form had none), and nothing of the case before carries over through the block.
TEST(GravityWallAnalysis, SteepWedgeComputesWithoutCarryOver) {
    WallCase good = DefaultCase(kGravity);
    good.soil.m_nTheory = kCoulomb;
    WallCase steep = good;
    steep.wall.m_fWallFriction = 35;
    test::SetSoil(steep, 17, 0, 45);
    KernelBlock fresh;
    const GravityWallResult alone = Analyse(steep, fresh);
    KernelBlock kb;
    ASSERT_EQ(Analyse(good, kb).status, PressureStatus::kOk);
    GravityWallResult r = Analyse(steep, kb);
    ASSERT_EQ(r.status, PressureStatus::kOk);
    EXPECT_GT(r.pressure.Ex, 0);
    EXPECT_EQ(r.pressure.Ex, alone.pressure.Ex);
    EXPECT_EQ(r.stability.Kq, alone.stability.Kq);
}

// Default semi-gravity wall: outline P2 (-2.55, -7.4), P3 (-5.05, -7.6), P4 (-5.05, -8),
// P5 (2, -8). Body above -7.4: (0.7 + 4.4)/2·7.4 = 18.87 m²; below: 3.935 m² (shoelace);
// W = 22.805·24 = 547.32. Level base whatever the record: B = 7.05. The toe steps put the cut at
// the foot of the front face, -7.4: B1 = 1.85 + 2.55 = 4.4, W1 = 18.87·24 = 452.88.
TEST(GravityWallAnalysis, DefaultSemiGravityWallByHand) {
    WallCase c = DefaultCase(kSemiGravity);
    c.wall.m_fBaseSlope = 0.3f;
    KernelBlock kb;
    GravityWallResult r = Analyse(c, kb);
    EXPECT_NEAR(r.W, 547.32, 1e-2);
    EXPECT_NEAR(r.stability.B, 7.05, 1e-5);
    EXPECT_EQ(r.section.cut, SectionCut::kAtStep);
    EXPECT_NEAR(r.section.B1, 4.4, 1e-5);
    EXPECT_NEAR(r.section.W1, 452.88, 1e-2);
}

// references.md: rectangular wall 2 x 5, γw 24, Rankine φ 30°, γ 18, level, no surcharge, μ 0.5:
// Kq 1.92, Kh 1.6. Section at 2.5 m: W1 = 120 at 1, Ex = 18·6.25/6 = 18.75 at 0.833333;
// e1 = 1 − (120 − 15.625)/120 = 0.130208; σ = (1 ± 0.390625)·60 = 83.4375, 36.5625; τ1 = 9.375.
TEST(GravityWallAnalysis, RectangularWallOfTheReferences) {
    WallCase c = test::RectangularWall(2, 5);
    c.soil.m_nTheory = kRankine;
    c.wall.m_fBaseFriction = 0.5f;
    test::SetSoil(c, 18, 0, 30);
    test::SetGround(c, 1, 0);
    KernelBlock kb;
    GravityWallResult r = Analyse(c, kb);
    EXPECT_NEAR(r.stability.Kq, 1.92, 1e-4);
    EXPECT_NEAR(r.stability.Kh, 1.6, 1e-4);
    EXPECT_NEAR(r.pressure.E, 75, 1e-3);
    EXPECT_NEAR(r.section.W1, 120, 1e-3);
    EXPECT_NEAR(r.section.Ex, 18.75, 1e-3);
    EXPECT_NEAR(r.section.e1, 0.130208, 1e-5);
    EXPECT_NEAR(r.section.sigmaMax, 83.4375, 1e-3);
    EXPECT_NEAR(r.section.sigmaMin, 36.5625, 1e-3);
    EXPECT_NEAR(r.section.tau1, 9.375, 1e-4);
}

}  // namespace
}  // namespace wall

namespace wall {
namespace {

// A rectangular wall 4 m wide and 6 m high (γ 22, μ 0.5), Rankine, sand γ 18, γsat 20, φ 30°, water 2 m
// below the top, by hand. Earth: Ka = 1/3; 12 kPa at 2 m, (36 + 10·4)/3 = 25.333 kPa at 6 m;
// E = 12 + 74.667 = 86.667 kN/m with 56 + 96 + 35.556 = 187.556 kN·m/m about the base. Water:
// 10·4²/2 = 80 kN/m at 4/3 m. Uplift: heads 0 at the toe and 4 m at the heel, U = 10·4/2·4 = 80 kN/m at
// 4·8/12 = 2.667 m. M0 = 187.556 + 106.667 + 213.333 = 507.556; My = 528·2 = 1056; Kq = 2.0806.
// N = 528 − 80 = 448; T = 166.667; Kh = 0.5·448/166.667 = 1.3440. The net moment 548.444 puts the
// resultant 1.2242 m from the toe: e0 = 0.7758 > B/6, σmax = 2·448/(3·1.2242) = 243.97 kPa.
// Water in front, 1.5 m: 11.25 kN/m at 0.5 m resisting; the toe's head 1.5 m lifts U to 110 kN/m at
// 4·(1.5 + 8)/(3·5.5) = 2.303 m: My = 1056 + 5.625, M0 = 187.556 + 106.667 + 253.333 = 547.556,
// Kq = 1.9388; N = 418, T = 155.417, Kh = 1.3448.
TEST(GravityWallAnalysis, WaterBehindAndInFrontByHand) {
    struct Row {
        const char* name;
        float front;
        double Kq, Kh, e0, sigmaMax;
    };
    const Row rows[] = {
        {"water behind", -1, 2.0806, 1.3440, 0.7758, 243.97},
        {"and in front", 1.5f, 1.9388, 1.3448, -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = test::RectangularWall(4, 6, 22);
        c.wall.m_fBaseFriction = 0.5f;
        c.soil.m_nTheory = kRankine;
        test::SetSoil(c, 18, 0, 30);
        c.soil.m_afLayer[0][kLayerSaturatedWeight] = 20;
        test::SetGround(c, 1, 0);
        test::SetLoad(c, 0, 0, 0);
        c.settings.waterBehind = 2;
        c.settings.waterFront = row.front;
        KernelBlock kb;
        const GravityWallResult r = Analyse(c, kb);
        ASSERT_EQ(r.status, PressureStatus::kOk);
        EXPECT_NEAR(r.pressure.Ex, 86.667, 1e-3);
        EXPECT_NEAR(r.water.PwX, 80, 1e-4);
        EXPECT_NEAR(r.stability.Kq, row.Kq, 1e-4);
        EXPECT_NEAR(r.stability.Kh, row.Kh, 1e-4);
        if (row.e0 > 0) {
            EXPECT_NEAR(r.stability.e0, row.e0, 1e-4);
            EXPECT_NEAR(r.stability.sigmaMax, row.sigmaMax, 1e-2);
        }
        // The section at half height (3 m): W1 = 264 at 2 m; soil 12 + 13.667 = 25.667 with moment
        // 20 + 6 + 0.5556 = 26.5556; water 10·1²/2 = 5 at 1/3 m. e1 = 2 − (528 − 26.5556 − 1.6667)/264
        // = 0.106902, τ1 = (25.667 + 5)/4 = 7.6667.
        EXPECT_NEAR(r.section.Pw, 5, 1e-4);
        EXPECT_NEAR(r.section.e1, 0.106902, 1e-4);
        EXPECT_NEAR(r.section.tau1, 30.6667 / 4, 1e-3);
    }
}

}  // namespace
}  // namespace wall
