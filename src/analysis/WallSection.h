// The wall-body section check: choice of the section, the part above it and its stresses.
#pragma once

#include "analysis/EarthThrust.h"
#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "case/WallCase.h"

namespace wall {

enum class SectionCut {
    kAtStep,        // where the body changes shape (toe or heel step, shelf platform)
    kAtHalfHeight,  // half the wall height below the top
};

struct SectionResult {
    PressureStatus status = PressureStatus::kOk;
    SectionCut cut = SectionCut::kAtStep;
    float depth = 0;  // of the section below the wall's top back corner
    float W1 = 0;     // weight of the part above the section
    float Zw1 = 0;    // its arm from the section's front point
    float E = 0;      // √(Ex² + Ey²) of the pressure on the part above
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
    // The water behind on the part above (normal to the back): horizontal and vertical parts and their
    // point from the section's front point; 0 without water.
    float Pw = 0, PwY = 0, Xw = 0, Yw = 0;
    // Under an earthquake: the inertia Fi = ψ·Ci·Cz·(A/g)·W1 of the part above at its centroid's height
    // Zfi above the section, ψ the highway code's distribution over a wall above 12 m; 0 without.
    float psi = 1, Fi = 0, Zfi = 0;
    float B1 = 0;  // section width
    float e1 = 0;  // signed eccentricity
    float sigmaMax = 0, sigmaMin = 0;
    float tau1 = 0;
    float allowCompress = 0, allowShear = 0;  // [σ], [τ]
    bool compressionOk = false;               // σmax against [σ]; σmin is not compared
    bool shearOk = false;
};

// The distribution of the wall's inertia over its height (JTG B02-2013 §7.2.3): 1 for a wall up to
// 12 m high, above that 1 + hi/H at a section hi above the toe of a wall H high.
float InertiaDistribution(float H, float hi);

// The pass rule of the stresses: below the allowable value or within 1e-5 of it.
bool StressPasses(float stress, float allowed);

// Replaces the outline in the block by the part of a gravity or semi-gravity wall above the
// section examined and sets backHeight to its height. Used by ChooseGravitySection.
SectionCut CutGravitySection(const WallCase& c, KernelBlock& kb);

// Gravity and semi-gravity walls: cuts at the higher toe or heel step (or at half height when
// there is none), recomputes W1, Zw1 and the earth pressure on the part above by the case's theory,
// then e1, σmax, σmin and τ1. The whole-wall outline, H, W, Zw and pressure fields are overwritten.
SectionResult ChooseGravitySection(const WallCase& c, KernelBlock& kb);

// Shelf walls: cuts at the platform and takes W1, Zw1 of the upper wall. The upper-wall thrust
// stays; its arms are referred to the section: Zy = `thrustHeight` (height of the thrust above the
// platform, from ShelfPressure) and Zx from the section's front point, so that e1 takes the
// moments about that point. armX/armY are overwritten with them.
// The water on the upper back comes from its thrust `upper`.
SectionResult ChooseShelfSection(const WallCase& c, KernelBlock& kb, float thrustHeight,
                                 const ThrustResult& upper);

}  // namespace wall
