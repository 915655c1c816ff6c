// The analysis sequence of a case's wall type on a block.
#pragma once

#include <string>

#include "analysis/KernelBlock.h"
#include "calc/CaseResult.h"

namespace wall {

// Runs the analysis of the case's wall type on the block (its outline built here; the block's seismic
// fields kept) into `out`, and returns why it was refused, empty when it was not.
std::string AnalyseWall(const WallCase& c, KernelBlock& kb, WallResults& out);

}  // namespace wall
