// Flexural tension reinforcement of one wall section and its crack-width check (GB 50010-2010).
#include "rcdesign/ReinforcementDesign.h"

#include <algorithm>
#include <array>
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

struct Flexure {
    float area = 0;
    bool inFlange = false;
    float alphaS = 0, xi = 0;
};

// Flexures already found, by bar centroid depth.
struct FlexureCache {
    std::array<float, 24> key{};
    std::array<Flexure, 24> value{};
    std::size_t n = 0;
};

template <class Compute>
const Flexure& FlexureAtCentroid(FlexureCache& cache, float as, Compute compute) {
    for (std::size_t i = 0; i < cache.n; ++i)
        if (cache.key[i] == as) return cache.value[i];
    const std::size_t i = cache.n < cache.key.size() ? cache.n++ : cache.key.size() - 1;
    cache.key[i] = as;
    cache.value[i] = compute();
    return cache.value[i];
}

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

namespace {

// The counterfort as a beam: its web b (the rib's thickness) and effective depth h0, the section's
// limit and the concrete's share by the given rules (N, from βc, fc, ft, b, h0), the stirrups beyond.
template <class Limit, class ConcreteShare>
ShearResult CheckRibShear(const CRetainingWall& wall, float h, float V, Limit limit, ConcreteShare share) {
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
    s.limit = limit(ConcreteStrengthFactor(fcuk), concrete->fc, b, h0) / 1000;
    s.Vc = share(concrete->ft, b, h0) / 1000;
    s.sectionOk = std::isfinite(V) && std::fabs(V) <= s.limit * (1 + 1e-6f);
    s.stirrupsNeeded = std::fabs(V) > s.Vc;
    if (s.stirrupsNeeded)
        s.stirrups = StirrupsBeyond(std::fabs(V) * 1000, s.Vc * 1000, concrete->ft, b, h0, rebar->fy) * 1000;
    s.ok = s.sectionOk;
    return s;
}

}  // namespace

ShearResult CheckBeamShear(const CRetainingWall& wall, float h, float hf, float V) {
    return CheckRibShear(
        wall, h, V,
        [hf](float betaC, float fc, float b, float h0) {
            return SectionShearLimit(betaC, fc, b, h0, h0 - hf * 1000);
        },
        BeamConcreteShear);
}

