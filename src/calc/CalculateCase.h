// The one entry from a case to its results, used by every front end.
#pragma once

#include <string>

#include "calc/CaseResult.h"

namespace wall {

// What a calculation may leave out: the overall slip's circle search, the slowest step, which a caller
// trying many walls runs only on the one that passes everything else (AddOverall).
struct CalculateOptions {
    bool overall = true;
};

// Validates the case and, when it is accepted, runs the analysis of its wall type (reinforcement
// design included) on a fresh analysis state. Never writes anything.
CaseResult CalculateCase(const WallCase& c, const CalculateOptions& options = {});

// Adds the overall slip (static and seismic) to a result calculated without it.
void AddOverall(const WallCase& c, CaseResult& r);

// "无法计算：" followed by every reason, one per line; empty for an accepted case.
std::string RefusalText(const CaseResult& r);

}  // namespace wall
