// Filling the analysis state from the case.
#include "analysis/LoadKernelBlock.h"

#include <cmath>

#include "analysis/DoubleMath.h"
#include "analysis/Polygon.h"
#include "analysis/SoilProfile.h"

namespace wall {

void LoadKernelBlock(const WallCase& c, KernelBlock& kb) {
    const CRetainingWall& w = c.wall;
    const CSoil& s = c.soil;

    AreaCentroid ac = PolygonAreaCentroid(kb.outline.x, kb.outline.y, 8);
    kb.wallWeight = ac.area * w.m_fUnitWeight;
    kb.wallFriction = 3.1415925 * w.m_fWallFriction / 180;
    kb.wallUnitWeight = w.m_fUnitWeight;
    kb.baseFriction = w.m_fBaseFriction;
    kb.topWidth = w.m_fTopWidth;
    kb.backAngle = Atan(w.m_fBackSlope);
    kb.wallWeightArm = ac.cx + kb.outline.x[0] - kb.outline.x[3];
    kb.wallWeightHeight = ac.cy - kb.outline.y[4];
    kb.backHeight = std::fabs(kb.outline.y[5]);

    const float* slope = s.m_afSlope[0];
    kb.slopeAngle = 3.1415925 * AsShown(slope[kSlopeAngle]) / 180;

    const float* layer = s.m_afLayer[0];
    kb.soilUnitWeight = AsShown(layer[kLayerUnitWeight]);
    kb.soilCohesion = AsShown(layer[kLayerCohesion]);
    kb.soilFriction = AsShown(layer[kLayerFriction]) * 3.1415925 / 180;
    kb.profile = LoadProfile(c, kb);
}

}  // namespace wall
