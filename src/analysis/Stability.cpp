// Overturning, sliding and base-pressure checks of a wall from its actions.
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

// Kh = μ·N/T from the thrusts' components, resolved normal to and along a base inclined at α0:
// N = (ΣG + ΣEy)·cosα0 + ΣEx·sinα0, T = ΣEx·cosα0 − (ΣG + ΣEy)·sinα0. The components carry the
// direction the analysis found (δ to a masonry back, parallel to the ground under Rankine, on the
// imaginary back of a reinforced-concrete wall), so Kq and Kh see the same thrust.
void SlidingAlongBase(float G, float Ex, float Ey, float alpha0, float mu, StabilityResult& r) {
    const double V = static_cast<double>(G) + Ey;
    r.slidingNormal = static_cast<float>(V * Cos(alpha0) + Ex * Sin(alpha0));
    SlidingFactor((V * Cos(alpha0) + Ex * Sin(alpha0)) * mu, Ex * Cos(alpha0) - V * Sin(alpha0), r);
}

void OverturningFactor(float resisting, float driving, StabilityResult& r) {
    r.overturningMoment = driving;
    r.resistingMoment = resisting;
    r.noOverturningTendency = !(driving > 0);
    if (!r.noOverturningTendency && resisting > 0) r.Kq = resisting / driving;
}

// The base's inclination: a gravity or shelf wall's counter-slope; the other types stand level.
float BaseInclination(const WallCase& c) {
    return c.wallType == kGravity || c.wallType == kShelf ? static_cast<float>(Atan(c.wall.m_fBaseSlope))
                                                          : 0.0f;
}

}  // namespace

bool FactorPasses(float factor, double required) {
    // An infinite factor comes from a degenerate case, not from a safe wall.
    return std::isfinite(factor) && (factor > required || std::fabs(factor - required) < 1e-5);
}

void AddInertia(ActionList& list, const KernelBlock& kb, const ThrustSymbols& symbols, float W, float x,
                float height) {
    if (!(kb.inertiaFactor > 0) || !(W > 0)) return;
    list.Add({ActionKind::kInertia, symbols.fx, "", "", symbols.y, kb.inertiaFactor * W, 0, x, height});
}

ActionList WallActions(const WallCase& c, const KernelBlock& kb, const ThrustParts& upper,
                       const ThrustParts& lower) {
    ActionList list;
    list.Add({ActionKind::kWallWeight, "", "W", "Zw", "", 0, kb.wallWeight, kb.wallWeightArm, 0});
    AddInertia(list, kb, {"Fw", "", "", "Zfw"}, kb.wallWeight, kb.wallWeightArm, kb.wallWeightHeight);
    const ThrustPart total = {kb.pressureX, kb.pressureY, kb.armX, kb.armY};
    if (c.wallType == kShelf) {
        list.Add({ActionKind::kSoilWeight, "", "Ws", "Zws", "", 0, kb.extraWeight, kb.extraWeightArm, 0});
        AddInertia(list, kb, {"Fs", "", "", "Zfs"}, kb.extraWeight, kb.extraWeightArm, kb.extraWeightHeight);
        AddThrust(list, {"Ea1x", "Ea1y", "Z1x", "Z1y"}, total, {"Es1x", "Es1y", "Zs1x", "Zs1y"}, upper.soil,
                  {"Eq1x", "Eq1y", "Zq1x", "Zq1y"}, upper.load);
        AddThrust(list, {"Ea2x", "Ea2y", "Z2x", "Z2y"},
                  {kb.lowerPressureX, kb.lowerPressureY, kb.lowerArmX, kb.lowerArmY},
                  {"Es2x", "Es2y", "Zs2x", "Zs2y"}, lower.soil, {"Eq2x", "Eq2y", "Zq2x", "Zq2y"}, lower.load);
        return list;
    }
    if (c.wallType == kCantilever || c.wallType == kCounterfort) {
        list.Add({ActionKind::kSoilWeight, "", "W1", "Zw1", "", 0, kb.extraWeight, kb.extraWeightArm, 0});
        AddInertia(list, kb, {"F1", "", "", "Zf1"}, kb.extraWeight, kb.extraWeightArm, kb.extraWeightHeight);
    }
    AddThrust(list, {"Ex", "Ey", "Zx", "Zy"}, total, {"Esx", "Esy", "Zsx", "Zsy"}, upper.soil,
              {"Eqx", "Eqy", "Zqx", "Zqy"}, upper.load);
    return list;
}

