// The result an equation field shows before the word processor recomputes it.
#pragma once

#include <optional>
#include <vector>

#include "report/Document.h"

namespace wall {

// Numerator and denominator runs of a fraction field "EQ \F(a,b)", formatting kept.
struct FractionParts {
    std::vector<CodeRun> numerator;
    std::vector<CodeRun> denominator;
};

// The parts of a field whose code is one fraction (the comma and brackets at the outer level);
// nothing for any other code.
std::optional<FractionParts> SplitFraction(const Field& field);

// The cached result: (a)/(b) for a fraction, formatting kept; the code itself otherwise.
std::vector<CodeRun> FieldResultRuns(const Field& field);

}  // namespace wall
