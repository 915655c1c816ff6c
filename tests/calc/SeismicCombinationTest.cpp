// The seismic combination over random cases and by hand: it never touches the static results, θ = 0
// leaves the thrust static, the seismic-angle thrust is the static thrust of the turned soil, the
// inertia is Ci·Cz·(A/g)·W at the centroid, and a stem's seismic design follows GB 50011-2010 §5.4.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/CalculateCase.h"
#include "calc/Verdict.h"
#include "case/CaseDefaults.h"

namespace wall {
namespace {

struct Random {
    std::mt19937 rng{20261211};
    float Uniform(double a, double b) {
        return static_cast<float>(std::uniform_real_distribution<double>(a, b)(rng));
    }
};

// A default case with its ground, strip and (now and then) a second dry layer varied.
WallCase RandomCase(Random& r, int type, int theory) {
    WallCase c = DefaultCase(type);
    c.soil.m_nTheory = theory;
    c.wall.m_fHeight *= r.Uniform(0.8, 1.2);
    const float run = AsShown(r.Uniform(1, 8));
    const float angle = r.Uniform(0, 15);
    c.soil.m_afSlope[0][kSlopeRun] = run;
    c.soil.m_afSlope[0][kSlopeRise] = AsShown(static_cast<float>(run * std::tan(angle * 3.14159265 / 180)));
    UpdateSlopeRow(c.soil.m_afSlope[0]);
    if (r.Uniform(0, 1) < 0.5f) {
        // A second, steeper segment further out.
        const float run2 = AsShown(r.Uniform(2, 10)), angle2 = r.Uniform(angle, 24);
        c.soil.m_nSlopeSegs = 2;
        c.soil.m_afSlope[1][kSlopeRun] = run2;
        c.soil.m_afSlope[1][kSlopeRise] =
            AsShown(static_cast<float>(run2 * std::tan(angle2 * 3.14159265 / 180)));
        UpdateSlopeRow(c.soil.m_afSlope[1]);
    }
    c.soil.m_fLoadOffset = AsShown(r.Uniform(0, 6));
    c.soil.m_fLoadWidth = AsShown(r.Uniform(0.5, 6));
    c.soil.m_fLoadPressure = AsShown(r.Uniform(1, 40));
    c.soil.m_afLayer[0][kLayerFriction] = AsShown(r.Uniform(28, 38));
    if (r.Uniform(0, 1) < 0.5f) {
        c.soil.m_afLayer[0][kLayerThickness] = AsShown(r.Uniform(1, 0.8 * c.wall.m_fHeight));
        float* second = c.soil.m_afLayer[1];
        second[kLayerUnitWeight] = AsShown(r.Uniform(16, 21));
        second[kLayerFriction] = AsShown(r.Uniform(26, 40));
    }
    return c;
}

// The values a static result is read by, which an earthquake must leave bit for bit.
std::vector<float> StaticFingerprint(const CaseResult& r) {
    const StabilityResult& s = *r.Stability();
    std::vector<float> v = {s.Kq, s.Kh, s.e0, s.sigmaMax, s.sigmaMin, s.N};
    auto sections = [&v](const auto& list) {
        for (const DesignedSection& d : list) v.insert(v.end(), {d.result.M, d.result.Mk, d.result.area});
    };
    if (r.gravity)
        v.insert(v.end(), {r.gravity->pressure.E, r.gravity->section.sigmaMax, r.gravity->section.tau1});
    if (r.shelf) v.insert(v.end(), {r.shelf->pressure.E1, r.shelf->pressure.E2, r.shelf->section.sigmaMax});
    if (r.cantilever) sections(r.cantilever->sections);
    if (r.counterfort) sections(r.counterfort->sections);
    return v;
}

// The whole thrust of the wall (a shelf's upper and lower).
float ThrustE(const WallResults& r) {
    if (r.gravity) return r.gravity->pressure.E;
    if (r.shelf) return r.shelf->pressure.E1 + r.shelf->pressure.E2;
    return r.cantilever ? r.cantilever->back.E : r.counterfort->back.E;
}

// The weights that take inertia: the wall, and the soil on a heel or a platform.
double CarriedWeight(const CaseResult& r) {
    double W = 0;
    for (const Action& a : r.Stability()->actions)
        if (a.kind == ActionKind::kWallWeight || a.kind == ActionKind::kSoilWeight) W += a.Fy;
    return W;
}

TEST(SeismicCombination, LeavesTheStaticResultsAndWithThetaZeroTheThrust) {
    Random rnd;
    int compared = 0;
    for (int n = 0; n < 400; ++n) {
        const int type = n % kWallTypeCount, theory = (n / kWallTypeCount) % 2;
        const WallCase c = RandomCase(rnd, type, theory);
        const CaseResult plain = CalculateCase(c);
        if (!plain.Accepted()) continue;
        WallCase e = c;
        e.settings.seismicAcceleration = 0.2f;
        e.settings.seismicAngle = 0;
        e.settings.seismicAngleWater = 0;
        const CaseResult quake = CalculateCase(e);
        ASSERT_TRUE(quake.Accepted()) << n;
        ASSERT_TRUE(quake.seismic && quake.seismic->refusal.empty()) << n;
        EXPECT_EQ(StaticFingerprint(plain), StaticFingerprint(quake)) << "case " << n;
        // θ = 0: the same thrust; the inertia 1.0 × 0.25 × 0.20 of the wall and the soil it carries (a
        // Rankine wall's soil over its back face as well, which no weight action names).
        EXPECT_EQ(ThrustE(*quake.seismic), ThrustE(plain)) << "case " << n;
        double F = 0;
        for (const Action& a : quake.seismic->Stability()->actions)
            if (a.Inertia()) F += a.Fx;
        const double expected = 0.05 * CarriedWeight(plain);
        if (!(plain.gravity && theory == kRankine)) {
            EXPECT_NEAR(F, expected, 1e-4 * expected) << "case " << n;
        } else {
            EXPECT_GE(F, expected * (1 - 1e-5)) << "case " << n;
        }
        // With the table's angle the thrust only grows, the steeper far ground's raise included.
        WallCase table = c;
        table.settings.seismicAcceleration = 0.2f;
        const CaseResult tabled = CalculateCase(table);
        ASSERT_TRUE(tabled.seismic) << n;
        if (tabled.seismic->refusal.empty()) {
            EXPECT_GE(ThrustE(*tabled.seismic), ThrustE(plain) * (1 - 1e-6)) << "case " << n;
        }
        // Every seismic check under its own name, after the static ones.
        const std::vector<CheckVerdict> checks = CaseChecks(quake);
        EXPECT_TRUE(std::any_of(checks.begin(), checks.end(),
                                [](const CheckVerdict& v) { return v.name == "seismicOverturning"; }));
        ++compared;
    }
    EXPECT_GT(compared, 300);
}

// Under Coulomb the seismic-angle thrust on a masonry back is the static thrust of the same case with
// φ − θ, δ + θ, γ/cosθ and q/cosθ (dry ground, every layer turned alike).
TEST(SeismicCombination, CoulombThrustIsTheStaticThrustOfTheTurnedSoil) {
    Random rnd;
    int compared = 0;
    for (int n = 0; n < 300; ++n) {
        const int type = n % 2 == 0 ? kGravity : kSemiGravity;
        WallCase c = RandomCase(rnd, type, kCoulomb);
        static constexpr float kAngles[] = {1.5f, 3.0f, 4.5f, 6.0f, 10.0f};
        const float theta = kAngles[n % 5];
        WallCase e = c;
        e.settings.seismicAcceleration = 0.2f;
        e.settings.seismicAngle = theta;
        e.settings.seismicAngleWater = theta;
        const double cosT = std::cos(theta * 3.14159265358979 / 180);
        WallCase turned = c;
        for (int i = 0; i < LayersInUse(c.soil); ++i) {
            float* row = turned.soil.m_afLayer[i];
            row[kLayerFriction] -= theta;
            row[kLayerUnitWeight] = static_cast<float>(row[kLayerUnitWeight] / cosT);
        }
        turned.wall.m_fWallFriction += theta;
        turned.soil.m_fLoadPressure = static_cast<float>(turned.soil.m_fLoadPressure / cosT);
        const CaseResult quake = CalculateCase(e);
        const CaseResult reference = CalculateCase(turned);
        if (!quake.Accepted() || !reference.Accepted()) continue;
        if (!quake.seismic->refusal.empty()) continue;
        const ThrustResult& a = quake.seismic->gravity->coulomb.thrust;
        const ThrustResult& b = reference.gravity->coulomb.thrust;
        // The inputs pass through their shown precision (0.01): a few parts in ten thousand.
        EXPECT_NEAR(a.E, b.E, 2e-3 * b.E + 0.01) << "case " << n << " θ=" << theta;
        EXPECT_NEAR(a.depth, b.depth, 0.01) << "case " << n;
        ++compared;
    }
    EXPECT_GT(compared, 200);
}

// A rectangular wall by hand: W = γ·b·H, E = Ci·Cz·(A/g)·W at H/2; above 12 m the part over a section
// takes ψ = 1 + hi/H (JTG B02-2013 §7.2.3).
TEST(SeismicCombination, InertiaOfARectangularWallByHand) {
    struct Row {
        float H, b, A, Ci, Cz;
    };
    static constexpr Row kRows[] = {
        {6, 2, 0.2f, 1.0f, 0.25f}, {8, 1.5f, 0.3f, 1.5f, 0.3f}, {15, 3, 0.4f, 1.0f, 0.25f}};
    for (const Row& row : kRows) {
        WallCase c = DefaultCase(kGravity);
        c.soil.m_nTheory = kCoulomb;
        CRetainingWall& w = c.wall;
        w.m_fHeight = row.H;
        w.m_fTopWidth = row.b;
        w.m_fFrontSlope = w.m_fBackSlope = w.m_fBaseSlope = 0;
        w.m_fToeWidth = w.m_fToeHeight = w.m_fHeelWidth = w.m_fHeelHeight = 0;
        c.settings.seismicAcceleration = row.A;
        c.settings.seismicImportance = row.Ci;
        c.settings.seismicCz = row.Cz;
        const CaseResult r = CalculateCase(c);
        ASSERT_TRUE(r.Accepted() && r.seismic && r.seismic->refusal.empty()) << row.H;
        const double W = w.m_fUnitWeight * row.b * row.H;
        const Action* f = nullptr;
        for (const Action& a : r.seismic->Stability()->actions)
            if (a.Inertia()) f = &a;
        ASSERT_NE(f, nullptr);
        EXPECT_NEAR(f->Fx, row.Ci * row.Cz * row.A * W, 1e-3) << row.H;
        EXPECT_NEAR(f->y, row.H / 2, 1e-4) << row.H;
        // The section at half height: the half above, its centroid a quarter of H above the section.
        const SectionResult& s = r.seismic->gravity->section;
        const double psi = row.H > 12 ? 1.5 : 1.0;
        EXPECT_NEAR(s.Fi, psi * row.Ci * row.Cz * row.A * W / 2, 1e-3) << row.H;
        EXPECT_NEAR(s.Zfi, row.H / 4, 1e-4) << row.H;
    }
}

// The default cantilever with a stem 0.5 m thick (6.4 m above its 0.6 m slab) under A = 0.4g with
// θ = 12°, Ci = 2: M_E = 1.2·Mk + 1.3·(MkE − Mk) + 1.3·Mi, Mi = k·γc·0.5·6.4·3.2; the stem designed
// for 0.75·M_E by αs = M/(α1·fc·b·h0²), ξ = 1 − √(1 − 2αs), As = α1·fc·b·h0·ξ/fy.
TEST(SeismicCombination, StemDesignedForTheSeismicMomentByHand) {
    WallCase c = DefaultCase(kCantilever);
    c.wall.m_fTopWidth = 0.5f;
    c.settings.seismicAcceleration = 0.4f;
    c.settings.seismicAngle = 12;
    c.settings.seismicAngleWater = 12;
    c.settings.seismicImportance = 2;
    const CaseResult r = CalculateCase(c);
    ASSERT_TRUE(r.Accepted() && r.seismic && r.seismic->refusal.empty());
    const SeismicSection& s = r.seismic->sections[0];
    ASSERT_EQ(s.name, "stem");
    const double k = 2 * 0.25 * 0.4;
    const double Mi = k * 24 * 0.5 * 6.4 * 3.2;
    EXPECT_NEAR(s.Mi, Mi, 1e-3);
    const double Mk = r.cantilever->Mk, MkE = r.seismic->cantilever->Mk;
    ASSERT_GT(MkE, Mk);
    const double ME = 1.2 * Mk + 1.3 * (MkE - Mk) + 1.3 * Mi;
    EXPECT_NEAR(s.ME, ME, 1e-4 * ME);
    ASSERT_TRUE(s.seismicGoverns) << 0.75 * ME << " vs " << r.cantilever->M;
    const ReinforcementResult& d = s.design;
    ASSERT_TRUE(d.designed);
    const double M = 0.75 * ME * 1e6, b = 1000;
    const double as = M / (d.alpha1 * d.fc * b * d.h0 * d.h0);
    const double xi = 1 - std::sqrt(1 - 2 * as);
    EXPECT_NEAR(d.designArea, d.alpha1 * d.fc * b * d.h0 * xi / d.fy, 1e-3 * d.designArea);
    // More steel than the static design, whose crack width stays on the static characteristic moment.
    EXPECT_GT(d.designArea, r.cantilever->sections[0].result.designArea);
    EXPECT_EQ(d.Mk, r.cantilever->sections[0].result.Mk);

    // Its shear the same way, Vi = k·γc·0.5·6.4, checked at γRE = 0.85 against 0.7·βh·ft·b·h0.
    EXPECT_NEAR(s.Vi, k * 24 * 0.5 * 6.4, 1e-4);
    const double VE = 1.2 * s.Vk + 1.3 * (s.VkE - s.Vk) + 1.3 * s.Vi;
    EXPECT_NEAR(s.VE, VE, 1e-4 * VE);
    const double h0 = d.h0, betaH = std::pow(800 / std::max(h0, 800.0), 0.25);
    const double Vc = 0.7 * betaH * d.ft * 1000 * h0 / 1000;
    EXPECT_NEAR(s.shear.Vc, Vc, 1e-4 * Vc);
    EXPECT_NEAR(s.shear.V, 0.85 * VE, 1e-4 * VE);
    EXPECT_EQ(s.shear.ok, 0.85 * VE <= Vc);
}

// The default counterfort's lowest rib under A = 0.3g: γRE·VE with γRE = 0.85 against the seismic
// section limit 0.15·fc·b·h0 (span over depth ≤ 2.5), stirrups beyond 0.6·0.7·ft·b·h0 of GB 50010-2010
// §11.3.3/§11.3.4, with the grade's fc, ft and fy.
TEST(SeismicCombination, CounterfortRibShearByHand) {
    WallCase c = DefaultCase(kCounterfort);
    c.settings.seismicAcceleration = 0.3f;
    const CaseResult r = CalculateCase(c);
    ASSERT_TRUE(r.Accepted() && r.seismic && r.seismic->refusal.empty());
    const SeismicSection& s = r.seismic->sections.back();
    ASSERT_EQ(s.name, "counterfort3");
    const CounterfortSection& cs = r.counterfort->counterfort[2];
    ASSERT_LE(cs.x / cs.height, 2.5f);
    const ReinforcementResult& d = r.counterfort->sections[9].result;
    const double b = c.wall.m_fCfThickness * 1000, h0 = d.h0;
    const double VE = 1.2 * cs.Qk + 1.3 * (r.seismic->counterfort->counterfort[2].Qk - cs.Qk) + 1.3 * s.Vi;
    EXPECT_NEAR(s.VE, VE, 1e-4 * VE);
    EXPECT_NEAR(s.shear.limit, 0.15 * d.fc * b * h0 / 1000, 1e-2);
    const double Vc = 0.42 * d.ft * b * h0 / 1000;
    EXPECT_NEAR(s.shear.Vc, Vc, 1e-3);
    ASSERT_GT(0.85 * VE, Vc);
    EXPECT_NEAR(s.shear.stirrups, (0.85 * VE - Vc) * 1e3 / (std::min(d.fy, 360.0f) * h0) * 1000, 0.5);
}

}  // namespace
}  // namespace wall
