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
    float ys = 0;  // its centroid's height above the toe, m
};

struct RankineResult {
    PressureStatus status = PressureStatus::kOk;
    ThrustResult thrust;   // on the vertical through P5, from the ground down to P5
    bool sloping = false;  // the ground at the vertical's top slopes: the thrust is parallel to it
    float beta = 0;        // rad: the thrust's angle above the horizontal
    float Ka = 0;
    float effectiveHeight = 0;  // of the vertical, up to the ground
    float E1 = 0;               // soil part, never below 0
    float E1Computed = 0;  // the closed form's value: negative where cohesion outweighs the soil's weight
    float E = 0;           // soil and surcharge
    WedgeLoad wedge;       // soil over the back face, added to Ey
    WedgeLoad load;        // the part of the strip surcharge over the back face: a load of its own
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
};

// The soil standing over the back face between the face and the vertical through the bottom back
// corner, up to the ground as entered (`soil`), and the part of the strip surcharge on it (`load`).
// A back leaning away from the fill carries none.
struct BackFaceLoads {
    WedgeLoad soil;
    WedgeLoad load;
};
BackFaceLoads BackfillWedgeLoad(const WallCase& c, const KernelBlock& kb);

// Computes Ex, Ey, Zx, Zy (the soil over the back face included in Ey and Zx, the strip on it apart)
// and stores them in pressureX, pressureY, armX, armY with the strip's part added there too, as the
// wall-body section takes it.
RankineResult RankineActivePressure(const WallCase& c, KernelBlock& kb);

}  // namespace wall
