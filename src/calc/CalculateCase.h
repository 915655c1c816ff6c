// The one entry from a case to its results, used by every front end.
#pragma once

#include <string>

#include "calc/CaseResult.h"

namespace wall {

// Validates the case and, when it is accepted, runs the analysis of its wall type (reinforcement
// design included) on a fresh analysis state. Never writes anything.
CaseResult CalculateCase(const WallCase& c);

// "无法计算：" followed by every reason, one per line; empty for an accepted case.
std::string RefusalText(const CaseResult& r);

}  // namespace wall
