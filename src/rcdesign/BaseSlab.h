// Base pressures of a reinforced-concrete wall under the basic and standard combinations, and the
// bending moments at the roots of its heel and toe slabs.
#pragma once

#include <array>

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"
#include "rcdesign/ImaginaryBack.h"
#include "rcdesign/LoadCombination.h"

namespace wall {

// The forces on the base, split into permanent and variable parts. kN/m; x from the toe, y above it.
struct BaseLoads {
    float W = 0, Zw = 0;             // wall
    float W1 = 0, Zw1 = 0;           // soil on the heel
    float Wq = 0, Zwq = 0;           // the strip standing on the heel
    float Es = 0, Esx = 0, Esy = 0;  // the soil's thrust and its point
    float Eq = 0, Eqx = 0, Eqy = 0;  // the strip's thrust and its point
    float psi = 0;                   // direction of the thrusts from the horizontal, rad
    // Water, a permanent action at a steady level (GB 50009-2012 §3.1.1): behind, its horizontal and
    // vertical parts at their point; in front, Pf at Yf; the uplift's heads at the toe and the heel
    // (linear between them, GB 50069-2002 §4.3.3) and its resultant U at Xu.
    float Pw = 0, PwV = 0, Pwx = 0, Pwy = 0;
    float Pf = 0, Yf = 0;
    float gammaW = 10, h4 = 0, h5 = 0, U = 0, Xu = 0;
    // Under an earthquake the inertia of the wall and of the heel's soil, horizontal, at the height of
    // its resultant above the toe; it takes γG like the thrust (0 without an earthquake).
    float Fi = 0, Zfi = 0;
    bool HasWater() const { return Pw > 0 || PwV != 0 || Pf > 0 || U > 0; }
};

// One load combination, in print order. kN·m/m, kN/m, m, kPa.
struct BasePressures {
    LoadCombination factors;
    float Mv = 0;                 // moment of the vertical forces about the toe
    float Mh = 0;                 // moment of the horizontal forces about the toe
    float G = 0;                  // total vertical force
    float e = 0;                  // eccentricity of the resultant, |B/2 - (Mv - Mh)/G|
    bool towardsHeel = false;     // the resultant lies on the heel's side of the middle
    bool zeroStressZone = false;  // e > B/6: part of the base without contact, σmin = 0
    float contact = 0;            // length of base in contact: B, or 3·(B/2 − e) from the loaded edge
    // G ≤ 0 or e ≥ B/2: no pressure distribution balances the loads; σ, pd and pb are left 0.
    bool resultantOutsideBase = false;
    float sigmaMax = 0;
    float sigmaMin = 0;
    float pd = 0;          // base pressure at the heel's root
    float pb = 0;          // base pressure at the toe's root
    float pEnd = 0;        // base pressure at the heel's end
    float heelMoment = 0;  // moment of the pressure under the heel about its root
    float toeMoment = 0;   // moment of the pressure under the toe about its root
    float heelForce = 0;   // the pressure under the heel, kN/m
    float toeForce = 0;    // the pressure under the toe, kN/m
};

// A slab root's moment in one basic combination: the unfavourable terms with their factors, the
// favourable ones at 1.0 (permanent) or left out (variable). Positive: a heel's top or a toe's bottom
// in tension.
struct RootMoment {
    float M = 0;
    int combination = 0;  // index into kBasicCombinations of the governing combination
};

struct BaseSlabResult {
    float B = 0;           // base width X5 - X4
    float B1 = 0, B2 = 0;  // toe and heel widths
    BaseLoads loads;
    std::array<BasePressures, kBasicCombinations.size()> design;  // basic combinations
    BasePressures standard;                                       // characteristic combination
    float heelDown = 0,
          heelLoadDown = 0;  // moments of the heel's soil and slab, and of its surcharge, about its root
    float toeSlab = 0;       // moment of the toe slab's weight about its root
    // The uplift under the heel and the toe: moments about their roots and forces (0 without water).
    float heelUplift = 0, toeUplift = 0, heelUpliftForce = 0, toeUpliftForce = 0;
    std::array<float, kBasicCombinations.size()> heelM{}, toeM{};  // each combination's root moments
    RootMoment heel, toe;                                          // the governing ones
    // Shears at the roots by the same rule as the moments; positive: the loads down govern at the
    // heel, the pressure at the toe.
    float heelDownForce = 0, heelLoadForce = 0, toeSlabForce = 0;
    RootMoment heelV, toeV;
    float Md = 0, Mdk = 0;  // heel root, design and standard
    float Mb = 0, Mbk = 0;  // toe root, design and standard

    // Without base pressures in every combination the toe and heel moments are not defined (left 0).
    bool PressuresKnown() const;
};

// The base loads of an imaginary-back analysis: the wall, the heel's soil and surcharge, and the
// thrust split into the soil's and the strip's parts at their own points on the back.
BaseLoads BaseLoadsOf(const ImaginaryBackResult& back, const KernelBlock& kb);

// Base pressures in every combination (the contact length and a zone without contact where the
// resultant leaves the middle third, GB 50007-2011 §5.2.2), and the root moments of heel and toe.
// Leaves the standard combination's σmax, σmin in stressMax, stressMin.
BaseSlabResult BaseSlabDesign(const WallCase& c, const BaseLoads& loads, KernelBlock& kb);

}  // namespace wall
