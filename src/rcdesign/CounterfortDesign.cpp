// The computation of a counterfort wall: loads, stability, face panel, base slab, heel and counterforts.
#include "rcdesign/CounterfortDesign.h"

#include <algorithm>
#include <cmath>

#include "rcdesign/LoadCombination.h"

namespace wall {

namespace {

DesignedSection Strip(const CRetainingWall& wall, std::string_view name, float h, float M, float Mk,
                      MinimumSteel rule = MinimumSteel::kSupportedSlab) {
    return {name, DesignReinforcement(wall, SectionKind::kStrip, h, std::fabs(M), std::fabs(Mk), 0, 0, rule)};
}

// γG·soil + γQ·load in each basic combination, the governing one's value and index.
struct Enveloped {
    float value = 0;
    int combination = 0;
};
Enveloped Envelope(float soil, float load) {
    float v[kBasicCombinations.size()];
    for (size_t i = 0; i < kBasicCombinations.size(); ++i)
        v[i] = kBasicCombinations[i].permanent * soil + kBasicCombinations[i].variable * load;
    const int g = Governing(v[0], v[1]);
    return {v[g], g};
}

}  // namespace

CounterfortResult CounterfortDesign(const WallCase& c, KernelBlock& kb) {
    CounterfortResult r;
    r.back = ImaginaryBackPressure(c, kb);
    if (r.back.status != PressureStatus::kOk) return r;
    const CRetainingWall& w = c.wall;
    const float H = w.m_fHeight, H1 = w.m_fToeHeight, H2 = w.m_fHeelHeight, B2 = w.m_fHeelWidth;
    const float b = w.m_fCfThickness, l = w.m_fCfSpacing;
    const float t = kb.topWidth, gammaC = kb.wallUnitWeight;
    const float Hc = H - H1;
    const float L = l - b;
    r.panelHeight = Hc;
    r.panelDepth = kb.outline.x[7] - kb.outline.x[2];
    r.L = L;
    const float h = r.panelDepth;

    // The panel's pressures from the diagram of the imaginary back, whose top may lie above the wall's.
    using Part = PressureDiagram::Part;
    const PressureDiagram& diagram = r.back.thrust.diagram;
    const float top = static_cast<float>(r.back.thrust.back.top.y - kb.outline.y[0]);
    r.panelTop = top;
    r.soilMean = diagram.Between(Part::kSoil, top, top + Hc).force / Hc;
    r.soilFoot = diagram.At(Part::kSoil, top + Hc);
    // The water behind presses on the panel with the soil, a permanent load as well.
    if (r.back.water.behind) {
        r.waterMean = diagram.Between(Part::kWater, top, top + Hc).force / Hc;
        r.waterFoot = diagram.At(Part::kWater, top + Hc);
        r.soilMean += r.waterMean;
        r.soilFoot += r.waterFoot;
    }
    r.loadMax = diagram.Max(Part::kLoad, top + Hc);

    // Face panel spanning horizontally between counterforts, under the substitute uniform pressure.
    r.sigmaPj = r.soilMean + r.loadMax;
    const Enveloped pj = Envelope(r.soilMean, r.loadMax);
    r.panelCombination = pj.combination;
    r.panelQ = pj.value * L / 2;
    r.panelMidMk = r.sigmaPj * L * L / 20;
    r.panelMidM = pj.value * L * L / 20;
    r.panelEndMk = -r.sigmaPj * L * L / 12;
    r.panelEndM = -pj.value * L * L / 12;
    r.sections[0] = Strip(w, "panelSpan", h, r.panelMidM, r.panelMidMk);
    r.sections[1] = Strip(w, "panelEnds", h, r.panelEndM, r.panelEndMk);
    r.sections[1].shear = CheckSlabShear(w, h, r.panelQ);
    r.sections[1].shear.combination = pj.combination;

    // Face panel, vertically from the base slab.
    r.sigmaFoot = r.soilFoot + r.loadMax;
    const Enveloped foot = Envelope(r.soilFoot, r.loadMax);
    r.panelFootMk = -0.03f * r.sigmaFoot * Hc * L;
    r.panelFootM = -0.03f * foot.value * Hc * L;
    r.panelPosMk = -r.panelFootMk / 4;
    r.panelPosM = -r.panelFootM / 4;
    r.sections[2] = Strip(w, "panelPositive", h, r.panelPosM, r.panelPosMk);
    r.sections[3] = Strip(w, "panelFoot", h, r.panelFootM, r.panelFootMk);

    r.slab = BaseSlabDesign(c, BaseLoadsOf(r.back, kb), kb);
    r.sections[4] = Strip(w, "toe", H1, r.slab.Mb, r.slab.Mbk, MinimumSteel::kCantileverSlab);
    r.sections[4].shear = CheckSlabShear(w, H1, r.slab.toeV.M);
    r.sections[4].shear.combination = r.slab.toeV.combination;

    // Heel slab spanning between counterforts: the vertical stress at its edge, with the toe moment's
    // equivalent load 2.4·Mb/B2². The heel's own weight and soil take γG, its surcharge γQ; the base
    // pressure at its end, favourable, takes the smaller of its design and characteristic values.
    const BaseLoads& loads = r.slab.loads;
    const float own = gammaC * B2 * H2 + loads.W1;
    // The uplift under the heel, at its least there, eases it like the base pressure at its end.
    const float uplift =
        loads.U > 0
            ? loads.gammaW * std::min(loads.h5, loads.h4 + (loads.h5 - loads.h4) * (r.slab.B - B2) / r.slab.B)
            : 0.0f;
    r.heelUplift = uplift;
    float best = 0;
    for (size_t i = 0; i < kBasicCombinations.size(); ++i) {
        const LoadCombination& f = kBasicCombinations[i];
        const float end = std::min(r.slab.design[i].pEnd, r.slab.standard.pEnd);
        const float sigma = 2.4f * r.slab.toeM[i] / (B2 * B2) +
                            (f.permanent * own + f.variable * loads.Wq) / B2 - end - uplift;
        if (i == 0 || std::fabs(sigma) > std::fabs(best)) {
            best = sigma;
            r.heelCombination = static_cast<int>(i);
        }
    }
    r.sigmaWk = 2.4f * r.slab.Mbk / (B2 * B2) + (own + loads.Wq) / B2 - r.slab.standard.pEnd - uplift;
    // The stress is a difference of loads and pressure: where the combinations leave it below the
    // characteristic one in magnitude, the characteristic stress with the larger permanent factor.
    const float floor = kBasicCombinations[0].permanent * r.sigmaWk;
    r.sigmaW = std::fabs(floor) > std::fabs(best) ? floor : best;
    r.heelQ = r.sigmaW * L / 2;
    r.heelMidM = r.sigmaW * L * L / 20;
    r.heelMidMk = r.sigmaWk * L * L / 20;
    r.heelEndM = -r.sigmaW * L * L / 12;
    r.heelEndMk = -r.sigmaWk * L * L / 12;
    r.sections[5] = Strip(w, "heelSpan", H1, r.heelMidM, r.heelMidMk);
    r.sections[6] = Strip(w, "heelEnds", H1, r.heelEndM, r.heelEndMk);
    r.sections[6].shear = CheckSlabShear(w, H1, r.heelQ);
    r.sections[6].shear.combination = r.heelCombination;
    if (!r.slab.PressuresKnown()) {
        // The heel's stress takes σmin and the toe moment: without base pressures it is not defined.
        r.sigmaW = r.sigmaWk = r.heelQ = r.heelMidM = r.heelMidMk = r.heelEndM = r.heelEndMk = 0;
        for (int i : {4, 5, 6}) {
            r.sections[i].result = WithoutBasePressure(H1);
            r.sections[i].shear = {};
        }
    }

    // Counterforts: cantilevers from the base slab loaded by the panel's pressure over one spacing l,
    // as T-sections with the panel as flange.
    r.tributaryWidth = l;
    static constexpr std::string_view kNames[3] = {"counterfort1", "counterfort2", "counterfort3"};
    for (int i = 0; i < 3; ++i) {
        CounterfortSection& cs = r.counterfort[i];
        const float x = (i + 1) * Hc / 3;
        cs.x = x;
        cs.width = b;
        cs.height = x * B2 / Hc + t;
        cs.flangeWidth = L * x / Hc + b;
        cs.flangeThickness = t;
        DiagramThrust soil = diagram.Between(Part::kSoil, top, top + x);
        if (r.back.water.behind) {
            // The water with the soil: one permanent load at their joint centre of pressure.
            const DiagramThrust water = diagram.Between(Part::kWater, top, top + x);
            if (water.force > 0) {
                const float sum = soil.force + water.force;
                soil.depth = (soil.force * soil.depth + water.force * water.depth) / sum;
                soil.force = sum;
            }
        }
        const DiagramThrust load = diagram.Between(Part::kLoad, top, top + x);
        const float Ms = soil.force * (top + x - soil.depth) * l,
                    Mq = load.force * (top + x - load.depth) * l;
        cs.Qk = (soil.force + load.force) * l;
        cs.Mk = Ms + Mq;
        const Enveloped M = Envelope(Ms, Mq);
        cs.M = M.value;
        cs.Q = Envelope(soil.force * l, load.force * l).value;
        if (i == 2) r.counterfortCombination = M.combination;
        r.sections[7 + i] = {kNames[i],
                             DesignReinforcement(w, SectionKind::kTee, cs.height, cs.M, cs.Mk, cs.flangeWidth,
                                                 cs.flangeThickness, MinimumSteel::kBeam)};
        const Enveloped Q = Envelope(soil.force * l, load.force * l);
        r.sections[7 + i].shear = CheckBeamShear(w, cs.height, cs.flangeThickness, Q.value);
        r.sections[7 + i].shear.combination = Q.combination;
    }
    return r;
}

}  // namespace wall
