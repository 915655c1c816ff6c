// The computation of a gravity or semi-gravity wall's analysis, step by step.
#pragma once

#include "analysis/CoulombPressure.h"
#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "analysis/RankinePressure.h"
#include "analysis/Stability.h"
#include "analysis/ToeCheck.h"
#include "analysis/WallSection.h"
#include "analysis/WaterActions.h"
#include "case/WallCase.h"

namespace wall {

// The earth-pressure result lines of section 2, in their order.
struct PressureLines {
    float E = 0;  // √(Ex² + Ey²)
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
};

// Every value the gravity-wall report prints, in its order. When status is not kOk the case is
// refused and only the values before the failing step are meaningful.
struct GravityWallResult {
    PressureStatus status = PressureStatus::kOk;
    int theory = kCoulomb;  // kCoulomb or kRankine, as the heading and the drawing name say
    float W = 0, Zw = 0;    // 1、挡土墙自重计算
    CoulombResult coulomb;  // the computation of the theory used
    RankineResult rankine;
    PressureLines pressure;     // 2、土压力计算
    WaterResult water;          // the water's actions, where there is water
    StabilityResult stability;  // 3 to 5
    SectionResult section;      // 6、墙身应力验算
    ToeResult toe;              // a semi-gravity wall's toe, in section 6
};

// Runs the analysis of wall types 0 and 1 on the block, whose outline must already be built for
// the case: load, weight, earth pressure by the case's theory, stability, then the wall-body
// section, which overwrites the whole-wall outline, H, W, Zw and pressure in the block.
GravityWallResult GravityWallAnalysis(const WallCase& c, KernelBlock& kb);

}  // namespace wall
