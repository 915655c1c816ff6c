// Flexural tension reinforcement of one wall section and its crack-width check (GB 50010-2010).
#pragma once

#include <string_view>

#include "case/WallCase.h"
#include "rcdesign/BarChoice.h"

namespace wall {

// A rectangular strip 1000 mm wide (stem, panels, slabs) or the counterfort's T-section, whose web
// width is the counterfort thickness.
enum class SectionKind : int { kStrip = 0, kTee = 1 };

// What the report prints in place of a section's result lines: the section cannot take its moment;
// the crack limit is out of reach even with the whole section as steel; a grade index outside the lists.
constexpr std::string_view kNotDesignableText =
    "混凝土强度不满足强度要求或墙体尺寸不满足构造要求，无法进行配筋计算！\n";
constexpr std::string_view kCrackLimitNotMetText =
    "\t钢筋面积增至整个混凝土截面仍不能满足裂缝控制宽度要求，本截面无法满足裂缝控制要求！\n";
constexpr std::string_view kOverReinforcedText =
    "\t相对受压区高度ξ超过界限值WriteSubScript(ξ,b)，截面超筋，应加大截面或提高混凝土强度等级！\n";
constexpr std::string_view kNoBarsText = "\t所需钢筋超过双排Φ32@100，应加大截面！\n";
constexpr std::string_view kNoTeeBarsText =
    "\t扶壁腹板内两排钢筋（直径16至32 mm、净距不小于25 "
    "mm和钢筋直径）仍不能满足配筋和裂缝要求，应加厚扶壁！\n";
constexpr std::string_view kUnknownGradeText = "混凝土或钢筋等级不在可选范围内，无法进行配筋计算！\n";
constexpr std::string_view kNoBasePressureText =
    "\t基底合力作用点位于基底以外，求不出基底压力，本截面无法进行配筋计算！\n";

// Which minimum of GB 50010-2010 §8.5.1 a section takes: a cantilever slab (stem, toe, heel) or a beam
// (counterfort) max(0.20 %, 45·ft/fy %) of b·h; a slab supported on its edges (face panel, heel between
// counterforts) may take 0.15 % in place of 0.20 % with 400 and 500 MPa bars.
enum class MinimumSteel { kCantileverSlab, kSupportedSlab, kBeam };

// The minimum ratio of a section, percent of b·h, for the wall's grades (GB 50010-2010 §8.5.1).
float MinimumRatioPercent(const CRetainingWall& wall, MinimumSteel rule);

// One designed section: the call as given and the values its report lines print, in order.
// Lengths of the call in m and moments in kN·m; everything else in mm, mm², percent.
struct ReinforcementResult {
    SectionKind kind = SectionKind::kStrip;
    float h = 0;   // section depth
    float M = 0;   // design moment
    float Mk = 0;  // characteristic moment
    float bf = 0;  // flange width (T-section)
    float hf = 0;  // flange thickness (T-section)

