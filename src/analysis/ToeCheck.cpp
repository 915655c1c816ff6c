// The bending tension at the face of a semi-gravity wall's toe.
#include "analysis/ToeCheck.h"

#include <algorithm>
#include <cmath>

#include "analysis/BaseContact.h"
#include "analysis/Ground.h"
#include "analysis/WallSection.h"

namespace wall {

ToeResult CheckSemiGravityToe(const WallCase& c, const StabilityResult& s) {
    ToeResult r;
    const CRetainingWall& w = c.wall;
    if (c.wallType != kSemiGravity || !(w.m_fToeWidth > 0) || !(w.m_fHeelHeight > 0) ||
        s.resultantOutsideBase || !(s.N > 0) || !(s.B > 0))
        return r;
    r.checked = true;
    r.B1 = w.m_fToeWidth;
    r.H1 = w.m_fToeHeight;
    r.H2 = w.m_fHeelHeight;
    r.gamma = w.m_fUnitWeight;
    r.allow = w.m_fAllowShear;
    // The stability's characteristic pressures, over the contact from the edge the resultant leans to.
    const double xr = (s.baseMoment - s.baseOverturningMoment) / static_cast<double>(s.N);
    const bool towardsHeel = xr > s.B / 2.0;
    // The contact 3(B/2 − e0) measured from the loaded edge, that is three times the resultant's distance.
    const double contact = s.partialContact ? 3 * (towardsHeel ? s.B - xr : xr) : s.B;
    const BaseContact base = {s.B, s.sigmaMax, s.sigmaMin, contact, towardsHeel, s.partialContact};
    r.pEdge = static_cast<float>(BasePressureAt(base, 0));
    r.pRoot = static_cast<float>(BasePressureAt(base, r.B1));
    // Linear over the whole toe unless the contact ends under it.
    r.linear = !s.partialContact || (!towardsHeel && base.contact >= r.B1);
    r.Mp = static_cast<float>(BasePressureMoment(base, 0, r.B1, r.B1));
    const double B1 = r.B1;
    r.Mw = static_cast<float>(r.gamma * B1 * B1 * (2.0 * r.H1 + r.H2) / 6);
    r.M = r.Mp - r.Mw;
    r.sigmaT = 6 * r.M / (r.H2 * r.H2);
    // Either face may be in tension: the lower under the base pressure, the upper where the toe hangs.
    r.ok = StressPasses(std::fabs(r.sigmaT), r.allow);
    return r;
}

PlatformResult CheckShelfPlatform(const WallCase& c, const WallOutline& o) {
    PlatformResult r;
    const double x5 = o.x[5], x6 = o.x[6], y5 = o.y[5], y6 = o.y[6];
    if (c.wallType != kShelf || !(x6 - x5 > 1e-6) || !(y6 - y5 > 1e-6)) return r;
    r.checked = true;
    r.L = static_cast<float>(x6 - x5);
    r.h2 = static_cast<float>(y6 - y5);
    const GroundSurface g = GroundOf(c.soil);
    const double gamma = AsShown(c.soil.m_afLayer[0][kLayerUnitWeight]);
    // The soil's moment about the root by Simpson's rule over the overhang (the ground may break
    // over it); the strip's exactly.
    constexpr int kSteps = 64;
    const double h = (x6 - x5) / kSteps;
    double m = 0;
    for (int i = 0; i <= kSteps; ++i) {
        const double at = x5 + i * h, f = std::max(0.0, g.HeightAt(at) - y6) * (at - x5);
        m += (i == 0 || i == kSteps ? 1 : i % 2 ? 4 : 2) * f;
    }
    r.Ms = static_cast<float>(gamma * m * h / 3);
    if (g.strip.Present()) {
        const double a = std::clamp(g.strip.from, x5, x6) - x5, b = std::clamp(g.strip.to, x5, x6) - x5;
        r.Mq = static_cast<float>(g.strip.q * (b * b - a * a) / 2);
    }
    r.Mw = static_cast<float>(c.wall.m_fUnitWeight * r.L * r.h2 / 2 * r.L / 3);
    r.M = r.Ms + r.Mq + r.Mw;
    r.sigmaT = 6 * r.M / (r.h2 * r.h2);
    r.allow = c.wall.m_fAllowShear;
    r.ok = StressPasses(r.sigmaT, r.allow);
    return r;
}

}  // namespace wall
