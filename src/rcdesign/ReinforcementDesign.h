// Flexural tension reinforcement of one wall section and its crack-width check (GB 50010-2010).
#pragma once

#include <string_view>

#include "case/WallCase.h"

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
constexpr std::string_view kUnknownGradeText = "混凝土或钢筋等级不在可选范围内，无法进行配筋计算！\n";
constexpr std::string_view kNoBasePressureText =
    "\t基底合力作用点位于基底以外，求不出基底压力，本截面无法进行配筋计算！\n";

// Minimum reinforcement ratio used for every section, percent.
constexpr float kMinimumRatioPercent = 0.15f;

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
    float h0 = 0;          // effective depth
    float designArea = 0;  // As for M alone
    // ρ below the minimum: the minimum-ratio lines print ratio and the area becomes 0.0015·b·h0.
    bool minimumRatio = false;
    float ratio = 0;       // ρ of the design area, percent
    float area = 0;        // As printed: design or minimum area × 1.05^passes
    int passes = 0;        // raises of the area by 5 % for the crack width
    float crackWidth = 0;  // ωmax at the printed area, never below 0
    float crackLimit = 0;  // ωlim
    // False when the area grew to the whole concrete section without meeting ωlim: the report says
    // the crack limit cannot be met with this section instead of printing area and width.
    bool crackLimitMet = false;
};

// One call of the design in a wall's sequence, under a short stable name ("stem", "toe", ...).
struct DesignedSection {
    std::string_view name;
    ReinforcementResult result;
};

// A base-slab section whose moments are not defined: the base resultant lies outside the base.
ReinforcementResult WithoutBasePressure(float h);

// Designs the section with the cover, bar diameter, crack limit, grades and (for kTee) counterfort
// thickness of the wall record. h, bf, hf in m; M, Mk in kN·m (per metre run for a strip).
ReinforcementResult DesignReinforcement(const CRetainingWall& wall, SectionKind kind, float h, float M,
                                        float Mk, float bf = 0, float hf = 0);

}  // namespace wall
