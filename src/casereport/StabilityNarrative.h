// Report sections 3 to 5: overturning, sliding and the foundation.
#pragma once

#include "analysis/Stability.h"
#include "report/ReportWriter.h"

namespace wall {

// Writes "3、抗倾覆稳定验算", "4、抗滑移稳定验算" and "5、地基验算" from a computed stability result: each
// factor and pressure as its formula with exactly the actions computed, the same formula with the printed
// values, and the result.
void WriteStabilityReport(ReportWriter& w, const StabilityResult& s);

}  // namespace wall
