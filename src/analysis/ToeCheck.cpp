// The bending tension at the face of a semi-gravity wall's toe.
#include "analysis/ToeCheck.h"

#include <algorithm>
#include <cmath>

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
    // The base pressure at x from the toe: linear over the contact, which starts at the edge the
    // resultant leans to (GB 50007-2011 §5.2.2).
    const double xr = (s.baseMoment - s.overturningMoment) / static_cast<double>(s.N);
    const bool towardsToe = xr <= s.B / 2.0;
    const double contact = s.partialContact ? 3 * (towardsToe ? xr : s.B - xr) : s.B;
    auto p = [&](double x) {
        const double from = towardsToe ? x : s.B - x;  // distance from the loaded edge
        if (s.partialContact) return from < contact ? s.sigmaMax * (1 - from / contact) : 0.0;
        const double t = from / s.B;
        return s.sigmaMax + (s.sigmaMin - s.sigmaMax) * t;
    };
    r.pEdge = static_cast<float>(p(0));
    r.pRoot = static_cast<float>(p(r.B1));
    // Linear over the whole toe unless the contact ends within it.
    r.linear = !s.partialContact || (towardsToe ? contact >= r.B1 : s.B - contact <= 0);
    const double B1 = r.B1;
    if (r.linear) {
        r.Mp = static_cast<float>(B1 * B1 * (2.0 * r.pEdge + r.pRoot) / 6);
    } else {
        // Simpson over pieces short enough that the one kink costs nothing visible.
        constexpr int kSteps = 400;
        double m = 0;
        const double h = B1 / kSteps;
        for (int i = 0; i <= kSteps; ++i) {
            const double x = i * h, f = p(x) * (B1 - x);
            m += (i == 0 || i == kSteps ? 1 : i % 2 ? 4 : 2) * f;
        }
        r.Mp = static_cast<float>(m * h / 3);
    }
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
