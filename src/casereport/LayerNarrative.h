// Report lines of layered ground and water: each layer's coefficient and thrust, and the water's
// pressures behind, in front and under the base.
#pragma once

#include "analysis/EarthThrust.h"
#include "analysis/Ground.h"
#include "analysis/WaterActions.h"
#include "case/WallCase.h"
#include "report/ReportWriter.h"

namespace wall {

// The thrust of layered ground (t.layerCount > 0), layer by layer, with the case's layer table.
void WriteLayeredDerivation(ReportWriter& w, const ThrustResult& t, const WallCase& c, const GroundSurface& g,
                            int theory);

// The water's actions with their formulas, where there is water.
void WriteWaterActions(ReportWriter& w, const WaterResult& water);

}  // namespace wall
