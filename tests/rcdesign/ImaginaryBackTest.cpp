// Earth pressure on the imaginary back of reinforced-concrete walls against textbook values and hand sums.
#include <gtest/gtest.h>

#include <cmath>

#include "RcCase.h"
#include "rcdesign/BaseSlab.h"
#include "rcdesign/CantileverDesign.h"
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
    // Ka = 1/3, q = 10, the vertical back at the heel's end x = 2.5 (1.5 + 2.5 = 4 from the toe), H = 5,
    // the stem 4.5 above the slab, E1 = 75 at 5/3, soil on the heel 202.5 at 2.75. The strip's part over
    // the heel is a load on it; the part beyond bears on the back between the lines from its edges at
    // 45° + φ/2 = 60° (depths (x − 2.5)·√3), with q·Ka = 10/3.
    struct Row {
        const char* what;
        float d, l0;
        double E, Zy, heelLoad, heelLoadArm, loadThrust, loadThrustArm;
    };
    const Row rows[] = {
        // Wholly over the heel: 20 kN/m at 1.5 + 0.5 + 1 = 3.0 m; nothing on the back.
        {"over the heel", 0.5f, 2, 75, 5.0 / 3, 20, 3.0, 0, 0},
        // From 1 to 4 m: 1.5 m over the heel (15 kN/m at 1.5 + 1.75 = 3.25), the rest from the back's
        // top down to 1.5·√3 = 2.598: Eq = 8.6603, E = 83.6603, Zy = (125 + 8.6603·(5 − 1.299))/83.6603
        // = 1.877251; on the stem the same at 4.5 − 1.299 = 3.200962.
        {"split", 1, 3, 83.6603, 1.877251, 15, 3.25, 8.6603, 3.200962},
        // From 1 to 11 m: the band reaches past the base: Eq = 5·10/3 = 16.667, Zy = (125 + 16.667·2.5)/
        // 91.667 = 1.818182; on the stem 4.5·10/3 = 15 at 2.25.
        {"split, deep", 1, 10, 91.6667, 1.818182, 15, 3.25, 15, 2.25},
        // From 3 to 4 m, beyond the heel: the band from 0.5·√3 to 1.5·√3, Eq = 5.7735, Zy = (125 +
        // 5.7735·(5 − √3))/80.7735 = 1.781123; on the stem at 4.5 − √3 = 2.767949.
        {"beyond the heel", 3, 1, 80.7735, 1.781123, 0, 0, 5.7735, 2.767949},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WallCase c = SmallWall(kCantilever);
        SetStrip(c, row.d, row.l0, 10);
        ImaginaryBackResult r = Compute(c);
        EXPECT_NEAR(r.E, row.E, 1e-3);
        EXPECT_NEAR(r.Zy, row.Zy, 1e-5);
        // The soil on the heel is soil alone; the strip on it is its own load.
        EXPECT_NEAR(r.W1, 202.5, 1e-3);
        EXPECT_NEAR(r.Zw1, 2.75, 1e-5);
        EXPECT_NEAR(r.Wq, row.heelLoad, 1e-4);
        EXPECT_NEAR(r.loads.heelLoad, row.heelLoad, 1e-4);
        EXPECT_NEAR(r.loads.heelLoadArm, row.heelLoadArm, 1e-5);
        EXPECT_NEAR(r.loads.loadThrust, row.loadThrust, 1e-4);
        EXPECT_NEAR(r.loads.loadThrustArm, row.loadThrustArm, 1e-5);
        EXPECT_NEAR(r.loads.soilThrust, 60.75, 1e-3);
    }
}

