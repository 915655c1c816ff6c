// The eight outline vertices P0..P7 of the wall's cross-section for each wall type.
#pragma once

#include "case/WallCase.h"

namespace wall {

// The outline vertices P0..P7, metres: origin at the top back corner, x towards the backfill, y up.
struct WallOutline {
    float x[8] = {};
    float y[8] = {};
};

// The outline of the case's wall type and geometry. Degenerate
// geometry (a heel that cannot meet the base) yields infinite or NaN coordinates, which the
// analyses print as they come and the sketches skip. An unknown wall type gives all eight
// vertices at the origin.
WallOutline BuildWallOutline(const WallCase& c);

}  // namespace wall
