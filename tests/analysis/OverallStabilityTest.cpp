// The overall slip of whole cases: the critical circle recomputed from the case's geometry by a routine
// of its own, and over random cases a weaker foundation or an earthquake never raising the factor, the
// circle always below the base.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "analysis/OverallStability.h"
#include "analysis/geometry/WallOutline.h"
#include "case/CaseDefaults.h"

namespace wall {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// A rectangular wall b wide and H high on level ground, dry, no strip: behind it backfill of γ, c = 0,
// φ up to the wall's top; in front the foundation soil up to d above the base; below the base the
// foundation soil. Its columns written out directly: the wall's weight over its width, the backfill's
// behind, the foundation soil's below the base.
struct RectangularWall {
    double H = 6, b = 2.5, d = 1;
    double gammaWall = 24, gamma = 18, phi = 30;
    double gammaF = 19, cF = 12, phiF = 24;
};

WallCase CaseOf(const RectangularWall& w) {
    WallCase c = DefaultCase(kGravity);
    c.soil.m_nTheory = kCoulomb;
    CRetainingWall& r = c.wall;
    r.m_fHeight = static_cast<float>(w.H);
    r.m_fTopWidth = static_cast<float>(w.b);
    r.m_fFrontSlope = r.m_fBackSlope = r.m_fBaseSlope = 0;
    r.m_fToeWidth = r.m_fToeHeight = r.m_fHeelWidth = r.m_fHeelHeight = 0;
    r.m_fUnitWeight = static_cast<float>(w.gammaWall);
    c.soil.m_nSlopeSegs = 1;
    c.soil.m_afSlope[0][kSlopeRun] = 5;
    c.soil.m_afSlope[0][kSlopeRise] = 0;
    UpdateSlopeRow(c.soil.m_afSlope[0]);
    c.soil.m_fLoadPressure = 0;
    c.soil.m_afLayer[0][kLayerUnitWeight] = static_cast<float>(w.gamma);
    c.soil.m_afLayer[0][kLayerCohesion] = 0;
    c.soil.m_afLayer[0][kLayerFriction] = static_cast<float>(w.phi);
    c.settings.foundationGamma = static_cast<float>(w.gammaF);
    c.settings.foundationCohesion = static_cast<float>(w.cF);
    c.settings.foundationFriction = static_cast<float>(w.phiF);
    c.settings.foundationDepth = static_cast<float>(w.d);
    return c;
}

// Bishop's factor of a circle over 20 000 columns of this section, by bisection on F. The wall's frame:
// top back corner at (0, 0), the wall over −b ≤ x ≤ 0, the base at y = −H.
double Recompute(const RectangularWall& w, const SlipCircle& k) {
    struct Column {
        double W, drive, c, tanPhi, alpha;
    };
    std::vector<Column> cols;
    const int n = 20000;
    const double x0 = k.xc - k.R, x1 = k.xc + k.R, bw = (x1 - x0) / n;
    for (int i = 0; i < n; ++i) {
        const double x = x0 + (i + 0.5) * bw;
        const double yb = k.yc - std::sqrt(k.R * k.R - (x - k.xc) * (x - k.xc));
        const double top = x < -w.b ? -w.H + w.d : 0.0;
        if (yb >= top) continue;
        // Weight above the base of the column: the foundation soil below the base level, above it the
        // wall, the backfill or the front soil.
        const double upper = x < -w.b ? w.gammaF : x <= 0 ? w.gammaWall : w.gamma;
        const double split = -w.H;
        double W = 0;
        if (yb < split)
            W = w.gammaF * (split - yb) + upper * (top - split);
        else
            W = upper * (top - yb);
        W *= bw;
        const double alpha = std::atan2(x - k.xc, k.yc - yb);
        // The strength where the slip surface lies: the foundation's under the base and in front, the
        // backfill's behind (the wall is never cut by a critical circle).
        const bool foundation = yb < split || x < -w.b;
        cols.push_back({W, W * std::sin(alpha), foundation ? w.cF : 0.0,
                        std::tan((foundation ? w.phiF : w.phi) * kDeg), alpha});
    }
    double drive = 0;
    for (const Column& c : cols) drive += c.drive;
    auto excess = [&](double F) {
        double resist = 0;
        for (const Column& c : cols) {
            const double m =
                std::max(std::cos(c.alpha) + std::sin(c.alpha) * c.tanPhi / F, 0.2 * std::cos(c.alpha));
            resist += (c.c * bw + c.W * c.tanPhi) / m;
        }
        return F * drive - resist;
    };
    double lo = 0.05, hi = 20;
    for (int i = 0; i < 100; ++i) {
        const double mid = (lo + hi) / 2;
        (excess(mid) < 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

TEST(OverallStability, CriticalCircleRecomputedFromTheGeometry) {
    const RectangularWall rows[] = {
        {}, {8, 3, 1.5, 22, 19, 32, 18, 5, 20}, {5, 2, 0.5, 24, 17, 28, 20, 25, 30}};
    for (const RectangularWall& w : rows) {
        SCOPED_TRACE(w.H);
        const OverallResult r = OverallStability(CaseOf(w), 0, 1.3f);
        ASSERT_TRUE(r.checked && r.found);
        EXPECT_LT(r.circle.yc - r.circle.R, -w.H + 1e-6);  // below the base
        EXPECT_NEAR(Recompute(w, r.circle), r.F, 0.01 * r.F);
    }
}

// Every type over random cases: a weaker foundation soil or an earthquake never raises the least
// factor, and the critical circle passes below the base.
TEST(OverallStability, WeakerSoilAndEarthquakeNeverRaiseTheFactor) {
    std::mt19937 rng(20261212);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    int compared = 0;
    for (int n = 0; n < 20; ++n) {
        WallCase c = DefaultCase(n % kWallTypeCount);
        c.wall.m_fHeight *= static_cast<float>(uniform(0.8, 1.2));
        c.settings.foundationCohesion = static_cast<float>(uniform(0, 30));
        c.settings.foundationFriction = static_cast<float>(uniform(15, 35));
        c.settings.foundationGamma = static_cast<float>(uniform(17, 21));
        if (n % 3 == 0) c.settings.waterBehind = static_cast<float>(uniform(1, c.wall.m_fHeight));
        const OverallResult base = OverallStability(c, 0, 1.3f);
        ASSERT_TRUE(base.checked && base.found) << n;
        const WallOutline o = BuildWallOutline(c);
        EXPECT_LT(base.circle.yc - base.circle.R, std::min(o.y[4], o.y[5]) + 1e-6) << n;
        WallCase weak = c;
        weak.settings.foundationCohesion *= 0.7f;
        weak.settings.foundationFriction -= 3;
        const OverallResult weaker = OverallStability(weak, 0, 1.3f);
        EXPECT_LE(weaker.F, base.F * (1 + 1e-3)) << n;
        const OverallResult quake = OverallStability(c, 0.05, 1.1f);
        EXPECT_LE(quake.F, base.F * (1 + 1e-3)) << n;
        ++compared;
    }
    EXPECT_EQ(compared, 20);
}

}  // namespace
}  // namespace wall
