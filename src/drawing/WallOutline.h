// The eight outline vertices P0..P7 of the wall's cross-section for each wall type.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

// Overwrites all sixteen coordinates of `kb.wallX`/`kb.wallY` (metres, origin at the top back
// corner, x towards the backfill, y up) from the wall type and geometry of the case. Degenerate
// geometry (a heel that cannot meet the base) yields infinite or NaN coordinates, which the
// analyses print as they come and the sketches skip. An unknown wall type gives all eight
// vertices at the origin.
void BuildWallOutline(const WallCase& c, KernelBlock& kb);

}  // namespace wall
