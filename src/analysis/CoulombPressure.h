// Active earth pressure by Coulomb's theory on the back of a masonry wall.
#pragma once

#include "analysis/EarthCoefficients.h"
#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "case/WallCase.h"

namespace wall {

enum class CoulombVariant {
    kSimple,   // one planar slope segment, no surcharge: Coulomb's coefficient
    kGeneral,  // broken slope and strip surcharge: closed-form trial wedge
};

struct CoulombResult {
    PressureStatus status = PressureStatus::kOk;
    CoulombVariant variant = CoulombVariant::kSimple;
    float Ka = 0;  // simple variant: the coefficient
    // General variant: the wedge chosen (1 plane through the loaded strip, 2 beyond it, 3 load
    // ignored, 4 plane through the strip's far edge when plane 2 would fall short of it), tanθ of
    // its failure plane from the vertical, and the coefficients K and K1.
    int wedge = 0;
    float tanTheta = 0;
    float K = 0;
    float K1 = 0;
    float E = 0;  // total thrust
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
};

// Computes Ex, Ey, Zx, Zy from the block (H, α, δ, φ, β, γ, the first slope segment, the
// surcharge and the outline's toe and bottom back corner) and stores them in pressureX, pressureY,
// armX, armY. The case supplies the number of slope segments and the surcharge's width and
// pressure, which choose the variant. When the general variant has no failure plane (φ + α + δ
// above 90°, or ground falling away too steeply) nothing is stored and the status says so.
CoulombResult CoulombActivePressure(const WallCase& c, KernelBlock& kb);

}  // namespace wall
