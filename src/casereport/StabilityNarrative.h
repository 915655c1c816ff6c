// Report sections 3 to 5: overturning, sliding and the foundation.
#pragma once

#include "analysis/Stability.h"
#include "report/ReportWriter.h"

namespace wall {

// The headings of the three checks; under an earthquake the bearing value is faE = ζa·fa.
struct StabilityHeadings {
    const char* overturning = "3、抗倾覆稳定验算";
    const char* sliding = "\n4、抗滑移稳定验算";
    const char* foundation = "\n5、地基验算";
    bool seismic = false;
};

// Writes the overturning, sliding and foundation checks from a computed stability result under their
// headings: each factor and pressure as its formula with exactly the actions computed, the same formula
// with the printed values, and the result.
void WriteStabilityReport(ReportWriter& w, const StabilityResult& s, const StabilityHeadings& h = {});

}  // namespace wall
