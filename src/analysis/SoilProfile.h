// The ground behind a wall as layers and a water table, and the thrust of such ground on a back.
#pragma once

#include <array>

#include "analysis/EarthThrust.h"
#include "analysis/KernelBlock.h"
#include "analysis/SoilLayers.h"
#include "case/WallCase.h"

namespace wall {

// The weight of the soil (and the water in its pores) inside a polygon, each layer's part at its γ
// above the water table and its γsat below, and the centroid of that weight.
struct SoilWeight {
    double W = 0;
    double x = 0;
    double y = 0;  // the centroid's height
};
SoilWeight WeightInside(const float* x, const float* y, int n, const SoilProfile& profile);

// The case's layers in use (at most kLayersAnalysed) and water table. Layer 1 is the block's soil, as
// every analysis reads it.
SoilProfile LoadProfile(const WallCase& c, const KernelBlock& kb);
// The block's profile with its depths from the level topY.
SoilProfile ProfileOf(const KernelBlock& kb, double topY);

// The active thrust on a back in layered ground with a water table. Down to the first layer boundary or
// the water table the back takes the single soil's thrust as before (the trial wedge under Coulomb,
// Rankine's on a vertical back), ground and strip as entered. Below, each layer takes its own
// coefficient with what lies above as a uniform vertical stress (the equivalent surcharge of the
// layered-soil method, e.g. GB 50007-2011 Appendix L and the soil-mechanics texts): Coulomb's Ka of
// the layer on the back's batter and the ground's slope, or Rankine's with its cohesion term; the strip
// keeps its band between the lines from its edges at the upper part's failure plane, at q·Ka of each
// layer. The vertical stress below the water table takes the effective unit weight, and the water
// pushes with γw·(z − zw) on the back, unless the two are combined (γsat, no water pressure). With one
// dry layer down to the back's foot the thrust is the single soil's, bit for bit.
ThrustResult LayeredThrust(const WallBack& back, const GroundSurface& ground, const SoilProfile& profile,
                           int theory);

// The thrust on a back whose top carries the uniform vertical stress sigma (kPa), e.g. the soil above
// a shelf's platform: each layer by its own coefficient (the ground's slope beta at the top, rad), the
// stress growing by each band's weight, the water as above. No strip.
ThrustResult ThrustUnderUniformLoad(const WallBack& back, const SoilProfile& profile, double sigma,
                                    double beta, int theory);

// The vertical stress at a depth below the wall's top from the weight above it: γ above the water
// table, below it γsat or γ' as UnitWeight says. Level ground, no strip.
double VerticalStress(const SoilProfile& profile, double depth);

// The same thrust with the strip taken away, where the strip has a part in it (false elsewhere).
bool LayeredThrustWithoutStrip(const ThrustResult& loaded, const GroundSurface& ground,
                               const SoilProfile& profile, int theory, ThrustResult& bare);

}  // namespace wall