TEST(RcImaginaryBack, RankineSlopingGround) {
    // A slope of 10 m run and 1.76 m rise as the page shows it (β = atan 0.176 = 9.9813°), φ = 30°:
    // Das's coefficient cosβ·Ka = 0.3495 at 10° (references.md); here Ka = 0.354828.
    // he = 0.176·2.5 + 5 = 5.44, E = cosβ·18·he²·Ka/2 = 93.0753 parallel to the slope: Ex = 91.6664,
    // Ey = 16.1333, Zy = he/3 = 1.813333. Soil over the heel: 2.5 × 4.5 plus the triangle under the slope
    // 2.5·0.44/2 = 0.55: 11.8 m² × 18 = 212.4 kN/m, centroid (11.25·1.25 + 0.55·5/3)/11.8 = 1.269492 from
    // the stem: 2.769492 from the toe. The stem, 4.94 below the slope: cosβ·18·4.94²·Ka/2 = 76.7522.
    WallCase c = SmallWall(kCantilever);
    SetSlope(c, 10, 10 * std::tan(10 * 3.14159265 / 180));
    ImaginaryBackResult r = Compute(c);
    const double beta = std::atan(0.176);
    EXPECT_NEAR(r.Ka, 0.354828, 2e-5);
    EXPECT_NEAR(r.E, 93.0753, 0.005);
    EXPECT_NEAR(r.Ex, 91.6664, 0.005);
    EXPECT_NEAR(r.Ey, 16.1333, 0.005);
    EXPECT_NEAR(r.Zy, 5.44 / 3, 1e-4);
    EXPECT_NEAR(r.loads.thrustAngle, beta, 1e-6);
    EXPECT_NEAR(r.W1, 212.4, 0.01);
    EXPECT_NEAR(r.Zw1, 2.769492, 1e-4);
    EXPECT_NEAR(r.loads.soilThrust, 76.7522, 0.005);
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
    // The back from the heel's lower end (2.5, −5) to the stem's top: α = atan(2.5/5) = 26.5651°; φ = 30°,
    // δ = 0, level ground: Ka = cos²(3.4349°)/(cos³α·(1 + sinφ/cosα)²) = 0.572930, E1 = 18·25·Ka/2 =
    // 128.909, inclined at ψ = atan(2.5/5) + 30°. The soil on the heel: the triangle between the stem, the
    // heel's top and the back (which crosses the heel's top at x = 2.25): 2.25·4.5/2·18 = 91.125 at
    // 2.25/3 = 0.75 from the stem, 2.25 from the toe. Stem: 18·4.5²·Ka/2 = 104.416 at 1.5.
    // With a strip the largest trial wedge (found independently by a scan and a ternary search)
    // carries it; its band on the back lies between the depths x·tanρ/(1 + 0.5·tanρ) of the strip's
    // edges.
    struct Row {
        const char* what;
        float d, l0, q;
        double E, Zy, loadThrust, loadThrustArm;
    };
    const Row rows[] = {
        {"no surcharge", 0, 0, 0, 128.909, 5.0 / 3, 0, 0},
        // From 0 to 4 m: ρ = 73.30°, Eq = 28.6465, Zy = 1.818182; on the stem 25.7818 at 2.25.
        {"strip from the wall", 0, 4, 10, 157.5557, 1.818182, 25.7818, 2.25},
        // From 1 to 5 m, the plane through ρ = 71.60°: Eq = 21.7458, Zy = 1.700294; stem 18.8837 at 1.649461.
        {"strip set back", 1, 4, 10, 150.5401, 1.700294, 18.8837, 1.649461},
        // From 1 to 11 m: the same wedge (the strip beyond 5 m lies outside it).
        {"wide strip", 1, 10, 10, 150.5401, 1.700294, 18.8837, 1.649461},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WallCase c = SmallWall(kCantilever);
        c.soil.m_nTheory = kCoulomb;
        SetStrip(c, row.d, row.l0, row.q);
        ImaginaryBackResult r = Compute(c);
        EXPECT_EQ(r.theory, kCoulomb);
        EXPECT_NEAR(r.E, row.E, 0.01);
        EXPECT_NEAR(r.Zy, row.Zy, 1e-4);
        EXPECT_NEAR(r.loads.loadThrust, row.loadThrust, 0.002);
        EXPECT_NEAR(r.loads.loadThrustArm, row.loadThrustArm, 1e-4);
        EXPECT_NEAR(r.loads.soilThrust, 104.416, 0.1);
        EXPECT_NEAR(r.loads.soilThrustArm, 1.5, 1e-4);
        EXPECT_NEAR(r.W1, 91.125, 1e-3);
        EXPECT_NEAR(r.Zw1, 2.25, 1e-5);
        EXPECT_EQ(r.loads.heelLoad, 0);
        const double psi = std::atan(0.5) + 30 * 3.1415925 / 180;
        EXPECT_NEAR(r.Ex, std::cos(psi) * row.E, 0.01);
        EXPECT_NEAR(r.Ey, std::sin(psi) * row.E, 0.01);
        // On the back: x = 0.5·(5 − Zy) from the stem's top, 1.5 more from the toe.
        EXPECT_NEAR(r.Zx, 1.5 + 0.5 * (5 - row.Zy), 1e-4);
    }
    EXPECT_NEAR(Compute([] {
                    WallCase c = SmallWall(kCantilever);
                    c.soil.m_nTheory = kCoulomb;
                    return c;
                }())
                    .Ka,
                0.572930, 2e-6);
}

