// Earth pressure on the upper and lower walls of a shelf wall and the soil on its platform.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

// Every value the earth-pressure subsections of a shelf wall print, in their order.
struct ShelfPressureResult {
    // Upper wall, above the platform.
    float Ka1 = 0;
    float gamma = 0;  // γ of the backfill
    float h1 = 0;     // upper wall height
    float E1 = 0;     // upper total, surcharge included
    float Eq1 = 0;    // the surcharge's part of it
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
    float thrustHeight = 0;  // z: height of the upper thrust above the platform
    // Lower wall, below the platform.
    float Ka2 = 0;
    float h2 = 0;  // lower wall height
    float E2 = 0;
    float Eq2 = 0;  // the surcharge's part of it
    float E2x = 0, E2y = 0, Z2x = 0, Z2y = 0;
    // Soil standing on the platform.
    float extraWeight = 0;
    float extraWeightArm = 0;
};

// Computes the soil on the platform (extraWeight, extraWeightArm), the upper-wall pressure
// (pressureX..armY) and the lower-wall pressure (lowerPressureX..lowerArmY) with Coulomb's
// coefficient whatever theory the case names, and stores them in the block.
ShelfPressureResult ShelfPressure(const WallCase& c, KernelBlock& kb);

}  // namespace wall
