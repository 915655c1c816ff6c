// Concrete or masonry and steel of a calculated wall.
#include "calc/Quantities.h"

#include <string_view>

#include "analysis/Polygon.h"
#include "analysis/geometry/WallOutline.h"

namespace wall {
namespace {

// As provided (the chosen bars, or the required area without them) in mm² (per metre of a strip) over
// `length` m of bar per metre of wall, as kg.
double SteelOf(const DesignedSection& s, double length) {
    const ReinforcementResult& r = s.result;
    if (!r.loadsKnown || !r.gradesKnown || !r.designed) return 0;
    return (r.bars.found ? r.bars.area : r.area) * 1e-6 * length * kSteelDensity;
}

// The section as finally designed: redesigned for the seismic moment where that governs.
DesignedSection AsDesigned(const DesignedSection& s, const CaseResult& r) {
    if (r.seismic)
        for (const SeismicSection& e : r.seismic->sections)
            if (e.name == s.name && e.seismicGoverns) return {s.name, e.design, s.shear};
    return s;
}

}  // namespace

double SectionArea(const WallCase& c) {
    const WallOutline o = BuildWallOutline(c);
    double area = PolygonAreaCentroid(o.x, o.y, 8).area;
    const CRetainingWall& w = c.wall;
    if (c.wallType == kCounterfort)
        area += 0.5 * w.m_fHeelWidth * (w.m_fHeight - w.m_fToeHeight) * w.m_fCfThickness / w.m_fCfSpacing;
    return area;
}

Quantities CaseQuantities(const WallCase& c, const CaseResult& r) {
    Quantities q;
    const CRetainingWall& w = c.wall;
    const double gamma = w.m_fUnitWeight;
    const double H1 = w.m_fToeHeight, B1 = w.m_fToeWidth, B2 = w.m_fHeelWidth;
    if (r.gravity) q.area = r.gravity->W / gamma;
    if (r.shelf) q.area = r.shelf->W / gamma;
    if (r.cantilever) {
        const CantileverResult& d = *r.cantilever;
        q.area = d.back.W / gamma;
        q.reinforced = true;
        const double stem = w.m_fHeight - H1;
        q.steelPerMetre = SteelOf(AsDesigned(d.sections[0], r), stem) +
                          SteelOf(AsDesigned(d.sections[1], r), B1) +
                          SteelOf(AsDesigned(d.sections[2], r), B2);
    }
    if (r.counterfort) {
        const CounterfortResult& d = *r.counterfort;
        const double Hc = d.panelHeight, spacing = w.m_fCfSpacing, b = w.m_fCfThickness;
        q.area = d.back.W / gamma + 0.5 * B2 * Hc * b / spacing;
        q.reinforced = true;
        for (const DesignedSection& designed : d.sections) {
            const DesignedSection s = AsDesigned(designed, r);
            const std::string_view n = s.name;
            if (n.starts_with("panel"))
                q.steelPerMetre += SteelOf(s, Hc);
            else if (n == "toe")
                q.steelPerMetre += SteelOf(s, B1);
            else if (n.starts_with("heel"))
                q.steelPerMetre += SteelOf(s, B2);
            else if (n == "counterfort3")  // the base section's bars, one counterfort per spacing
                q.steelPerMetre += SteelOf(s, Hc) / spacing;
        }
    }
    q.volumePerMetre = q.area * 1.0;
    return q;
}

}  // namespace wall