ShearResult CheckSeismicBeamShear(const CRetainingWall& wall, float h, float spanRatio, float V) {
    return CheckRibShear(
        wall, h, V,
        [spanRatio](float betaC, float fc, float b, float h0) {
            return SeismicSectionShearLimit(betaC, fc, b, h0, spanRatio);
        },
        SeismicBeamConcreteShear);
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
    const StressBlock block = StressBlockOf(wall.m_nConcreteGrade, *rebar);
    r.fc = concrete->fc;
    r.ft = concrete->ft;
    r.ftk = concrete->ftk;
    r.fy = rebar->fy;
    r.Es = rebar->Es;
    r.alpha1 = block.alpha1;
    r.xiB = block.xiB;
    // The block's α1·fc stands for fc in every formula of the section.
    const float fc = block.alpha1 * concrete->fc;

    // Inside: mm, N, N/mm², N·mm.
    const float c = wall.m_fCover;
    const float deq = wall.m_fBarDiameter;
    const float hMm = h * 1000, bfMm = bf * 1000, hfMm = hf * 1000;
    const float as = BarCentroidDepth(c, deq);
    const float h0 = hMm - as;
    const float b = kind == SectionKind::kStrip ? kStripWidth : wall.m_fCfThickness * 1000;
    r.b = b;
    r.cover = c;
    r.as = as;
    r.h0 = h0;

    // A section with no depth beyond the bars, or a web of no width, cannot be designed; letting it
    // through would give a negative minimum area and an endless crack loop.
    if (!(h0 > 0) || !(b > 0)) return r;

    const float MN = M * 1e6f;
    // The flexural steel at an effective depth, with αs and ξ as the report prints them: over the
    // web less the flange's share, or over bf where the flange alone carries M.
    auto flexureAt = [&](float depth0) {
        Flexure f;
        f.area = RequiredArea(kind, MN, fc, rebar->fy, b, hMm, depth0, bfMm, hfMm);
        f.inFlange = kind == SectionKind::kTee && !(MN > FlangeCapacity(fc, bfMm, hfMm, depth0));
        const float share =
            kind == SectionKind::kTee && !f.inFlange ? fc * (bfMm - b) * hfMm * (depth0 - hfMm / 2) : 0;
        f.alphaS = (MN - share) / (fc * (f.inFlange ? bfMm : b) * depth0 * depth0);
        f.xi = 1 - std::sqrt(std::max(0.0f, 1 - 2 * f.alphaS));
        return f;
    };
    const Flexure flexure = flexureAt(h0);
    float As = flexure.area;
    if (!std::isfinite(As) || As < 0) return r;
    // A compression zone deeper than the balanced one crushes before the steel yields (§6.2.10).
    r.alphaS = flexure.alphaS;
    r.xi = flexure.xi;
    r.inFlange = flexure.inFlange;
    if (r.xi > r.xiB) {
        r.overReinforced = true;
        return r;
    }
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

    // Crack width under Mk at an area, effective depth and deq. No tension under the characteristic
    // moment means no crack.
    const float MkN = Mk * 1e6f;
    struct Crack {
        float sigmaS = 0, rhoTe = 0, psi = 0, omega = 0;
    };
    auto crackAt = [&](float area, float depth0, float d) {
        Crack k;
        if (!(MkN > 0 || std::isnan(MkN))) return k;
        // A counterfort's flange, the face panel, lies in the compression zone: Ate has no flange part
        // (GB 50010-2010 §7.1.2: bf and hf there are a tension flange's).
        k.rhoTe = EffectiveTensionRatio(area, b, hMm, b, 0);
        k.sigmaS = CrackSteelStress(MkN, area, depth0);
        k.psi = StrainNonUniformity(concrete->ftk, k.rhoTe, k.sigmaS);
        k.omega = MaxCrackWidth(k.psi, k.sigmaS, rebar->Es, c, d, k.rhoTe);
        return k;
    };

    // The required area: raised by 5 % until the crack width at the entered deq is acceptable.
    const float wholeSection = b * hMm + (bfMm - b) * hfMm;
    Crack crack = crackAt(As, h0, deq);
    while (crack.omega > r.crackLimit) {
        // The whole concrete section as steel is the end of the road.
        if (!(As < wholeSection) || r.passes >= kMaxPasses) break;
        As *= kAreaGrowth;
        ++r.passes;
        crack = crackAt(As, h0, deq);
    }
    r.area = As;
    r.crackLimitMet = crack.omega <= r.crackLimit;
    r.deq = deq;
    r.sigmaS = crack.sigmaS;
    r.rhoTe = crack.rhoTe;
    r.psi = crack.psi;
    r.crackWidth = r.areaCrackWidth = std::max(0.0f, crack.omega);
    if (!r.crackLimitMet) return r;

    // The bars: the smallest usual layout that provides the area, the area its own effective depth
    // needs and the crack limit at its own diameter.
    const std::span<const BarLayout> layouts =
        kind == SectionKind::kStrip ? SlabBarLayouts() : CountedBarLayouts(b, c);
    const float nu = rebar->fy < 300 ? 0.7f : 1.0f;  // plain HPB300 bars
    FlexureCache flexureCache;
    for (const BarLayout& l : layouts) {
        if (l.area < As) continue;
        // Two layers put the centroid between them, one bar and a spacing of 25 mm (§9.2.1) apart.
        const float barAs = c + (l.rows == 2 ? l.diameter + std::max(25.0f, l.diameter) / 2 : l.diameter / 2);
        const float barH0 = hMm - barAs;
        if (!(barH0 > 0)) continue;
        // The flexure depends on the centroid alone: a few diameters and layer counts among the layouts.
        const Flexure& f = FlexureAtCentroid(flexureCache, barAs, [&] { return flexureAt(barH0); });
        if (!(f.xi <= r.xiB) || !(l.area >= std::max(f.area, r.minimumArea))) continue;
        const float d = std::max(deq, l.diameter / nu);
        const Crack k = crackAt(l.area, barH0, d);
        if (!(k.omega <= r.crackLimit)) continue;
        r.bars = l;
        r.barAs = barAs;
        r.barH0 = barH0;
        r.barAlphaS = f.alphaS;
        r.barXi = f.xi;
        r.barDesignArea = f.area;
        r.deq = d;
        r.sigmaS = k.sigmaS;
        r.rhoTe = k.rhoTe;
        r.psi = k.psi;
        r.crackWidth = std::max(0.0f, k.omega);
        break;
    }
    if (!r.bars.found) return r;
    if (kind == SectionKind::kStrip) r.distribution = DistributionBars(r.bars.area, hMm, r.distributionArea);
    return r;
}

}  // namespace wall
