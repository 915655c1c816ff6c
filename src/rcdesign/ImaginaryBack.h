// Earth pressure of a cantilever or counterfort wall on its imaginary back, the heel's load and stability.
#pragma once

#include "analysis/EarthThrust.h"
#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "analysis/Stability.h"
#include "analysis/WaterActions.h"
#include "case/WallCase.h"
#include "rcdesign/StemLoads.h"

namespace wall {

// The values of report sections 1 and 2 in print order and what the designs go on
// with. kN/m, m, rad.
struct ImaginaryBackResult {
    // kCoulomb: the inclined back from the heel's lower end; kRankine: the vertical plane through the heel's
    // end. As the heading and the drawing name say.
    int theory = kCoulomb;
    PressureStatus status = PressureStatus::kOk;
    float W = 0;    // wall weight
    float Zw = 0;   // its distance from the toe
    float W1 = 0;   // soil on the heel
    float Zw1 = 0;  // its distance from the toe
    float Wq = 0;   // the part of the strip surcharge standing on the heel (Rankine)
    float Zwq = 0;  // its distance from the toe
    float E = 0;    // total earth pressure on the imaginary back
    float Ex = 0;
    float Ey = 0;
    float Zx = 0;         // Ey's line of action from the toe
    float Zy = 0;         // Ex's line of action above the toe
    float Ka = 0;         // earth-pressure coefficient of the soil's thrust
    ThrustResult thrust;  // on the imaginary back, with its diagram
    // Rankine with cohesion: the soil thrust's formula value when it came out negative and was taken as 0.
    bool soilThrustClipped = false;
    float soilThrustComputed = 0;
    StemLoads loads;
    WaterResult water;  // behind (on the imaginary back), in front and under the base
    StabilityResult stability;
};

// Loads the block from the case (the case's outline must already be in kb.outline), computes the
// earth pressure on the imaginary back by the case's theory and the load on the heel, stores Ex, Ey,
// Zx, Zy, extraWeight and extraWeightArm, and runs the stability computation.
ImaginaryBackResult ImaginaryBackPressure(const WallCase& c, KernelBlock& kb);

}  // namespace wall