ActionList WithoutSurcharge(const ActionList& loaded, const ThrustSymbols& symbols, const ThrustPart& bare) {
    ActionList out;
    bool replaced = false;
    for (const Action& a : loaded) {
        if (a.FavourableVariable()) continue;
        const bool first = a.kind == ActionKind::kEarthPressure && !replaced;
        out.Add(first ? ThrustAction(ActionKind::kEarthPressure, symbols, bare) : a);
        replaced = replaced || first;
    }
    return out;
}

StabilityResult ComputeStability(const WallCase& c, KernelBlock& kb, const ActionList& actions,
                                 const ActionList* unloaded) {
    StabilityResult r;
    r.actions = actions;
    r.alpha0 = BaseInclination(c);
    r.mu = kb.baseFriction;
    r.baseSpan = kb.outline.x[5] - kb.outline.x[4];
    const ActionSums sum = SumActions(actions);
    SlidingAlongBase(sum.weights, sum.thrustX, sum.thrustY, r.alpha0, r.mu, r);
    OverturningFactor(sum.resisting, sum.overturning, r);
    r.KqWithLoad = r.Kq;
    if (unloaded && !r.noOverturningTendency) {
        const ActionSums u = SumActions(*unloaded);
        const float Kq = u.overturning > 0 ? (u.resisting > 0 ? u.resisting / u.overturning : 0) : r.Kq;
        if (Kq < r.Kq) {
            r.overturningWithoutLoad = true;
            r.unloaded = *unloaded;
            r.unloadedResisting = u.resisting;
            r.unloadedOverturning = u.overturning;
            r.Kq = Kq;
        }
    }
    r.baseMoment = sum.baseResisting;
    r.baseOverturningMoment = sum.baseOverturning;
    for (const Action& a : actions)
        r.favourableLoads = r.favourableLoads || (a.FavourableVariable() && (a.Fy != 0 || !a.Overturns()));
    if (r.alpha0 != 0) {
        BasePressure(r.baseSpan / Cos(r.alpha0), sum.vertical * Cos(r.alpha0) + sum.thrustX * Sin(r.alpha0),
                     sum.net, r);
    } else {
        BasePressure(r.baseSpan, sum.vertical, sum.net, r);
    }

    const CaseSettings& s = c.settings;
    r.requiredOverturning = s.overturning;
    r.requiredSliding = s.sliding;
    r.overturningOk = r.noOverturningTendency || FactorPasses(r.Kq, s.overturning);
    r.slidingOk = r.noSlidingTendency || FactorPasses(r.Kh, s.sliding);
    r.foundationOk = !r.resultantOutsideBase;
    r.eccentricityLimit = s.eccentricityLimit;
    r.eccentricityOk = r.foundationOk && StressPasses(r.e0, s.eccentricityLimit * r.B);
    r.capacity = FoundationBearing(s, r.B, r.e0);
    if (r.capacity.basis != BearingBasis::kNone) {
        r.bearingChecked = true;
        r.zetaA = kb.bearingFactor;
        r.fa = r.zetaA * r.capacity.fa;
        r.pk = r.N / r.B;
        r.pkmax = r.sigmaMax;
        r.bearingOk = r.foundationOk && StressPasses(r.pk, r.fa) && StressPasses(r.pkmax, 1.2f * r.fa);
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
