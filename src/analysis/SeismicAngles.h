// The seismic angle of the pseudo-static earth pressure: the code's table by the design acceleration,
// or the angles the case gives.
#pragma once

#include "case/WallCase.h"

namespace wall {

struct SeismicAngles {
    bool asked = false;         // an acceleration above intensity 6 asks for the seismic check
    bool intensitySix = false;  // A = 0.05g: intensity 6, no seismic check asked
    bool fromTable = false;     // both angles from the table (none given)
    bool known = false;         // both angles found (from the table or given)
    float theta = 0;            // θ above the water table, degrees
    float thetaWater = 0;       // θw below it, degrees
};

// One row of the table of GB 50023-2009 Table 4.2.9 (as the railway and highway codes give it):
// A/g with θ above and below the water table. The values are rounded conventions, kept as printed.
struct SeismicAngleRow {
    float acceleration, theta, thetaWater;
};
inline constexpr SeismicAngleRow kSeismicAngleTable[] = {
    {0.10f, 1.5f, 2.5f}, {0.15f, 2.3f, 3.8f}, {0.20f, 3.0f, 5.0f}, {0.30f, 4.5f, 7.5f}, {0.40f, 6.0f, 10.0f}};

// The table's row of an acceleration (nullptr where it has none).
const SeismicAngleRow* SeismicAngleRowOf(float acceleration);

// The angles of a case: the given ones, else the table's.
SeismicAngles SeismicAnglesOf(const CaseSettings& s);

}  // namespace wall