    // False when the section's moments could not be found (a base slab without base pressures);
    // nothing else is then computed.
    bool loadsKnown = true;
    // False when a grade index lies outside the lists; nothing else is then computed.
    bool gradesKnown = true;
    // False: the concrete or the section cannot take M (negative or undefined area, or no effective
    // depth); the report prints its one-sentence message instead of the lines below.
    bool designed = false;
    // The materials (N/mm²) and the section (mm) the lines print.
    float fc = 0, ft = 0, ftk = 0, fy = 0, Es = 0;
    float alpha1 = 1;  // GB 50010-2010 §6.2.6
    float xiB = 0;     // ξb, §6.2.7
    float b = 0;       // strip width or web width
    float cover = 0;   // c, the crack width's cs
    float as = 0;      // c + deq/2
    float h0 = 0;      // effective depth
    // Of M: αs = M/(α1·fc·b·h0²) (a T-section's flange share taken off first, or over bf when the
    // neutral axis lies in the flange) and ξ = 1 − √(1 − 2αs).
    bool inFlange = false;  // T-section: the flange alone carries M
    float alphaS = 0, xi = 0;
    bool overReinforced = false;  // ξ > ξb: not designed
    float designArea = 0;         // As for M alone
    // ρ below the minimum: the minimum-ratio lines print ratio and the area becomes ρmin·b·h.
    bool minimumRatio = false;
    float ratio = 0;           // ρ of the design area, percent of b·h
    float minimumPercent = 0;  // ρmin of GB 50010-2010 §8.5.1, percent of b·h
    float minimumArea = 0;     // ρmin·b·h, mm²
    float area = 0;            // As required: design or minimum area × 1.05^passes
    int passes = 0;            // raises of the area by 5 % for the crack width (at the entered deq)
    float areaCrackWidth = 0;  // ωmax at `area` and the entered deq, never below 0
    float crackLimit = 0;      // ωlim
    // The bars chosen: the smallest usual layout providing `area`, and the area its own diameter's
    // effective depth needs, with a crack width within ωlim at its diameter (deq = d/ν, ν = 0.7 for
    // plain bars, GB 50010-2010 Table 7.1.2-2, never below the entered deq). Not found: the section
    // needs more than two layers of Φ32@100 and fails.
    BarLayout bars;
    // The flexure again at the chosen bars' own centroid: as, h0, αs, ξ and As for M.
    float barAs = 0, barH0 = 0, barAlphaS = 0, barXi = 0, barDesignArea = 0;
    float deq = 0;         // of the crack width
    float sigmaS = 0;      // σs = Mk/(0.87·h0·As), §7.1.4
    float rhoTe = 0;       // ρte = As/Ate, §7.1.2
    float psi = 0;         // ψ = 1.1 − 0.65·ftk/(ρte·σs), §7.1.2
    float crackWidth = 0;  // ωmax at the chosen bars (at the required area without them), never below 0
    // Distribution steel of a slab across its main bars (GB 50010-2010 §9.1.7); none for a T-section.
    float distributionArea = 0;
    BarLayout distribution;
    // False when the area grew to the whole concrete section without meeting ωlim, or no usual bars
    // meet it: the report says the crack limit cannot be met with this section.
    bool crackLimitMet = false;
};

// The shear check of one section (GB 50010-2010 §6.3): a slab without stirrups (§6.3.3) or the
// counterfort as a beam (§6.3.1 section size, §6.3.4 stirrups). kN (per metre for a slab), mm²/m.
struct ShearResult {
    bool checked = false;  // a shear is defined at this section
    bool beam = false;
    float V = 0;            // design shear
    float Vc = 0;           // slab: 0.7·βh·ft·b·h0; beam: 0.7·ft·b·h0
    float betaH = 1;        // slab: (800/h0)^(1/4)
    float limit = 0;        // beam: 0.25 (0.2)·βc·fc·b·h0
    bool sectionOk = true;  // beam: V within the limit
    bool stirrupsNeeded = false;
    float stirrups = 0;   // beam: Asv/s, mm²/m, at least the minimum ratio when stirrups are needed
    bool ok = false;      // slab: V ≤ Vc; beam: the section's size suffices (stirrups carry the rest)
    int combination = 0;  // the basic combination that gives V
};

// One call of the design in a wall's sequence, under a short stable name ("stem", "toe", ...).
struct DesignedSection {
    std::string_view name;
    ReinforcementResult result;
    ShearResult shear = {};
};

// A slab strip 1000 mm wide of depth h (m) under the design shear V (kN/m), without stirrups.
ShearResult CheckSlabShear(const CRetainingWall& wall, float h, float V);

// The counterfort, web width b (its thickness) and depth h (m), under V (kN): the section's limit and
// the stirrups beyond the concrete's share.
ShearResult CheckBeamShear(const CRetainingWall& wall, float h, float hf, float V);

// The counterfort under the seismic combination, V already multiplied by γRE (GB 50010-2010 §11.3.3,
// §11.3.4 read for a cantilever rib: the section limit by its span-to-depth ratio, the concrete's share
// 0.42·ft·b·h0).
ShearResult CheckSeismicBeamShear(const CRetainingWall& wall, float h, float spanRatio, float V);

// A base-slab section whose moments are not defined: the base resultant lies outside the base.
ReinforcementResult WithoutBasePressure(float h);

// Designs the section with the cover, bar diameter, crack limit, grades and (for kTee) counterfort
// thickness of the wall record. h, bf, hf in m; M, Mk in kN·m (per metre run for a strip).
ReinforcementResult DesignReinforcement(const CRetainingWall& wall, SectionKind kind, float h, float M,
                                        float Mk, float bf = 0, float hf = 0,
                                        MinimumSteel rule = MinimumSteel::kCantileverSlab);

}  // namespace wall
