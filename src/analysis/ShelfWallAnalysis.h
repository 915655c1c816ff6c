// The computation of a shelf wall's analysis, step by step.
#pragma once

#include "analysis/KernelBlock.h"
#include "analysis/ShelfPressure.h"
#include "analysis/Stability.h"
#include "analysis/ToeCheck.h"
#include "analysis/WallSection.h"
#include "analysis/WaterActions.h"
#include "case/WallCase.h"

namespace wall {

// Every value the shelf-wall report prints, in its order.
struct ShelfWallResult {
    float W = 0, Zw = 0;           // 1、挡土墙自重计算
    ShelfPressureResult pressure;  // 2、土压力计算, (1) and (2)
    WaterResult water;             // on both backs, in front and under the base
    StabilityResult stability;     // 3 to 5
    SectionResult section;         // 6、墙身应力验算, at the platform
    PlatformResult platform;       // the platform's overhang, in section 6
};

// Runs the analysis of wall type 2 on the block, whose outline must already be built for the
// case. The earth pressure is Coulomb's whatever theory the case names.
ShelfWallResult ShelfWallAnalysis(const WallCase& c, KernelBlock& kb);

}  // namespace wall
