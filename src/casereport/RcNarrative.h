// Report text of the reinforced-concrete walls' shared steps: reinforcement and base slab.
#pragma once

#include "rcdesign/BaseSlab.h"
#include "rcdesign/ReinforcementDesign.h"
#include "report/ReportWriter.h"

namespace wall {

// The result lines of one designed section: the minimum-ratio lines when they apply, then the area
// and the crack width; or the one sentence saying why the section could not be designed.
void WriteReinforcementResult(ReportWriter& w, const ReinforcementResult& r);

// The materials every section of a wall shares: fc, ft, ftk, fy, Es, α1 and ξb.
void WriteMaterials(ReportWriter& w, const ReinforcementResult& r);

// The shear check of a section, where one is defined: the slab's V against 0.7·βh·ft·b·h0, or the
// counterfort's V against the section's limit, with the stirrups it needs.
void WriteShearResult(ReportWriter& w, const ShearResult& s);

// "2）底板截面强度验算": the base pressures of the design and the standard combination.
void WriteBaseSlabReport(ReportWriter& w, const BaseSlabResult& s);

}  // namespace wall
