// Filling the analysis state from the case.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

// Fills the input fields of `kb` from the case and from the outline already in kb.outline:
// W and Zw from the outline's area and centroid, δ, α, μ, the top width, H = |Y5|, and the first
// slope segment's angle (β, for the shelf's lower wall) and the first soil layer; the ground and the
// strip surcharge the thrusts read from the case itself (GroundOf). Table values are read
// as the page shows them, rounded to two decimals. Result fields are left as they are.
void LoadKernelBlock(const WallCase& c, KernelBlock& kb);

}  // namespace wall
