// Overturning, sliding and base-pressure checks of a wall.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

// The forces and arms the checks were computed from, as the report's formulas name them.
struct StabilityTerms {
    float W = 0, Zw = 0;                   // wall weight and its arm from the toe
    bool hasExtraWeight = false;           // soil on a shelf platform or a heel
    float Ws = 0, Zws = 0;                 // that soil's weight and arm
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;  // thrust components and arms
    bool hasLower = false;                 // a shelf wall's lower thrust
    float E2x = 0, E2y = 0, Z2x = 0, Z2y = 0;
    float alpha0 = 0;  // base inclination, rad
    float mu = 0;
    float baseSpan = 0;  // horizontal width of the base; B = baseSpan / cos α0
};

struct StabilityResult {
    StabilityTerms terms;
    float Kq = 0;  // overturning factor
    float Kh = 0;  // sliding factor
    float B = 0;   // base width along the base
    float N = 0;   // normal force on the base
    float e0 = 0;  // eccentricity of the resultant
    float sigmaMax = 0;
    float sigmaMin = 0;           // 0 when part of the base is without contact
    bool partialContact = false;  // e0 > B/6: no minimum is reported
    // The driving actions. One of zero or less means the wall has no tendency to move that way: its
    // factor is not defined (left 0) and the check passes.
    float overturningMoment = 0;  // about the toe, kN·m/m
    float slidingForce = 0;       // along the base towards the toe, kN/m
    bool noOverturningTendency = false;
    bool noSlidingTendency = false;
    // The resisting actions. One of zero or less while the driving one is positive fails its check
    // with the factor taken as 0 rather than printed negative.
    float resistingMoment = 0;
    float resistingForce = 0;
    // N ≤ 0 or e0 ≥ B/2: the base cannot balance the resultant. No pressures (left 0); the
    // foundation check fails.
    bool resultantOutsideBase = false;
    bool overturningOk = false;
    bool slidingOk = false;
    bool foundationOk = false;  // the resultant lies within the base
    // What the case requires (its settings).
    float requiredOverturning = 0;
    float requiredSliding = 0;
    float eccentricityLimit = 0;  // e0 ≤ limit·B
    bool eccentricityOk = false;
    // Bearing, when the case gives fa: pk = N/B ≤ fa and pkmax = σmax ≤ 1.2·fa, characteristic values.
    bool bearingChecked = false;
    float fa = 0;
    float pk = 0;
    float pkmax = 0;
    bool bearingOk = false;  // both
};

// The pass rule of the safety factors: above the required value or within 1e-5 of it.
bool FactorPasses(float factor, double required);

// Computes Kq, Kh, B, e0, σmax, σmin from the block and stores them in overturningFactor,
// slidingFactor, baseWidth, eccentricity, stressMax, stressMin. The variant follows the wall type:
// gravity and semi-gravity (semi-gravity with a level base), shelf (upper and lower pressures and
// the soil on the platform), cantilever and counterfort (level base, the heel's soil). `method`
// is the earth-pressure method the caller used (1 Coulomb, 2 Rankine); it does not change the
// result.
StabilityResult ComputeStability(const WallCase& c, KernelBlock& kb, int method);

}  // namespace wall
