// Coulomb active earth pressure on a masonry wall's back.
#include "analysis/CoulombPressure.h"

#include <cmath>

#include "analysis/DoubleMath.h"
#include "analysis/SoilProfile.h"

namespace wall {

WallBack OutlineBack(const KernelBlock& kb) {
    return {{kb.outline.x[0], kb.outline.y[0]}, {kb.outline.x[5], kb.outline.y[5]}};
}

Backfill BlockBackfill(const KernelBlock& kb) {
    return {kb.soilUnitWeight, kb.soilCohesion, kb.soilFriction, kb.wallFriction};
}

CoulombResult CoulombActivePressure(const WallCase& c, KernelBlock& kb) {
    CoulombResult r;
    const WallBack back = OutlineBack(kb);
    r.thrust = LayeredThrust(back, GroundOf(c.soil), ProfileOf(kb, kb.outline.y[0]), kCoulomb);
    r.status = r.thrust.status;
    if (r.status != PressureStatus::kOk) return r;
    const double alpha = back.Angle(), delta = kb.wallFriction;
    r.E = r.thrust.E;
    r.Ex = static_cast<float>(r.E * std::cos(alpha + delta));
    r.Ey = static_cast<float>(r.E * std::sin(alpha + delta));
    r.Zx = static_cast<float>(r.thrust.point.x - kb.outline.x[4]);
    r.Zy = static_cast<float>(r.thrust.point.y - kb.outline.y[4]);
    kb.pressureX = r.Ex;
    kb.pressureY = r.Ey;
    kb.armX = r.Zx;
    kb.armY = r.Zy;
    return r;
}

}  // namespace wall
