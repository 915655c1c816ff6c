// The seismic angles by the design acceleration.
#include "analysis/SeismicAngles.h"

#include <cmath>

namespace wall {

const SeismicAngleRow* SeismicAngleRowOf(float acceleration) {
    for (const SeismicAngleRow& row : kSeismicAngleTable)
        if (std::fabs(row.acceleration - acceleration) < 1e-6f) return &row;
    return nullptr;
}

SeismicAngles SeismicAnglesOf(const CaseSettings& s) {
    SeismicAngles a;
    const float A = s.seismicAcceleration;
    a.intensitySix = std::fabs(A - 0.05f) < 1e-6f;
    a.asked = A > 0 && !a.intensitySix;
    if (!a.asked) return a;
    const SeismicAngleRow* row = SeismicAngleRowOf(A);
    a.fromTable = row && !s.HasSeismicAngle() && !s.HasSeismicAngleWater();
    const bool haveTheta = s.HasSeismicAngle() || row;
    const bool haveWater = s.HasSeismicAngleWater() || row;
    a.theta = s.HasSeismicAngle() ? s.seismicAngle : row ? row->theta : 0;
    a.thetaWater = s.HasSeismicAngleWater() ? s.seismicAngleWater : row ? row->thetaWater : 0;
    a.known = haveTheta && haveWater;
    return a;
}

}  // namespace wall
