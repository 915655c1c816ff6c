// Coulomb active earth pressure: the planar-slope coefficient and the broken-slope trial wedge.
#include "analysis/CoulombPressure.h"

#include <cmath>

#include "analysis/DoubleMath.h"

namespace wall {
namespace {

constexpr float kTol = 1e-6f;

// One slope segment of rise over run b and no surcharge.
void SimpleVariant(const KernelBlock& kb, CoulombResult& r) {
    const float H = kb.backHeight, alpha = kb.backAngle, delta = kb.wallFriction;
    const float phi = kb.soilFriction, beta = kb.slopeAngle, gamma = kb.soilUnitWeight;
    r.Ka = CoulombCoefficient(phi, alpha, delta, beta);
    r.E = gamma * H * H * r.Ka / 2;
    r.Ex = r.E * Cos(alpha + delta);
    r.Ey = r.E * Sin(alpha + delta);
    r.Zy = H / 3 - std::fabs(kb.outline.y[5] - kb.outline.y[4]);
    r.Zx = (kb.outline.x[5] - kb.outline.x[4]) - r.Zy * Tan(alpha);
}

// First slope segment of rise a over run b, then level ground; strip surcharge q of width l0 at
// distance d from the top back corner. The failure plane is the one of three candidate wedges
// that matches where it meets the ground relative to the loaded strip.
void GeneralVariant(const KernelBlock& kb, CoulombResult& r) {
    const float H = kb.backHeight, alpha = kb.backAngle, delta = kb.wallFriction;
    const float phi = kb.soilFriction, beta = kb.slopeAngle, gamma = kb.soilUnitWeight;
    const float a = kb.slopeRise, b = kb.slopeRun, q = kb.loadPressure;
    float l0 = kb.loadWidth, d = kb.loadOffset;

    const float psi = phi + alpha + delta;
    if (psi > 1.570795) {
        r.status = PressureStatus::kWedgeTooSteep;
        return;
    }
    float h0 = (q / gamma) * Cos(beta) * Cos(alpha) / Cos(alpha - beta);

    const double tanA = Tan(alpha), tanPsi = Tan(psi), cotPhi = 1 / Tan(phi);
    const float A1 = (a * b + 2 * h0 * d - tanA * H * (H + 2 * a + 2 * h0)) / ((H + a) * (H + a + 2 * h0));
    const float A2 = (a * b - 2 * h0 * l0 - tanA * H * (H + 2 * a)) / ((H + a) * (H + a));
    const float A3 = (a * b - tanA * H * (H + 2 * a)) / ((H + a) * (H + a));
    const float t1 = -tanPsi + Sqrt((cotPhi + tanPsi) * (tanPsi + A1));
    const float t2 = -tanPsi + Sqrt((cotPhi + tanPsi) * (tanPsi + A2));
    const float t3 = -tanPsi + Sqrt((cotPhi + tanPsi) * (tanPsi + A3));

    float dd = d - H * tanA;
    if (dd < 0) dd = 0;
    const float L1 = (H + a) * t1;
    const float L3 = (H + a) * t3;

    float tanTheta;
    bool farEdgeFallback = false;
    if (dd > L3 || std::fabs(q) < kTol || std::fabs(l0) < kTol) {
        // The load lies outside the wedge.
        l0 = 0;
        d = 0;
        h0 = 0;
        tanTheta = t3;
        r.wedge = 3;
    } else if (dd + l0 > L1 || std::fabs(dd + l0 - L1) < kTol) {
        tanTheta = t1;
        r.wedge = 1;
    } else {
        tanTheta = t2;
        r.wedge = 2;
        // The plane t2 is the stationary one of a wedge carrying the whole strip; it should reach
        // past the strip's far edge. When it falls short, or a heavy strip leaves no stationary
        // plane at all, the plane through the far edge carries the largest thrust; it replaces t2
        // where t2 gives no positive, finite thrust.
        farEdgeFallback = !((H + a) * t2 >= dd + l0);
    }

    // Thrust and its height for a failure plane of tangent t.
    auto thrustFor = [&](float t, CoulombResult& out) {
        // Heights on the wall: between slope crest and load, loaded, below the slope, below the load.
        const float D = tanA + t;
        float h1 = (d - b) / D;
        float h2 = l0 / D;
        float h3 = (b - a * t) / D;
        if (h3 < 0) h3 = 0;
        if (h1 + h2 + h3 > H) h2 = H - h3 - h1;
        float h4 = H - h1 - h2 - h3;
        if (h4 < 0) h4 = 0;
        if (std::fabs(q) < kTol) {
            h2 = h4;
            h4 = 0;
        }
        const float theta = Atan(t);
        out.tanTheta = t;
        out.K = (t + tanA) * Cos(theta + phi) / Sin(theta + psi);
        out.K1 = 1 + (2 * a / H) * (1 - h3 / (2 * H)) + 2 * h0 * h2 / (H * H);
        out.E = gamma * H * H * out.K * out.K1 / 2;
        out.Ex = out.E * Cos(alpha + delta);
        out.Ey = out.E * Sin(alpha + delta);
        out.Zy = H / 3 +
                 (a * (H - h3) * (H - h3) + h0 * h2 * (3 * h2 + 6 * h4 - 2 * H)) / (3 * H * H * out.K1) -
                 std::fabs(kb.outline.y[5] - kb.outline.y[4]);
        out.Zx = (kb.outline.x[5] - kb.outline.x[4]) - out.Zy * tanA;
    };

    thrustFor(tanTheta, r);
    if (farEdgeFallback && !(std::isfinite(r.E) && std::isfinite(r.Zy) && r.E > 0)) {
        r.wedge = 4;
        thrustFor((dd + l0) / (H + a), r);
    }
    if (!std::isfinite(r.tanTheta) || !std::isfinite(r.E)) r.status = PressureStatus::kNoFailurePlane;
}

}  // namespace

CoulombResult CoulombActivePressure(const WallCase& c, KernelBlock& kb) {
    CoulombResult r;
    const bool noLoad = std::fabs(c.soil.m_fLoadWidth) < kTol || std::fabs(c.soil.m_fLoadPressure) < kTol;
    if (c.soil.m_nSlopeSegs == 1 && noLoad) {
        r.variant = CoulombVariant::kSimple;
        SimpleVariant(kb, r);
    } else {
        r.variant = CoulombVariant::kGeneral;
        GeneralVariant(kb, r);
        if (r.status != PressureStatus::kOk) return r;
    }
    kb.pressureX = r.Ex;
    kb.pressureY = r.Ey;
    kb.armX = r.Zx;
    kb.armY = r.Zy;
    return r;
}

}  // namespace wall
