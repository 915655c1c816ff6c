// The overall slip check of a wall with its ground: the simplified Bishop method over circles passing
// below the base (GB 50007-2011 §6.7.5, GB 50330-2013 §5.2 and Table 5.3.2).
#pragma once

#include <vector>

#include "analysis/OverallSlip.h"
#include "case/WallCase.h"

namespace wall {

struct OverallResult {
    bool checked = false;  // the foundation soil's ck and φk are given
    bool found = false;    // a slip circle was found (else the check fails)
    double kh = 0;         // the seismic coefficient on each slice (0 statically)
    float F = 0;
    float required = 0;
    bool ok = false;
    // The critical circle in the outline's frame (origin at the wall's top back corner, x towards the
    // fill) and measured from the toe: x from the toe's front bottom corner, y above the base level there.
    SlipCircle circle;
    double centreFromToeX = 0, centreAboveBase = 0;
    double toeX = 0, baseY = 0;  // the toe's front bottom corner in the outline's frame
    std::vector<SlipSliceSummary> slices;
    int evaluated = 0;
};

// The ground of a case as the slip analysis sees it, in the outline's frame: the wall (its unit weight,
// too strong to be cut), the backfill layers behind and over it with their γ above the water table and γsat
// below, the strip surcharge, the soil in front of the toe up to the embedment d and the foundation soil
// below the base level (γ above the water table, γ + γw below it, γ being the effective weight there as
// the bearing clauses read it; ck, φk), and the pore pressure under the water table behind (the front's
// level where there is none behind).
SlipGround SlipGroundOf(const WallCase& c);

// The least Bishop factor over circles below the base, against `required`; kh > 0 adds kh·W on each
// slice towards the toe (GB 50330-2013 §5.2.6). Not checked without the foundation soil's ck and φk.
OverallResult OverallStability(const WallCase& c, double kh, float required);

}  // namespace wall
