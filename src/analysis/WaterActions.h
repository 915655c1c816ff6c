// The water's actions on a wall: on the back, in front and under the base.
#pragma once

#include "analysis/Actions.h"
#include "analysis/EarthThrust.h"
#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

struct WaterResult {
    bool behind = false, front = false, uplift = false;
    float gammaW = 10;
    // Behind: the horizontal thrust ∫γw(z − zw)dz on the back and its vertical part from the back's
    // batter (the pressure is normal to the back), at their point from the toe.
    float Pw = 0, PwX = 0, PwY = 0, x = 0, y = 0;
    float hBehind = 0;  // the water's depth on the back, down to its foot
    // A shelf's lower back: the horizontal and vertical parts at their point from the toe, and the
    // water's depth at the back's top and foot.
    bool lowerBehind = false;
    float Pw2X = 0, Pw2Y = 0, x2 = 0, y2 = 0, h2Top = 0, h2Foot = 0;
    // In front: γw·hf²/2 at hf/3 above the base at the toe, towards the backfill.
    float hf = 0, Pf = 0;
    // Under the base: heads at the toe and the heel, the base's length, the resultant normal to the
    // base and its point from the toe.
    float h4 = 0, h5 = 0, L = 0, U = 0, Ux = 0, Uy = 0, ux = 0, uy = 0;
};

// Adds the water's actions to the list: behind from the thrust's water part on its back (none when
// the pressures are combined), in front from water.front, the uplift linear between the heads at the
// toe and the heel. The wall keeps its whole weight: the uplift is the one buoyancy.
WaterResult AddWaterActions(const WallCase& c, const KernelBlock& kb, const ThrustResult& thrust,
                            ActionList& actions);

// Adds the water on a shelf's lower back, from that thrust's water part.
void AddLowerBackWater(const KernelBlock& kb, const ThrustResult& lower, WaterResult& water,
                       ActionList& actions);

}  // namespace wall
