// The bending tension at the face of a semi-gravity wall's toe.
#include "analysis/ToeCheck.h"

#include <algorithm>
#include <cmath>

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

}  // namespace wall
