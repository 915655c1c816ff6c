// The computation of a counterfort wall: loads, stability, face panel, base slab, heel and counterforts.
#include "rcdesign/CounterfortDesign.h"

#include <cmath>

#include "analysis/EarthCoefficients.h"
#include "rcdesign/LoadCombination.h"

namespace wall {

namespace {

DesignedSection Strip(const CRetainingWall& wall, std::string_view name, float h, float M, float Mk) {
    return {name, DesignReinforcement(wall, SectionKind::kStrip, h, std::fabs(M), std::fabs(Mk))};
}

}  // namespace

CounterfortResult CounterfortDesign(const WallCase& c, KernelBlock& kb) {
    CounterfortResult r;
    const LoadCombination& g = kPermanentGoverning;
    r.back = ImaginaryBackPressure(c, kb);
    const CRetainingWall& w = c.wall;
    const float H = w.m_fHeight, H1 = w.m_fToeHeight, H2 = w.m_fHeelHeight, B2 = w.m_fHeelWidth;
    const float b = w.m_fCfThickness, l = w.m_fCfSpacing;
    const float t = kb.topWidth, gamma = kb.soilUnitWeight, q = kb.loadPressure, gammaC = kb.wallUnitWeight;
    const float Ka = r.back.Ka;
    const float f = SurchargeFactor(FirstSlopeAngle(c.soil), kb.backAngle);
    const float Hc = H - H1;
    const float L = l - b;
    r.surchargeFactor = f;
    r.panelHeight = Hc;
    r.panelDepth = kb.outline.x[7] - kb.outline.x[2];
    r.L = L;
    const float h = r.panelDepth;

    // Face panel spanning horizontally between counterforts, under the substitute uniform pressure.
    r.sigmaPj = gamma * Hc * Ka / 2 + f * q * Ka;
    r.panelQ = r.sigmaPj * L / 2;
    r.panelMidMk = r.sigmaPj * L * L / 20;
    r.panelMidM = g.permanent * r.panelMidMk;
    r.panelEndMk = -r.sigmaPj * L * L / 12;
    r.panelEndM = g.permanent * r.panelEndMk;
    r.sections[0] = Strip(w, "panelSpan", h, r.panelMidM, r.panelMidMk);
    r.sections[1] = Strip(w, "panelEnds", h, r.panelEndM, r.panelEndMk);

    // Face panel, vertically from the base slab.
    r.sigmaFoot = Hc * gamma * Ka + f * q * Ka;
    r.panelFootMk = -0.03f * r.sigmaFoot * Hc * L;
    r.panelFootM = g.permanent * r.panelFootMk;
    r.panelPosMk = -r.panelFootMk / 4;
    r.panelPosM = g.permanent * r.panelPosMk;
    r.sections[2] = Strip(w, "panelPositive", h, r.panelPosM, r.panelPosMk);
    r.sections[3] = Strip(w, "panelFoot", h, r.panelFootM, r.panelFootMk);

    r.slab = BaseSlabDesign(c, r.back.loads, kb);
    r.sections[4] = Strip(w, "toe", H1, r.slab.Mb, r.slab.Mbk);

    // Heel slab spanning between counterforts: the vertical stress at its edge, with the toe moment's
    // equivalent load 2.4·Mb/B2².
    const float W1 = r.back.loads.heelWeight;
    const float heelOwn = gammaC * B2 * H2 + W1;
    r.sigmaW = 2.4f * r.slab.Mb / (B2 * B2) + g.permanent * heelOwn / B2 - r.slab.design.sigmaMin;
    r.sigmaWk = 2.4f * r.slab.Mbk / (B2 * B2) + heelOwn / B2 - r.slab.standard.sigmaMin;
    r.heelQ = r.sigmaW * L / 2;
    r.heelMidM = r.sigmaW * L * L / 20;
    r.heelMidMk = r.sigmaWk * L * L / 20;
    r.heelEndM = -r.sigmaW * L * L / 12;
    r.heelEndMk = -r.sigmaWk * L * L / 12;
    r.sections[5] = Strip(w, "heelSpan", H1, r.heelMidM, r.heelMidMk);
    r.sections[6] = Strip(w, "heelEnds", H1, r.heelEndM, r.heelEndMk);
    if (!r.slab.PressuresKnown()) {
        // The heel's stress takes σmin and the toe moment: without base pressures it is not defined.
        r.sigmaW = r.sigmaWk = r.heelQ = r.heelMidM = r.heelMidMk = r.heelEndM = r.heelEndMk = 0;
        for (int i : {4, 5, 6}) r.sections[i].result = WithoutBasePressure(H1);
    }

    // Counterforts: cantilevers from the base slab loaded by the triangular soil pressure and the
    // uniform surcharge pressure of one spacing l of wall, as T-sections with the panel as flange.
    const float p1 = Hc * gamma * Ka;
    const float pq = f * q * Ka;
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
        cs.Q = g.permanent * (p1 * x * x / (2 * Hc) + pq * x) * l;
        cs.Mk = (p1 * x * x * x / (6 * Hc) + pq * x * x / 2) * l;
        cs.M = g.permanent * cs.Mk;
        r.sections[7 + i] = {kNames[i], DesignReinforcement(w, SectionKind::kTee, cs.height, cs.M, cs.Mk,
                                                            cs.flangeWidth, cs.flangeThickness)};
    }
    return r;
}

}  // namespace wall
