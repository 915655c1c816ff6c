// Cases built for the analysis tests: simple walls whose results can be worked out by hand.
#pragma once

#include <cmath>

#include "analysis/KernelBlock.h"
#include "analysis/LoadKernelBlock.h"
#include "analysis/geometry/WallOutline.h"
#include "case/CaseDefaults.h"
#include "case/WallCase.h"

namespace wall::test {

constexpr double kPi = 3.14159265358979323846;
inline double Deg(double d) {
    return d * kPi / 180;
}

// A gravity wall of width B and height H with vertical faces, level base, no toe, no heel.
inline WallCase RectangularWall(float B, float H, float unitWeight = 24) {
    WallCase c = DefaultCase(kGravity);
    c.wall.m_fTopWidth = B;
    c.wall.m_fHeight = H;
    c.wall.m_fFrontSlope = 0;
    c.wall.m_fBackSlope = 0;
    c.wall.m_fBaseSlope = 0;
    c.wall.m_fUnitWeight = unitWeight;
    c.wall.m_fWallFriction = 0;
    return c;
}

// First soil layer: unit weight, cohesion, friction angle in degrees.
inline void SetSoil(WallCase& c, float gamma, float cohesion, float phiDeg) {
    c.soil.m_afLayer[0][kLayerUnitWeight] = gamma;
    c.soil.m_afLayer[0][kLayerCohesion] = cohesion;
    c.soil.m_afLayer[0][kLayerFriction] = phiDeg;
}

// Slope segment i of the given run at the given elevation angle; the angle column holds the
// angle itself so that the value read is exactly the one intended.
inline void SetSegment(WallCase& c, int i, float run, float angleDeg) {
    float* row = c.soil.m_afSlope[i];
    row[kSlopeRun] = run;
    row[kSlopeRise] = static_cast<float>(run * std::tan(Deg(angleDeg)));
    row[kSlopeLength] = std::sqrt(row[kSlopeRun] * row[kSlopeRun] + row[kSlopeRise] * row[kSlopeRise]);
    row[kSlopeAngle] = angleDeg;
}

// Ground of one or two segments, all at the given angle, with no surcharge.
inline void SetGround(WallCase& c, int segments, float angleDeg, float run = 5) {
    c.soil.m_nSlopeSegs = segments;
    c.soil.m_nSlopeRows = segments + 1;
    for (int i = 0; i < segments; ++i) SetSegment(c, i, run, angleDeg);
    c.soil.m_fLoadPressure = 0;
    c.soil.m_fLoadWidth = 0;
    c.soil.m_fLoadOffset = 0;
}

inline void SetLoad(WallCase& c, float q, float width, float offset) {
    c.soil.m_fLoadPressure = q;
    c.soil.m_fLoadWidth = width;
    c.soil.m_fLoadOffset = offset;
}

// The block as an analysis finds it: outline built, inputs loaded.
inline KernelBlock LoadedBlock(const WallCase& c) {
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    LoadKernelBlock(c, kb);
    return kb;
}

}  // namespace wall::test
