// Earth pressure on the upper and lower walls of a shelf wall and the soil on its platform.
#pragma once

#include "analysis/EarthThrust.h"
#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "case/WallCase.h"

namespace wall {

// Every value the earth-pressure subsections of a shelf wall print, in their order.
struct ShelfPressureResult {
    PressureStatus status = PressureStatus::kOk;
    // Upper wall, above the platform.
    float Ka1 = 0;
    float gamma = 0;  // γ of the backfill
    float h1 = 0;     // upper wall height
    float E1 = 0;     // upper total, surcharge included
    float Eq1 = 0;    // the surcharge's part of it
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
    float thrustHeight = 0;  // z: height of the upper thrust above the platform
    ThrustResult upper;      // the upper back's thrust by trial wedges, with its diagram
    // Lower wall, below the platform.
    float Ka2 = 0;
    float phi = 0, delta = 0;     // rad, of Ka2's formula
    float alpha2 = 0, beta2 = 0;  // rad: the lower back's angle and the ground's at the top
    float h2 = 0;                 // lower wall height
    float E2 = 0;
    float Eq2 = 0;  // the surcharge's part of it
    // How Eq2 was found on the extended lower back: the strip's rise of its thrust, the unloaded failure
    // plane (rad), the band's depths below the extended back's top and the platform's depth.
    float riseE = 0, plane = 0, bandTop = 0, bandBottom = 0, platformDepth = 0;
    float E2s = 0;  // the soil's part: the soil above the platform as a uniform load γ·h1
    float E2x = 0, E2y = 0, Z2x = 0, Z2y = 0;
    // The soil's and the surcharge's parts of each thrust, from the toe (components and points).
    ThrustPart upperSoil, upperLoad, lowerSoil, lowerLoad;
    // Under a strip: the upper thrust on the ground without it (its trial wedge may lean lower).
    bool hasBare = false;
    ThrustPart upperBare;
    // Layers or water: the vertical stress at the platform from the weight above it, the lower back's
    // thrust layer by layer (with its water part), and the factor on the strip's share for a lower layer
    // of larger coefficient than layer 1's.
    bool layered = false;
    float sigma0 = 0;
    ThrustResult lower;
    float stripFactor = 1;
    // Both backs' diagrams, the lower one below the upper (depths from the wall's top), for drawing.
    PressureDiagram both;
    // Soil standing on the platform.
    float extraWeight = 0;
    float extraWeightArm = 0;
};

// Computes the soil on the platform (extraWeight, extraWeightArm), the upper-wall pressure
// (pressureX..armY) and the lower-wall pressure (lowerPressureX..lowerArmY) by Coulomb's theory
// whatever theory the case names, and stores them in the block. The upper back carries the trial
// wedges' thrust under the ground and strip as entered. The lower back carries the soil by Coulomb's
// coefficient with the soil above the platform as a uniform load γ·h1, and the part of the strip's
// band that falls below the platform on the lower back extended up to the ground (the extended-back
// method): the strip's rise of that back's thrust, spread between lines parallel to the failure plane
// of the ground without it.
ShelfPressureResult ShelfPressure(const WallCase& c, KernelBlock& kb);

}  // namespace wall
