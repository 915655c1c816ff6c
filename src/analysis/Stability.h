// Overturning, sliding and base-pressure checks of a wall.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

constexpr double kRequiredOverturning = 1.6;  // against overturning
constexpr double kRequiredSliding = 1.3;      // against sliding

struct StabilityResult {
    float Kq = 0;  // overturning factor
    float Kh = 0;  // sliding factor
    float B = 0;   // base width along the base
    float N = 0;   // normal force on the base
    float e0 = 0;  // eccentricity of the resultant
    float sigmaMax = 0;
    float sigmaMin = 0;           // 0 when part of the base is without contact
    bool partialContact = false;  // e0 > B/6: no minimum is reported
    bool overturningOk = false;
    bool slidingOk = false;
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
