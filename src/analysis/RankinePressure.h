// Active earth pressure by Rankine's theory on the vertical through a masonry wall's bottom back corner.
#pragma once

#include "analysis/EarthThrust.h"
#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "case/WallCase.h"

namespace wall {

// Vertical load resting over an inclined back face and its distance from the toe.
struct WedgeLoad {
    float Ws = 0;  // kN/m
    float xs = 0;  // m
};

struct RankineResult {
    PressureStatus status = PressureStatus::kOk;
    ThrustResult thrust;   // on the vertical through P5, from the ground down to P5
    bool sloping = false;  // the ground at the vertical's top slopes: the thrust is parallel to it
    float Ka = 0;
    float effectiveHeight = 0;  // of the vertical, up to the ground
    float E1 = 0;               // soil part, never below 0
    float E1Computed = 0;  // the closed form's value: negative where cohesion outweighs the soil's weight
    float E = 0;           // soil and surcharge
    WedgeLoad wedge;       // soil and surcharge over the back face, added to Ey
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
};

// The soil standing over the back face between the face and the vertical through the bottom back
// corner, up to the ground as entered, and the part of the strip surcharge on it. A back leaning away
// from the fill carries none.
WedgeLoad BackfillWedgeLoad(const WallCase& c, const KernelBlock& kb);

// Computes Ex, Ey, Zx, Zy (the wedge load included in Ey and Zx) and stores them in pressureX,
// pressureY, armX, armY.
RankineResult RankineActivePressure(const WallCase& c, KernelBlock& kb);

}  // namespace wall
