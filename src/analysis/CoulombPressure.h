// Active earth pressure by Coulomb's theory on the back of a masonry wall.
#pragma once

#include "analysis/EarthCoefficients.h"
#include "analysis/EarthThrust.h"
#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "case/WallCase.h"

namespace wall {

struct CoulombResult {
    PressureStatus status = PressureStatus::kOk;
    ThrustResult thrust;  // on the back from P5 up to P0, with its diagram and failure plane
    float E = 0;          // total thrust, inclined at δ to the back's normal
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
};

// The thrust on the back of the block's outline (from P5 up to the top back corner P0) under the
// case's ground and strip surcharge, by trial wedges (CoulombThrust). Ex, Ey follow the back's angle
// α and δ; (Zx, Zy) is the thrust's point on the back, from the outline's toe P4. Stores them in
// pressureX, pressureY, armX, armY; a status other than kOk stores nothing.
CoulombResult CoulombActivePressure(const WallCase& c, KernelBlock& kb);

// The back of the block's outline, P5 up to P0, and the backfill of the block (γ, φ, δ; c for Rankine).
WallBack OutlineBack(const KernelBlock& kb);
Backfill BlockBackfill(const KernelBlock& kb);

}  // namespace wall
