// The seismic combination of a case, beside its static analysis.
#pragma once

#include "calc/CaseResult.h"

namespace wall {

// Under an earthquake the zone of the base without contact may be a quarter of it at most (GB
// 50191-2012 §4.2.5): a triangular pressure over 0.75·B, e0 ≤ 0.25·B.
inline constexpr float kSeismicEccentricityLimit = 0.25f;

// The case's wall analysed under the pseudo-static earthquake: the seismic-angle thrust (θ above the
// water table, θw below), the horizontal inertia Ci·Cz·(A/g)·W of the wall and of the soil it carries at
// their centroids, the required factors checks.seismicOverturning and checks.seismicSliding, and the
// bearing value faE = ζa·fa (GB 50011-2010 §4.2.3), against which p ≤ faE and pmax ≤ 1.2·faE (§4.2.4),
// the eccentricity within the case's limit and kSeismicEccentricityLimit; a
// reinforced-concrete wall's sections against their static design `statics`. The case must be valid and
// ask for the check.
SeismicResult SeismicCombination(const WallCase& c, const WallResults& statics);

}  // namespace wall