TEST(RcImaginaryBack, WaterTableBehindTheHeelByHand) {
    // The small wall with the water table 2 m below its top, γsat = 20, γw = 10, pressures apart.
    // Back (the heel end's vertical, 5 m): σ'v = 36 at 2 m, 36 + 10·3 = 66 at the foot; p = σ'v/3, so
    // 12 and 22: Es = 12·2/2 + (12 + 22)/2·3 = 63 kN/m, moment about the base 12·11/3 + 36·1.5 + 15·1 =
    // 113, Zy = 1.79365 m. Water: 10·3²/2 = 45 kN/m at 1 m.
    // Heel soil 2.5 wide: 18·2·2.5 + 20·2.5·2.5 = 215 kN/m at 2.75 m. Uplift: heads 0 at the toe, 3 at
    // the heel, U = 10·3/2·4 = 60 kN/m at 4·2/3 = 2.6667 m.
    // Kq = (102·1.602941 + 215·2.75)/(113 + 45 + 60·2.6667) = 754.75/318 = 2.37343.
    // Stem (4.5 m): soil 12·2/2 + (12 + 20.3333)/2·2.5 = 52.4167, moment 84.1806; water 10·2.5²/2 =
    // 31.25 at 0.8333: Mk = 84.1806 + 26.0417 = 110.2222.
    // Base, standard: G = 102 + 215 − 60 = 257, Mv = 754.75 − 160 = 594.75, Mh = 158.
    // Uplift under the heel (1.5…4 m, 11.25 → 30 kPa): 51.5625 kN/m, 6.25·(11.25 + 60)/6 = 74.2188
    // about its root; under the toe (0…1 m, 0 → 7.5 kPa): 3.75 kN/m, 1.25 about its root.
    WallCase c = SmallWall(kCantilever);
    c.soil.m_afLayer[0][kLayerSaturatedWeight] = 20;
    c.settings.waterBehind = 2;
    KernelBlock kb;
    PutOutline(c, kb);
    const CantileverResult d = CantileverDesign(c, kb);
    const ImaginaryBackResult& r = d.back;
    EXPECT_NEAR(r.E, 63, 1e-3);
    EXPECT_NEAR(r.Zy, 113.0 / 63, 1e-5);
    EXPECT_NEAR(r.water.Pw, 45, 1e-3);
    EXPECT_NEAR(r.water.y, 1, 1e-5);
    EXPECT_NEAR(r.W1, 215, 1e-3);
    EXPECT_NEAR(r.Zw1, 2.75, 1e-5);
    EXPECT_NEAR(r.water.U, 60, 1e-3);
    EXPECT_NEAR(r.water.ux, 8.0 / 3, 1e-5);
    EXPECT_NEAR(r.stability.Kq, 754.75 / 318, 1e-4);
    EXPECT_NEAR(r.loads.waterThrust, 31.25, 1e-3);
    EXPECT_NEAR(d.Mk, 110.2222, 1e-3);
    EXPECT_NEAR(d.slab.standard.G, 257, 1e-3);
    EXPECT_NEAR(d.slab.standard.Mv, 594.75, 1e-2);
    EXPECT_NEAR(d.slab.standard.Mh, 158, 1e-3);
    EXPECT_NEAR(d.slab.heelUpliftForce, 51.5625, 1e-4);
    EXPECT_NEAR(d.slab.heelUplift, 74.21875, 1e-4);
    EXPECT_NEAR(d.slab.toeUpliftForce, 3.75, 1e-5);
    EXPECT_NEAR(d.slab.toeUplift, 1.25, 1e-5);
}

}  // namespace
