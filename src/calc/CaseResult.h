// The outcome of calculating one case: the reasons it was refused, or the analysis of its wall type.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/GravityWallAnalysis.h"
#include "analysis/OverallStability.h"
#include "analysis/SeismicAngles.h"
#include "analysis/ShelfWallAnalysis.h"
#include "analysis/ValidateCase.h"
#include "case/WallCase.h"
#include "rcdesign/CantileverDesign.h"
#include "rcdesign/CounterfortDesign.h"
#include "rcdesign/SeismicSections.h"

namespace wall {

// The analysis of one wall type: exactly one of the results is present once it ran.
struct WallResults {
    std::optional<GravityWallResult> gravity;      // types 0 and 1
    std::optional<ShelfWallResult> shelf;          // type 2
    std::optional<CantileverResult> cantilever;    // type 3
    std::optional<CounterfortResult> counterfort;  // type 4

    // The whole wall's overturning, sliding and base checks, whichever type ran (nullptr before).
    const StabilityResult* Stability() const;
};

// The seismic combination, computed beside the static one: the same analysis with the seismic-angle
// thrust, the inertia of the wall and of the soil it carries, the seismic required factors and the
// seismic bearing value faE = ζa·fa.
struct SeismicResult : WallResults {
    SeismicAngles angles;     // θ and θw (degrees) and where they come from
    float acceleration = 0;   // A/g
    float importance = 1;     // Ci
    float cz = 0.25f;         // Cz
    float inertiaFactor = 0;  // Ci·Cz·A/g
    float zetaA = 1;          // ζa
    float fa = 0, faE = 0;    // kPa; 0 where the case gives no fa
    // Why the seismic analysis could not be made (e.g. ground steeper than φ − θ); its checks then fail.
    std::string refusal;
    OverallResult overall;  // the overall slip with kh on each slice
    // A reinforced-concrete wall's sections: each designed for the larger of its static moment and
    // γRE times its seismic one.
    std::vector<SeismicSection> sections;
};

// Either `findings` or `analysisRefusal` says why the case was refused, or exactly one of the
// results is present and complete. Nothing here changes after CalculateCase returns.
struct CaseResult : WallResults {
    int wallType = kCounterfort;
    std::vector<Finding> findings;  // inputs refused before any analysis ran
    std::string analysisRefusal;    // a refusal of the analysis itself (no earth pressure found)
    // The case asks for the seismic check (an acceleration above intensity 6): its combination, present
    // once the static analysis was accepted.
    bool seismicAsked = false;
    std::optional<SeismicResult> seismic;
    OverallResult overall;  // the overall slip, checked where the foundation soil's strength is given

    bool Accepted() const { return findings.empty() && analysisRefusal.empty(); }
};

}  // namespace wall
