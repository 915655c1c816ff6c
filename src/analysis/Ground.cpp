// The ground surface and strip load of a case.
#include "analysis/Ground.h"

#include <algorithm>
#include <cmath>

namespace wall {

double StripLoad::LengthWithin(double x0, double x1) const {
    if (!Present()) return 0;
    return std::max(0.0, std::min(to, x1) - std::max(from, x0));
}

double GroundSurface::HeightAt(double x) const {
    if (x <= points[0].x) return points[0].y;
    for (int i = 1; i < count; ++i) {
        const Point& a = points[i - 1];
        const Point& b = points[i];
        if (x <= b.x) return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
    return points[count - 1].y;
}

double GroundSurface::AngleAt(double x) const {
    for (int i = 1; i < count; ++i) {
        const Point& a = points[i - 1];
        const Point& b = points[i];
        if (x < b.x) return std::atan2(b.y - a.y, b.x - a.x);
    }
    return 0;
}

GroundSurface GroundOf(const CSoil& soil) {
    GroundSurface g;
    const int segments = std::clamp(static_cast<int>(soil.m_nSlopeSegs), 0, kSlopeRowsMax);
    for (int i = 0; i < segments; ++i) {
        const double run = AsShown(soil.m_afSlope[i][kSlopeRun]);
        const double rise = AsShown(soil.m_afSlope[i][kSlopeRise]);
        // A segment without run adds no ground (the page's range keeps runs positive).
        if (!(run > 0)) continue;
        const Point& last = g.points[g.count - 1];
        g.points[g.count++] = {last.x + run, last.y + rise};
    }
    g.strip = {soil.m_fLoadOffset, static_cast<double>(soil.m_fLoadOffset) + soil.m_fLoadWidth,
               soil.m_fLoadPressure};
    return g;
}

}  // namespace wall
