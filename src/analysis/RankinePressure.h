// Active earth pressure by Rankine's theory on the vertical through the bottom back corner.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

// Vertical load resting over an inclined back face and its distance from the toe.
struct WedgeLoad {
    float Ws = 0;  // kN/m
    float xs = 0;  // m
};

struct RankineResult {
    bool sloping = false;  // sloping-ground branch (else level ground)
    bool shallow = false;  // the surcharge's spread ends above the base
    float Ka = 0;
    float effectiveHeight = 0;  // H' up to the ground surface
    float E1 = 0;               // soil part, cohesion included, at least 0
    float E1Computed = 0;       // the formula's value: negative where cohesion outweighs the soil's weight
    float E = 0;                // soil and surcharge
    WedgeLoad wedge;            // added to Ey
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
};

// Soil (and the part of the surcharge) standing over the back face between the face and the
// vertical through the bottom back corner. Reads the case's back batter and the block (H, α, γ,
// q, d, the first slope segment as the block holds it, the outline's P0, P4, P5). Where the slope
// runs on beyond that vertical only the part of it over the face counts; a back leaning away
// from the fill carries none.
WedgeLoad BackfillWedgeLoad(const WallCase& c, const KernelBlock& kb);

// Computes Ex, Ey, Zx, Zy and stores them in pressureX, pressureY, armX, armY. On sloping ground
// with one slope segment it also cuts the slope at the back face: slopeRun becomes t = H·tanα and
// slopeRise t·tanβ; a later computation in the same analysis (the wall-body section) works with those
// values.
RankineResult RankineActivePressure(const WallCase& c, KernelBlock& kb);

}  // namespace wall
