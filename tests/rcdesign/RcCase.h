// Small reinforced-concrete wall cases with their outlines written out by hand, for the design tests.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/CaseDefaults.h"
#include "case/WallCase.h"

namespace wall::test {

// Vertical stem 0.5 m thick and 5 m high, toe 1 m, heel 2.5 m, slabs 0.5 m: base width B = 4 m.
// Level ground, no cohesion, φ = 30°, γ = 18, concrete 24 kN/m³, Rankine, no surcharge.
inline WallCase SmallWall(int type) {
    WallCase c = DefaultCase(type);
    CRetainingWall& w = c.wall;
    w.m_fHeight = 5;
    w.m_fTopWidth = 0.5f;
    w.m_fToeWidth = 1;
    w.m_fToeHeight = 0.5f;
    w.m_fHeelWidth = 2.5f;
    w.m_fHeelHeight = 0.5f;
    w.m_fBackSlope = 0;
    w.m_fWallFriction = 0;
    w.m_fUnitWeight = 24;
    w.m_fCfThickness = 0.2f;
    w.m_fCfSpacing = 3;
    CSoil& s = c.soil;
    s.m_nTheory = kRankine;
    s.m_fLoadPressure = 0;
    s.m_fLoadWidth = 0;
    s.m_fLoadOffset = 0;
    s.m_afSlope[0][kSlopeRun] = 5;
    s.m_afSlope[0][kSlopeRise] = 0;
    UpdateSlopeRow(s.m_afSlope[0]);
    s.m_afLayer[0][kLayerUnitWeight] = 18;
    s.m_afLayer[0][kLayerCohesion] = 0;
    s.m_afLayer[0][kLayerFriction] = 30;
    return c;
}

// The outline of a cantilever or counterfort wall: vertical front face, back face of batter mb
// (0 for a counterfort), toe of thickness H1, heel of thickness H2 at its end.
inline void PutOutline(const WallCase& c, KernelBlock& kb) {
    const CRetainingWall& w = c.wall;
    const float B = w.m_fTopWidth, H = w.m_fHeight, B1 = w.m_fToeWidth, H1 = w.m_fToeHeight;
    const float B2 = w.m_fHeelWidth, H2 = w.m_fHeelHeight;
    const float mb = c.wallType == kCounterfort ? 0 : w.m_fBackSlope;
    const float x7 = mb * (H - H1);
    const float x[8] = {0, -B, -B, -B - B1, -B - B1, x7 + B2, x7 + B2, x7};
    const float y[8] = {0, 0, H1 - H, H1 - H, -H, H1 - H - H2, H1 - H, H1 - H};
    for (int i = 0; i < 8; ++i) {
        kb.outline.x[i] = x[i];
        kb.outline.y[i] = y[i];
    }
}

}  // namespace wall::test
