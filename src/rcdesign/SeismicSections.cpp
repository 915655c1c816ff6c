// Each reinforced-concrete section designed for the larger of its static and seismic moments.
#include "rcdesign/SeismicSections.h"

#include <algorithm>
#include <cmath>

#include "analysis/DoubleMath.h"
#include "analysis/Polygon.h"
#include "analysis/WallSection.h"

namespace wall {
namespace {

// The minimum steel of a section by its place, as the static design chose it.
MinimumSteel RuleOf(std::string_view name, int wallType) {
    if (name.rfind("counterfort", 0) == 0) return MinimumSteel::kBeam;
    if (wallType == kCounterfort && name != "toe") return MinimumSteel::kSupportedSlab;
    return MinimumSteel::kCantileverSlab;
}

// 1.2·Mk + 1.3·(MkE − Mk) + 1.3·Mi, magnitudes.
SeismicSection Combined(std::string_view name, float Mk, float MkE, float Mi) {
    SeismicSection r;
    r.name = name;
    r.Mk = std::fabs(Mk);
    r.MkE = std::fabs(MkE);
    r.Mi = std::fabs(Mi);
    r.ME = kGammaGSeismic * r.Mk + kGammaEh * std::max(0.0f, r.MkE - r.Mk) + kGammaEh * r.Mi;
    return r;
}

// The shear formed like the moment, checked at γRE·VE against the section as the static design checks it.
void CombinedShear(const WallCase& c, const DesignedSection& d, float Vk, float VkE, float Vi,
                   SeismicSection& r) {
    if (!d.shear.checked) return;
    r.Vk = std::fabs(Vk);
    r.VkE = std::fabs(VkE);
    r.Vi = std::fabs(Vi);
    r.VE = kGammaGSeismic * r.Vk + kGammaEh * std::max(0.0f, r.VkE - r.Vk) + kGammaEh * r.Vi;
    r.VEreduced = kGammaReShear * r.VE;
    r.shear = CheckSlabShear(c.wall, d.result.h, r.VEreduced);
}
void BoundShear(const WallCase& c, const DesignedSection& d, float VE, SeismicSection& r) {
    if (!d.shear.checked) return;
    r.VE = std::fabs(VE);
    r.VEreduced = kGammaReShear * r.VE;
    r.shear = CheckSlabShear(c.wall, d.result.h, r.VEreduced);
}

// Compares with the static design and redesigns the section where the seismic moment governs.
void Decide(const WallCase& c, const DesignedSection& d, SeismicSection& r) {
    const ReinforcementResult& st = d.result;
    r.Mstatic = std::fabs(st.M);
    r.MEreduced = kGammaReFlexure * r.ME;
    r.seismicGoverns = st.loadsKnown && r.MEreduced > r.Mstatic;
    if (r.seismicGoverns)
        r.design = DesignReinforcement(c.wall, st.kind, st.h, r.MEreduced, std::fabs(st.Mk), st.bf, st.hf,
                                       RuleOf(d.name, c.wallType));
}

// The concrete's weight per metre above a level and its centroid's height above that level.
struct Mass {
    float W = 0, arm = 0;
};
Mass StemAbove(const WallCase& c, float gammaC) {
    const WallOutline o = BuildWallOutline(c);
    const float x[4] = {o.x[0], o.x[1], o.x[2], o.x[7]};
    const float y[4] = {o.y[0], o.y[1], o.y[2], o.y[7]};
    const AreaCentroid a = PolygonAreaCentroid(x, y, 4);
    return {std::fabs(a.area) * gammaC, a.cy - o.y[7]};
}

// ψ of the part above the base slab: the stem's foot lies H1 above the toe.
float PsiAtStemFoot(const WallCase& c) {
    return InertiaDistribution(c.wall.m_fHeight, c.wall.m_fToeHeight);
}

// A base-slab section: the seismic analysis's own design moment.
SeismicSection Bound(std::string_view name, float ME) {
    SeismicSection r;
    r.name = name;
    r.how = SeismicMoment::kBasicBound;
    r.ME = std::fabs(ME);
    return r;
}

}  // namespace

std::vector<SeismicSection> SeismicSections(const WallCase& c, const CantileverResult& s,
                                            const CantileverResult& e, float k) {
    std::vector<SeismicSection> out;
    const float gammaC = c.wall.m_fUnitWeight;
    const Mass stem = StemAbove(c, gammaC);
    const float Fi = k * PsiAtStemFoot(c) * stem.W;
    out.push_back(Combined("stem", s.Mk, e.Mk, Fi * stem.arm));
    out.push_back(Bound("toe", e.sections[1].result.M));
    out.push_back(Bound("heel", e.sections[2].result.M));
    for (size_t i = 0; i < out.size(); ++i) Decide(c, s.sections[i], out[i]);
    // The stem's characteristic shear: the thrusts above its foot, the water's horizontal.
    auto stemShear = [](const StemLoads& l) {
        return Cos(l.thrustAngle) * (l.soilThrust + l.loadThrust) + l.waterThrust;
    };
    CombinedShear(c, s.sections[0], stemShear(s.back.loads), stemShear(e.back.loads), Fi, out[0]);
    if (e.slab.PressuresKnown()) {
        BoundShear(c, s.sections[1], e.slab.toeV.M, out[1]);
        BoundShear(c, s.sections[2], e.slab.heelV.M, out[2]);
    }
    return out;
}

std::vector<SeismicSection> SeismicSections(const WallCase& c, const CounterfortResult& s,
                                            const CounterfortResult& e, float k) {
    std::vector<SeismicSection> out;
    const CRetainingWall& w = c.wall;
    const float gammaC = w.m_fUnitWeight;
    const float H = w.m_fHeight, H1 = w.m_fToeHeight, Hc = s.panelHeight, L = s.L, l = w.m_fCfSpacing;
    // The face panel's own inertia, a uniform pressure k·ψ·γc·h on it: at mid-height for its horizontal
    // spans, at its foot for the vertical strip.
    const float h = s.panelDepth;
    const float qSpan = k * InertiaDistribution(H, H1 + Hc / 2) * gammaC * h;
    const float qFoot = k * InertiaDistribution(H, H1) * gammaC * h;
    out.push_back(Combined("panelSpan", s.panelMidMk, e.panelMidMk, qSpan * L * L / 20));
    out.push_back(Combined("panelEnds", s.panelEndMk, e.panelEndMk, qSpan * L * L / 12));
    out.push_back(Combined("panelPositive", s.panelPosMk, e.panelPosMk, 0.03f * qFoot * Hc * L / 4));
    out.push_back(Combined("panelFoot", s.panelFootMk, e.panelFootMk, 0.03f * qFoot * Hc * L));
    out.push_back(Bound("toe", e.sections[4].result.M));
    out.push_back(Bound("heelSpan", e.sections[5].result.M));
    out.push_back(Bound("heelEnds", e.sections[6].result.M));
    // A counterfort carries the panel over one spacing and its own rib: their inertia above the section,
    // at half its height (the rib deepens downwards, so its centroid lies lower: conservative).
    static constexpr std::string_view kNames[3] = {"counterfort1", "counterfort2", "counterfort3"};
    for (int i = 0; i < 3; ++i) {
        const CounterfortSection& cs = s.counterfort[i];
        const float x = cs.x;
        const float rib = w.m_fCfThickness * (x * w.m_fHeelWidth / Hc) / 2;  // behind the panel, mean depth
        const float W = gammaC * (l * h + rib) * x;
        const float Fi = k * InertiaDistribution(H, H1 + Hc - x) * W;
        out.push_back(Combined(kNames[i], cs.Mk, e.counterfort[i].Mk, Fi * x / 2));
        SeismicSection& r = out.back();
        r.Vk = cs.Qk;
        r.VkE = e.counterfort[i].Qk;
        r.Vi = Fi;
    }
    for (size_t i = 0; i < out.size(); ++i) Decide(c, s.sections[i], out[i]);
    // The panel's support shear under σpj·L/2 and its own inertia over half a span.
    CombinedShear(c, s.sections[1], s.sigmaPj * L / 2, e.sigmaPj * L / 2, qSpan * L / 2, out[1]);
    if (e.slab.PressuresKnown()) {
        BoundShear(c, s.sections[4], e.slab.toeV.M, out[4]);
        BoundShear(c, s.sections[6], e.heelQ, out[6]);
    }
    for (int i = 0; i < 3; ++i) {
        SeismicSection& r = out[7 + i];
        const CounterfortSection& cs = s.counterfort[i];
        r.VE = kGammaGSeismic * r.Vk + kGammaEh * std::max(0.0f, r.VkE - r.Vk) + kGammaEh * r.Vi;
        r.VEreduced = kGammaReShear * r.VE;
        r.spanRatio = cs.x / cs.height;
        r.shear = CheckSeismicBeamShear(w, cs.height, r.spanRatio, r.VEreduced);
    }
    return out;
}

}  // namespace wall
