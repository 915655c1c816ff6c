// Earth pressure on the imaginary back of reinforced-concrete walls against textbook values and hand sums.
#include <gtest/gtest.h>

#include <cmath>

#include "RcCase.h"
#include "rcdesign/ImaginaryBack.h"

using namespace wall;
using namespace wall::test;

namespace {

ImaginaryBackResult Compute(const WallCase& c) {
    KernelBlock kb;
    PutOutline(c, kb);
    return ImaginaryBackPressure(c, kb);
}

void SetStrip(WallCase& c, float offset, float width, float pressure) {
    c.soil.m_fLoadOffset = offset;
    c.soil.m_fLoadWidth = width;
    c.soil.m_fLoadPressure = pressure;
}

void SetSlope(WallCase& c, float run, float rise) {
    c.soil.m_afSlope[0][kSlopeRun] = run;
    c.soil.m_afSlope[0][kSlopeRise] = rise;
    UpdateSlopeRow(c.soil.m_afSlope[0]);
}

TEST(RcImaginaryBack, RankineLevelGroundNoSurcharge) {
    // Small wall (H = 5, stem 4.5 above the slab, heel 2.5, toe point 1.5 in front of the back), φ = 30°,
    // γ = 18: Ka = tan²(45° - 15°) = 1/3, E = 18·5²/3/2 = 75 kN/m horizontal at 5/3 m, Zx = B = 4 m.
    // Soil over the heel 2.5 × 4.5 up to the wall top: 202.5 kN/m at 1.5 + 1.25 = 2.75 m from the toe.
    // Stem: E1s = 18·4.5²/3/2 = 60.75 at 1.5 m above the slab. Wall: 4.25 m² × 24 = 102 kN/m.
    WallCase c = SmallWall(kCantilever);
    ImaginaryBackResult r = Compute(c);
    EXPECT_EQ(r.theory, kRankine);
    EXPECT_NEAR(r.Ka, 1.0 / 3, 1e-5);
    EXPECT_NEAR(r.W, 102, 1e-3);
    EXPECT_NEAR(r.Zw, 1.602941, 1e-5);
    EXPECT_NEAR(r.E, 75, 1e-3);
    EXPECT_NEAR(r.Ex, 75, 1e-3);
    EXPECT_EQ(r.Ey, 0);
    EXPECT_NEAR(r.Zx, 4, 1e-6);
    EXPECT_NEAR(r.Zy, 5.0 / 3, 1e-5);
    EXPECT_NEAR(r.W1, 202.5, 1e-3);
    EXPECT_NEAR(r.Zw1, 2.75, 1e-5);
    EXPECT_EQ(r.loads.thrustAngle, 0);
    EXPECT_NEAR(r.loads.soilThrust, 60.75, 1e-3);
    EXPECT_NEAR(r.loads.soilThrustArm, 1.5, 1e-6);
    EXPECT_EQ(r.loads.loadThrust, 0);
    EXPECT_EQ(r.loads.heelLoad, 0);
    EXPECT_EQ(r.loads.heelWeight, r.W1);
    EXPECT_EQ(r.loads.heelWeightArm, r.Zw1);
    // Stability by hand: Kq = (102·1.602941 + 202.5·2.75)/(75·5/3) = 720.375/125 = 5.763.
    EXPECT_NEAR(r.stability.Kq, 5.763, 1e-3);
}

TEST(RcImaginaryBack, RankineStripSurcharge) {
    // f = 1 (level, vertical back), Ka = 1/3, q = 10. xT = 1.5 (toe to the back's vertical), B2 = 2.5, H = 5,
    // Hv = 5, H1 = 0.5, E1 = 75, soil on the heel 202.5 at 2.75.
    struct Row {
        const char* what;
        float d, l0;
        double E, Zy, W1, Zw1, heelLoad, heelLoadArm, loadThrust, loadThrustArm;
    };
    const Row rows[] = {
        // Wholly over the heel: +20 kN/m at 1.5 + 0.5 + 1 = 3.0 m, E = E1 at Hv/3.
        {"over the heel", 0.5f, 2, 75, 5.0 / 3, 222.5, (202.5 * 2.75 + 20 * 3.0) / 222.5, 20, 3.0, 0, 0},
        // From 1 to 4 m: 1.5 m over the heel (15 kN/m at 1.5 + 1.75 = 3.25), 1.5 m on the back from its
        // top: Eq = 1.5·10/3 = 5, E = 80, Zy = ((5 - 0.75)·5 + 75·5/3)/80 = 1.828125; Eqs = 5 at
        // 5 - 0.75 - 0.5 = 3.75.
        {"split, shallow", 1, 3, 80, 1.828125, 217.5, (202.5 * 2.75 + 15 * 3.25) / 217.5, 15, 3.25, 5, 3.75},
        // From 1 to 11 m: reaches 8.5 m beyond the heel > Hv = 5, d' = 0: Eq1 = 0, Eq2 = 5·10/3 = 16.667,
        // E = 91.667, Zy = (5·16.667/2 + 75·5/3)/91.667 = 1.818182; Eqs = 4.5·10/3 = 15 at
        // 4.5²·5/3/15 = 2.25.
        {"split, deep", 1, 10, 91.6667, 1.818182, 217.5, (202.5 * 2.75 + 15 * 3.25) / 217.5, 15, 3.25, 15,
         2.25},
        // From 3 to 4 m, beyond the heel: d' = 0.5, Eq = 10/3, E = 78.333,
        // Zy = ((5 - 0.5 - 0.5)·3.333 + 125)/78.333 = 1.765957; Eqs = 3.333 at 5 - 0.5 - 0.5 - 0.5 = 3.5.
        {"beyond the heel", 3, 1, 78.3333, 1.765957, 202.5, 2.75, 0, 0, 10.0 / 3, 3.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WallCase c = SmallWall(kCantilever);
        SetStrip(c, row.d, row.l0, 10);
        ImaginaryBackResult r = Compute(c);
        EXPECT_NEAR(r.E, row.E, 1e-3);
        EXPECT_NEAR(r.Zy, row.Zy, 1e-5);
        EXPECT_NEAR(r.W1, row.W1, 1e-3);
        EXPECT_NEAR(r.Zw1, row.Zw1, 1e-5);
        EXPECT_NEAR(r.loads.heelLoad, row.heelLoad, 1e-4);
        EXPECT_NEAR(r.loads.heelLoadArm, row.heelLoadArm, 1e-5);
        EXPECT_NEAR(r.loads.loadThrust, row.loadThrust, 1e-4);
        EXPECT_NEAR(r.loads.loadThrustArm, row.loadThrustArm, 1e-5);
        EXPECT_NEAR(r.loads.soilThrust, 60.75, 1e-3);
    }
}

TEST(RcImaginaryBack, RankineSlopingGround) {
    // β = 10°, φ = 30°: Das's coefficient cosβ·Ka = 0.3495 (references.md), Ka = 0.35491.
    // he = tan10°·2.5 + 5 = 5.44082, E = cosβ·18·he²·Ka/2 = 93.120 at β: Ex = 91.705, Ey = 16.170, Zy = he/3.
    // Soil over the heel: 2.5 × 4.5 plus the triangle under the slope 2.5·0.44082/2: 11.80102 m² × 18 =
    // 212.418 kN/m, centroid (11.25·1.25 + 0.55102·5/3)/11.80102 = 1.26945 from the back: 2.76945 from the
    // toe.
    WallCase c = SmallWall(kCantilever);
    SetSlope(c, 10, 10 * std::tan(10 * 3.14159265 / 180));
    ImaginaryBackResult r = Compute(c);
    EXPECT_NEAR(r.Ka * std::cos(10 * 3.14159265 / 180), 0.3495, 1e-4);
    EXPECT_NEAR(r.E, 93.120, 0.005);
    EXPECT_NEAR(r.Ex, 91.705, 0.005);
    EXPECT_NEAR(r.Ey, 16.170, 0.005);
    EXPECT_NEAR(r.Zy, 5.44082 / 3, 1e-4);
    EXPECT_NEAR(r.loads.thrustAngle, 10 * 3.14159 / 180, 1e-6);
    EXPECT_NEAR(r.W1, 212.418, 0.01);
    EXPECT_NEAR(r.Zw1, 2.76945, 1e-4);
    // The stem: 4.94082 high, cosβ·18·4.94082²·Ka/2 = 76.791 at 4.94082/3.
    EXPECT_NEAR(r.loads.soilThrust, 76.791, 0.005);
}

TEST(RcImaginaryBack, RankineSlopeEndingBeforeTheHeelsEnd) {
    // Slope 2 m run, 0.5 m rise (14.04° as the table shows it), heel 2.5 m: level-ground formulas with
    // he = H + a = 5.5: Ka = 1/3, E = 18·5.5²/3/2 = 90.75 horizontal at 5.5/3; the stem 18·5²/6 = 75.
    // Soil over the heel: 11.25 below the top, 0.5·2·0.5 under the slope and 0.5·0.5 beyond its crest:
    // 12.0 m² (12.0002 with the shown angle) × 18 = 216.0 kN/m.
    WallCase c = SmallWall(kCantilever);
    SetSlope(c, 2, 0.5f);
    ImaginaryBackResult r = Compute(c);
    EXPECT_NEAR(r.Ka, 1.0 / 3, 1e-5);
    EXPECT_NEAR(r.E, 90.75, 1e-3);
    EXPECT_EQ(r.Ey, 0);
    EXPECT_NEAR(r.Zy, 5.5 / 3, 1e-5);
    EXPECT_NEAR(r.loads.soilThrust, 75, 1e-3);
    EXPECT_NEAR(r.W1, 216.0, 0.01);
}

TEST(RcImaginaryBack, CoulombVerticalBackWithoutHeelGivesTheTableCoefficient) {
    // With B2 = 0 the imaginary back is the stem's back (θ = α = 0) and no soil rests on a heel.
    // Das, Principles of Foundation Engineering, Table 6.4 (vertical back, level backfill).
    struct Row {
        float phi, delta;
        double Ka;
    };
    for (Row row : {Row{28, 0, 0.3610}, Row{30, 5, 0.3189}, Row{32, 10, 0.2853}}) {
        SCOPED_TRACE(row.phi);
        WallCase c = SmallWall(kCantilever);
        c.soil.m_nTheory = kCoulomb;
        c.wall.m_fHeelWidth = 0;
        c.wall.m_fWallFriction = row.delta;
        c.soil.m_afLayer[0][kLayerFriction] = row.phi;
        ImaginaryBackResult r = Compute(c);
        EXPECT_NEAR(r.Ka, row.Ka, 1e-4);
        EXPECT_EQ(r.W1, 0);
        // No heel: the thrust leans at atan(0) + φ.
        EXPECT_NEAR(r.loads.thrustAngle, row.phi * 3.1415925 / 180, 1e-6);
    }
}

TEST(RcImaginaryBack, CoulombInclinedBack) {
    // Back from the heel's lower end to the stem top: θ = atan(2.5/4.5) = 29.0546°; φ = 30°, δ = 0, β = 0:
    // Ka = cos²(φ - θ)/(cos³θ·[1 + √(sin²φ/cos²θ)]²) = 0.60565; E1 = 18·5²·Ka/2 = 136.270 at
    // ψ = atan(2.5/5) + 30° = 56.565°: Ex = 75.084, Ey = 113.719. Wedge on the heel 18·4.5·2.5/2 = 101.25 at
    // 4 - 2·2.5/3 = 2.3333 m. Stem: 18·4.5²·Ka/2 = 110.379 at 1.5 m.
    struct Row {
        const char* what;
        float d, l0, q;
        double E, Zy, loadThrust, loadThrustArm;
    };
    const Row rows[] = {
        // Eq = 0, placed at 5 - 0 - 0 - 0.5 = 4.5.
        {"no surcharge", 0, 0, 0, 136.270, 5.0 / 3, 0, 4.5},
        // d + l0 = 4 < H: Eq = 40·Ka = 24.226, E = 160.496, Zy = (3·24.226 + 136.270·5/3)/160.496 = 1.867925;
        // Eqs = Eq at 5 - 2 - 0.5 = 2.5.
        {"strip ending above the base", 0, 4, 10, 160.496, 1.867925, 24.226, 2.5},
        // d + l0 = H: Eqs = 10·(4 - 0.5)·Ka = 21.198 at 5 - 1 - 2 - 0.5 = 1.5; Zy = (2·24.226 +
        // 227.117)/160.496.
        {"strip reaching the base", 1, 4, 10, 160.496, 1.716981, 21.198, 1.5},
        // d + l0 = 11 > H: fall = 1 - tan30° = 0.42265, Eq1 = 5·0.42265·Ka = 1.2799, Eq2 = 4·10·Ka = 24.226,
        // E = 161.776, Zy = (4·24.226/2 + (5 - 0.63397 - 0.57735)·1.2799 + 136.270·5/3)/161.776 = 1.733371;
        // Eqs = 3.5·10·Ka + Eq1 = 22.478 at (3.5²·5·Ka + 3.28868·1.2799)/22.478 = 1.837613.
        {"strip reaching below the base", 1, 10, 10, 161.776, 1.733371, 22.478, 1.837613},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WallCase c = SmallWall(kCantilever);
        c.soil.m_nTheory = kCoulomb;
        SetStrip(c, row.d, row.l0, row.q);
        ImaginaryBackResult r = Compute(c);
        EXPECT_EQ(r.theory, kCoulomb);
        EXPECT_NEAR(r.Ka, 0.60565, 5e-5);
        EXPECT_NEAR(r.E, row.E, 0.01);
        EXPECT_NEAR(r.Zy, row.Zy, 1e-4);
        EXPECT_NEAR(r.loads.loadThrust, row.loadThrust, 0.002);
        EXPECT_NEAR(r.loads.loadThrustArm, row.loadThrustArm, 1e-4);
        EXPECT_NEAR(r.loads.soilThrust, 110.379, 0.005);
        EXPECT_NEAR(r.loads.soilThrustArm, 1.5, 1e-6);
        EXPECT_NEAR(r.W1, 101.25, 1e-3);
        EXPECT_NEAR(r.Zw1, 4 - 5.0 / 3, 1e-5);
        EXPECT_EQ(r.loads.heelLoad, 0);
        const double psi = std::atan(0.5) + 30 * 3.1415925 / 180;
        EXPECT_NEAR(r.Ex, std::cos(psi) * row.E, 0.01);
        EXPECT_NEAR(r.Ey, std::sin(psi) * row.E, 0.01);
        EXPECT_NEAR(r.Zx, 4 - row.Zy * 0.5, 1e-4);
    }
}

}  // namespace
