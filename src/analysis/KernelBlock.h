// The shared state of one wall analysis: outline, loaded inputs and results, all single precision.
#pragma once

#include "analysis/SoilLayers.h"
#include "analysis/geometry/WallOutline.h"

namespace wall {

// One block per process, owned by the program's context and passed by reference. It is never
// cleared between calculations: each step overwrites the fields it computes and the others keep the
// values of the previous step. Lengths in m, forces in kN/m, stresses in kPa, angles in radians.
// Outline coordinates: x towards the backfill, y upwards, origin at the top back corner.
struct KernelBlock {
    WallOutline outline;          // of the whole wall, or of the part above the section being checked
    float wallWeight = 0;         // W
    float wallWeightArm = 0;      // Zw, from the toe
    float overturningFactor = 0;  // Kq
    float slidingFactor = 0;      // Kh
    float stressMax = 0;          // σmax
    float stressMin = 0;          // σmin
    float eccentricity = 0;       // e0 (e1 for a section)
    float baseWidth = 0;          // B, along the base
    float backHeight = 0;         // height the earth pressure acts over: |Y5|, or the part above a section
    float topWidth = 0;
    float backAngle = 0;       // α, from the vertical, positive leaning into the backfill going down
    float wallFriction = 0;    // δ
    float wallUnitWeight = 0;  // kN/m3
    float baseFriction = 0;    // μ
    float slopeAngle = 0;      // β
    float soilCohesion = 0;    // c
    float soilFriction = 0;    // φ
    float soilUnitWeight = 0;  // γ
    SoilProfile profile;       // every layer in use and the water table, layer 1 the above
    float pressureX = 0;       // Ex
    float pressureY = 0;       // Ey
    float armX = 0;            // Zx: Ey's line of action from the toe
    float armY = 0;            // Zy: Ex's line of action above the toe
    float lowerPressureX = 0;  // shelf wall, lower wall: E_a2x
    float lowerPressureY = 0;  // E_a2y
    float lowerArmX = 0;
    float lowerArmY = 0;
    float extraWeight = 0;  // soil on a shelf platform or heel
    float extraWeightArm = 0;
    float wallWeightHeight = 0;   // W's centroid above the toe
    float extraWeightHeight = 0;  // the platform's or heel's soil's centroid above the toe
    // The pseudo-static earthquake the analysis runs under, all 0 in the static combination: the seismic
    // angles above and below the water table (rad), which the profile takes, and the horizontal inertia
    // coefficient Ci·Cz·A/g of the wall and of the soil it carries. Loading the block keeps them.
    double seismicTheta = 0, seismicThetaWater = 0;
    float inertiaFactor = 0;
    float bearingFactor = 1;  // ζa of the bearing value under an earthquake (1 statically)
};

}  // namespace wall
