// Base pressures of a reinforced-concrete wall under the design and standard combinations, and the
// bending moments at the roots of its heel and toe slabs.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"
#include "rcdesign/StemLoads.h"

namespace wall {

// One load combination, in print order. kN·m/m, kN/m, m, kPa.
struct BasePressures {
    float Mv = 0;                 // moment of the vertical forces about the toe
    float Mh = 0;                 // moment of the horizontal forces about the toe
    float G = 0;                  // total vertical force
    float e = 0;                  // eccentricity of the resultant, |B/2 - (Mv - Mh)/G|
    bool zeroStressZone = false;  // e > B/6: part of the base without contact, σmin = 0
    // G ≤ 0 or e ≥ B/2: no pressure distribution balances the loads; σ, pd and pb are left 0.
    bool resultantOutsideBase = false;
    float sigmaMax = 0;
    float sigmaMin = 0;
    float pd = 0;  // base pressure at the heel's root
    float pb = 0;  // base pressure at the toe's root
};

struct BaseSlabResult {
    float B = 0;             // base width X5 - X4
    float B1 = 0, B2 = 0;    // toe and heel widths
    BasePressures design;    // basic combination, permanent loads controlling (1.35 / 1.4)
    BasePressures standard;  // characteristic combination (all factors 1)
    float Md = 0, Mdk = 0;   // heel root, design and standard
    float Mb = 0, Mbk = 0;   // toe root, design and standard

    // Without base pressures in both combinations the toe and heel moments are not defined (left 0).
    bool PressuresKnown() const { return !design.resultantOutsideBase && !standard.resultantOutsideBase; }
};

// The block must hold the outline, W, Zw, Ex, Ey, Zx, Zy, the heel's load and the wall's unit weight
// (after ImaginaryBackPressure). Leaves the standard combination's σmax, σmin in stressMax, stressMin.
// The surcharge standing on the heel (a Rankine back) is inside the heel load W1: the design combination
// counts it there with 1.35 and again as Wq with 1.4; the standard combination counts it once.
BaseSlabResult BaseSlabDesign(const WallCase& c, const StemLoads& s, KernelBlock& kb);

}  // namespace wall
