// The outcome of calculating one case: the reasons it was refused, or the analysis of its wall type.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/GravityWallAnalysis.h"
#include "analysis/ShelfWallAnalysis.h"
#include "analysis/ValidateCase.h"
#include "case/WallCase.h"
#include "rcdesign/CantileverDesign.h"
#include "rcdesign/CounterfortDesign.h"

namespace wall {

// Either `findings` or `analysisRefusal` says why the case was refused, or exactly one of the
// results is present and complete. Nothing here changes after CalculateCase returns.
struct CaseResult {
    int wallType = kCounterfort;
    std::vector<Finding> findings;               // inputs refused before any analysis ran
    std::string analysisRefusal;                 // a refusal of the analysis itself (no earth pressure found)
    std::optional<GravityWallResult> gravity;    // types 0 and 1
    std::optional<ShelfWallResult> shelf;        // type 2
    std::optional<CantileverResult> cantilever;  // type 3
    std::optional<CounterfortResult> counterfort;  // type 4
    // The case asks for the seismic check (an acceleration above intensity 6), which this version
    // does not compute yet: the verdict names it as not checked.
    bool seismicAsked = false;

    bool Accepted() const { return findings.empty() && analysisRefusal.empty(); }
};

}  // namespace wall
