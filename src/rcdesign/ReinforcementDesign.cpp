// Flexural tension reinforcement of one wall section and its crack-width check (GB 50010-2010).
#include "rcdesign/ReinforcementDesign.h"

#include <algorithm>
#include <cmath>

#include "rcdesign/FlexureFormulas.h"
#include "rcdesign/Materials.h"
#include "rcdesign/ShearFormulas.h"

namespace wall {

namespace {

// Strip width of the walls' slabs and panels, mm.
constexpr float kStripWidth = 1000;
// Each pass of the crack-width check raises the area by this factor.
constexpr float kAreaGrowth = 1.05f;
// From any positive area, 1.05^n passes the largest float well before this many passes; the cap only
// guards against an area that cannot grow at all.
constexpr int kMaxPasses = 4000;

float RequiredArea(SectionKind kind, float M, float fc, float fy, float b, float h, float h0, float bf,
                   float hf) {
    if (kind == SectionKind::kStrip) return RectangularSteelArea(M, fc, b, h0, fy);
    float As = M > FlangeCapacity(fc, bf, hf, h0) ? TeeWebSteelArea(M, fc, b, bf, hf, h0, fy)
                                                  : TeeFlangeSteelArea(M, fc, bf, h0, fy);
    return As * TeeSlantFactor(h, bf, b, hf);
}

}  // namespace

float MinimumRatioPercent(const CRetainingWall& wall, MinimumSteel rule) {
    std::optional<ConcreteStrength> concrete = ConcreteOfGrade(wall.m_nConcreteGrade);
    std::optional<RebarStrength> rebar = RebarOfGrade(wall.m_nRebarGrade);
    if (!concrete || !rebar) return 0.2f;
    const float byStrength = 45 * concrete->ft / rebar->fy;
    // 400 and 500 MPa bars (HRB400: fy 360, HRB500: fy 435) in slabs other than cantilevers.
    const float floor = rule == MinimumSteel::kSupportedSlab && rebar->fy >= 360 ? 0.15f : 0.20f;
    return std::max(floor, byStrength);
}

ShearResult CheckSlabShear(const CRetainingWall& wall, float h, float V) {
    ShearResult s;
    std::optional<ConcreteStrength> concrete = ConcreteOfGrade(wall.m_nConcreteGrade);
    const float h0 = h * 1000 - BarCentroidDepth(wall.m_fCover, wall.m_fBarDiameter);
    if (!concrete || !(h0 > 0)) return s;
    s.checked = true;
    s.V = V;
    s.betaH = SlabShearHeightFactor(h0);
    s.Vc = SlabShearCapacity(concrete->ft, kStripWidth, h0) / 1000;
    s.ok = std::isfinite(V) && std::fabs(V) <= s.Vc * (1 + 1e-6f);
    return s;
}

ShearResult CheckBeamShear(const CRetainingWall& wall, float h, float hf, float V) {
    ShearResult s;
    std::optional<ConcreteStrength> concrete = ConcreteOfGrade(wall.m_nConcreteGrade);
    std::optional<RebarStrength> rebar = RebarOfGrade(wall.m_nRebarGrade);
    const float b = wall.m_fCfThickness * 1000;
    const float h0 = h * 1000 - BarCentroidDepth(wall.m_fCover, wall.m_fBarDiameter);
    if (!concrete || !rebar || !(h0 > 0) || !(b > 0)) return s;
    s.checked = true;
    s.beam = true;
    s.V = V;
    // fcuk is the grade's number: C15 .. C80 in steps of 5.
    const float fcuk = 15 + 5 * static_cast<float>(wall.m_nConcreteGrade);
    s.limit = SectionShearLimit(ConcreteStrengthFactor(fcuk), concrete->fc, b, h0, h0 - hf * 1000) / 1000;
    s.Vc = BeamConcreteShear(concrete->ft, b, h0) / 1000;
    s.sectionOk = std::isfinite(V) && std::fabs(V) <= s.limit * (1 + 1e-6f);
    s.stirrupsNeeded = std::fabs(V) > s.Vc;
    if (s.stirrupsNeeded)
        s.stirrups = RequiredStirrups(std::fabs(V) * 1000, concrete->ft, b, h0, rebar->fy) * 1000;
    s.ok = s.sectionOk;
    return s;
}

ReinforcementResult WithoutBasePressure(float h) {
    ReinforcementResult r;
    r.h = h;
    r.loadsKnown = false;
    return r;
}

ReinforcementResult DesignReinforcement(const CRetainingWall& wall, SectionKind kind, float h, float M,
                                        float Mk, float bf, float hf, MinimumSteel rule) {
    ReinforcementResult r;
    r.kind = kind;
    r.h = h;
    r.M = M;
    r.Mk = Mk;
    r.bf = bf;
    r.hf = hf;
    r.crackLimit = wall.m_fCrackLimit;

    std::optional<ConcreteStrength> concrete = ConcreteOfGrade(wall.m_nConcreteGrade);
    std::optional<RebarStrength> rebar = RebarOfGrade(wall.m_nRebarGrade);
    if (!concrete || !rebar) {
        r.gradesKnown = false;
        return r;
    }

    // Inside: mm, N, N/mm², N·mm.
    const float c = wall.m_fCover;
    const float deq = wall.m_fBarDiameter;
    const float hMm = h * 1000, bfMm = bf * 1000, hfMm = hf * 1000;
    const float as = BarCentroidDepth(c, deq);
    const float h0 = hMm - as;
    const float b = kind == SectionKind::kStrip ? kStripWidth : wall.m_fCfThickness * 1000;
    r.h0 = h0;

    // A section with no depth beyond the bars, or a web of no width, cannot be designed; letting it
    // through would give a negative minimum area and an endless crack loop.
    if (!(h0 > 0) || !(b > 0)) return r;

    float As = RequiredArea(kind, M * 1e6f, concrete->fc, rebar->fy, b, hMm, h0, bfMm, hfMm);
    if (!std::isfinite(As) || As < 0) return r;
    r.designed = true;
    r.designArea = As;
    // GB 50010-2010 §8.5.1: the ratio on the whole depth b·h (a T-section's compression flange aside).
    r.ratio = RatioPercent(As, b, hMm);
    r.minimumPercent = MinimumRatioPercent(wall, rule);
    r.minimumArea = r.minimumPercent / 100 * b * hMm;
    if (As < r.minimumArea) {
        r.minimumRatio = true;
        As = r.minimumArea;
    }

    // Crack width under Mk, raising the area by 5 % until it is acceptable. No tension under the
    // characteristic moment means no crack.
    const float MkN = Mk * 1e6f;
    const float depth = h0 + as;
    const float wholeSection = b * depth + (bfMm - b) * hfMm;
    float omega = 0;
    if (MkN > 0 || std::isnan(MkN)) {
        for (;;) {
            float rhoTe = EffectiveTensionRatio(As, b, depth, bfMm, hfMm);
            float sigmaS = CrackSteelStress(MkN, As, h0);
            float psi = StrainNonUniformity(concrete->ftk, rhoTe, sigmaS);
            omega = MaxCrackWidth(psi, sigmaS, rebar->Es, c, deq, rhoTe);
            if (!(omega > r.crackLimit)) break;
            // The whole concrete section as steel is the end of the road.
            if (!(As < wholeSection) || r.passes >= kMaxPasses) break;
            As *= kAreaGrowth;
            ++r.passes;
        }
    }
    r.crackLimitMet = omega <= r.crackLimit;
    if (omega < 0) omega = 0;
    r.area = As;
    r.crackWidth = omega;
    return r;
}

}  // namespace wall
