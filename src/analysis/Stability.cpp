// Overturning, sliding and base-pressure checks: gravity, shelf and reinforced-concrete variants.
#include "analysis/Stability.h"

#include <cmath>

#include "analysis/DoubleMath.h"
#include "analysis/WallSection.h"

namespace wall {
namespace {

// Eccentricity and base pressures from the moment about the toe; triangular distribution with a
// zone without contact when the resultant leaves the middle third.
void BasePressure(float B, float N, float moment, StabilityResult& r) {
    r.B = B;
    r.N = N;
    r.e0 = std::fabs(B / 2 - moment / N);
    // A resultant at or beyond the base's edge would give a negative or infinite pressure.
    r.resultantOutsideBase = !(N > 0) || !(r.e0 < B / 2);
    if (r.resultantOutsideBase) {
        r.partialContact = true;
        return;
    }
    r.partialContact = r.e0 > B / 6;
    if (r.partialContact) {
        r.sigmaMax = 2 * N / (3 * (B / 2 - r.e0));
        r.sigmaMin = 0;
    } else {
        r.sigmaMax = (1 + 6 * r.e0 / B) * N / B;
        r.sigmaMin = (1 - 6 * r.e0 / B) * N / B;
    }
}

// Resisting over driving. A driving action of zero or less leaves no tendency to move, not an infinite
// or negative factor; nothing resisting a real tendency is a factor of 0.
void SlidingFactor(double resisting, double driving, StabilityResult& r) {
    r.slidingForce = static_cast<float>(driving);
    r.resistingForce = static_cast<float>(resisting);
    r.noSlidingTendency = !(driving > 0);
    if (!r.noSlidingTendency && resisting > 0) r.Kh = static_cast<float>(resisting / driving);
}

// Kh = μ·N/T from the thrust's stored components, resolved normal to and along a base inclined at α0:
// N = (ΣG + ΣEy)·cosα0 + ΣEx·sinα0, T = ΣEx·cosα0 − (ΣG + ΣEy)·sinα0. The components carry the
// direction the analysis found (δ to a masonry back, parallel to the ground under Rankine, on the
// imaginary back of a reinforced-concrete wall), so Kq and Kh see the same thrust.
void SlidingAlongBase(float G, float Ex, float Ey, float alpha0, float mu, StabilityResult& r) {
    const double V = static_cast<double>(G) + Ey;
    SlidingFactor((V * Cos(alpha0) + Ex * Sin(alpha0)) * mu, Ex * Cos(alpha0) - V * Sin(alpha0), r);
}

void OverturningFactor(float resisting, float driving, StabilityResult& r) {
    r.overturningMoment = driving;
    r.resistingMoment = resisting;
    r.noOverturningTendency = !(driving > 0);
    if (!r.noOverturningTendency && resisting > 0) r.Kq = resisting / driving;
}

void GravityVariant(const WallCase& c, const KernelBlock& kb, StabilityResult& r) {
    const float W = kb.wallWeight, Zw = kb.wallWeightArm, Ex = kb.pressureX, Ey = kb.pressureY;
    const float Zx = kb.armX, Zy = kb.armY, mu = kb.baseFriction;
    const float alpha0 = c.wallType == kGravity ? static_cast<float>(Atan(c.wall.m_fBaseSlope)) : 0.0f;

    r.terms = {
        W, Zw, false, 0, 0, Ex, Ey, Zx, Zy, false, 0, 0, 0, 0, alpha0, mu, kb.outline.x[5] - kb.outline.x[4]};
    SlidingAlongBase(W, Ex, Ey, alpha0, mu, r);
    OverturningFactor(W * Zw + Ey * Zx, Ex * Zy, r);
    const float B = (kb.outline.x[5] - kb.outline.x[4]) / Cos(alpha0);
    const float N = (W + Ey) * Cos(alpha0) + Ex * Sin(alpha0);
    BasePressure(B, N, W * Zw + Ey * Zx - Ex * Zy, r);
}

void ShelfVariant(const WallCase& c, const KernelBlock& kb, StabilityResult& r) {
    const float W = kb.wallWeight, Zw = kb.wallWeightArm, Ws = kb.extraWeight, xs = kb.extraWeightArm;
    const float Ex = kb.pressureX, Ey = kb.pressureY, Zx = kb.armX, Zy = kb.armY;
    const float E2x = kb.lowerPressureX, E2y = kb.lowerPressureY, Z2x = kb.lowerArmX, Z2y = kb.lowerArmY;
    const float mu = kb.baseFriction;
    const float alpha0 = Atan(c.wall.m_fBaseSlope);
    const float G = W + Ws;

    r.terms = {W,
               Zw,
               true,
               Ws,
               xs,
               Ex,
               Ey,
               Zx,
               Zy,
               true,
               E2x,
               E2y,
               Z2x,
               Z2y,
               alpha0,
               mu,
               kb.outline.x[5] - kb.outline.x[4]};
    SlidingAlongBase(G, Ex + E2x, Ey + E2y, alpha0, mu, r);
    OverturningFactor(W * Zw + Ws * xs + Ey * Zx + E2y * Z2x, Ex * Zy + E2x * Z2y, r);
    const float B = (kb.outline.x[5] - kb.outline.x[4]) / Cos(alpha0);
    const float N = (W + Ws + Ey + E2y) * Cos(alpha0) + (Ex + E2x) * Sin(alpha0);
    BasePressure(B, N, W * Zw + Ws * xs + Ey * Zx + E2y * Z2x - Ex * Zy - E2x * Z2y, r);
}

void ReinforcedVariant(const KernelBlock& kb, StabilityResult& r) {
    const float W = kb.wallWeight, Zw = kb.wallWeightArm, Ws = kb.extraWeight, xs = kb.extraWeightArm;
    const float Ex = kb.pressureX, Ey = kb.pressureY, Zx = kb.armX, Zy = kb.armY, mu = kb.baseFriction;
    const float G = W + Ws;

    r.terms = {
        W, Zw, true, Ws, xs, Ex, Ey, Zx, Zy, false, 0, 0, 0, 0, 0, mu, kb.outline.x[5] - kb.outline.x[4]};
    SlidingAlongBase(G, Ex, Ey, 0, mu, r);
    OverturningFactor(W * Zw + Ws * xs + Ey * Zx, Ex * Zy, r);
    BasePressure(kb.outline.x[5] - kb.outline.x[4], W + Ws + Ey, W * Zw + Ws * xs + Ey * Zx - Ex * Zy, r);
}

}  // namespace

bool FactorPasses(float factor, double required) {
    // An infinite factor comes from a degenerate case, not from a safe wall.
    return std::isfinite(factor) && (factor > required || std::fabs(factor - required) < 1e-5);
}

StabilityResult ComputeStability(const WallCase& c, KernelBlock& kb, int /*method*/) {
    StabilityResult r;
    if (c.wallType == kShelf)
        ShelfVariant(c, kb, r);
    else if (c.wallType == kCantilever || c.wallType == kCounterfort)
        ReinforcedVariant(kb, r);
    else
        GravityVariant(c, kb, r);
    const CaseSettings& s = c.settings;
    r.requiredOverturning = s.overturning;
    r.requiredSliding = s.sliding;
    r.overturningOk = r.noOverturningTendency || FactorPasses(r.Kq, s.overturning);
    r.slidingOk = r.noSlidingTendency || FactorPasses(r.Kh, s.sliding);
    r.foundationOk = !r.resultantOutsideBase;
    r.eccentricityLimit = s.eccentricityLimit;
    r.eccentricityOk = r.foundationOk && StressPasses(r.e0, s.eccentricityLimit * r.B);
    if (s.fa > 0) {
        r.bearingChecked = true;
        r.fa = s.fa;
        r.pk = r.N / r.B;
        r.pkmax = r.sigmaMax;
        r.bearingOk = r.foundationOk && StressPasses(r.pk, s.fa) && StressPasses(r.pkmax, 1.2 * s.fa);
    }
    kb.overturningFactor = r.Kq;
    kb.slidingFactor = r.Kh;
    kb.baseWidth = r.B;
    kb.eccentricity = r.e0;
    kb.stressMax = r.sigmaMax;
    kb.stressMin = r.sigmaMin;
    return r;
}

}  // namespace wall
