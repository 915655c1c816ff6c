// Per-type defaults of the wall record and the defaults of the soil page.
#include "case/CaseDefaults.h"

namespace wall {

CRetainingWall DefaultWall(int wallType) {
    CRetainingWall w;
    switch (wallType) {
        case kGravity:
            w.m_fTopWidth = 2;
            w.m_fAllowCompress = 1000;
            w.m_fWallFriction = 15;
            w.m_fBackSlope = 0.25f;
            w.m_fBaseSlope = 0.25f;
            w.m_fFrontSlope = 0.25f;
            w.m_fHeight = 10;
            w.m_fUnitWeight = 24;
            w.m_fAllowShear = 1000;
            w.m_fBaseFriction = 0.6f;
            break;
        case kSemiGravity:
            w.m_fToeWidth = 2.5f;
            w.m_fToeHeight = 0.4f;
            w.m_fHeelHeight = 0.6f;
            w.m_fTopWidth = 0.7f;
            w.m_fAllowCompress = 1000;
            w.m_fWallFriction = 15;
            w.m_fBackSlope = 0.25f;
            w.m_fFrontSlope = 0.25f;
            w.m_fHeight = 8;
            w.m_fUnitWeight = 24;
            w.m_fAllowShear = 1000;
            w.m_fBaseFriction = 0.6f;
            break;
        case kShelf:
            w.m_fToeWidth = 0.35f;
            w.m_fHeelWidth = 1.27f;
            w.m_fToeHeight = 0.7f;
            w.m_fHeelHeight = 3.18f;
            w.m_fTopWidth = 0.8f;
            w.m_fAllowCompress = 1000;
            w.m_fWallFriction = 15;
            w.m_fBackSlope = 0.31f;
            w.m_fBaseSlope = 0.1f;
            w.m_fFrontSlope = 0.05f;
            w.m_fHeight = 7;
            w.m_fUnitWeight = 24;
            w.m_fAllowShear = 1000;
            w.m_fBaseFriction = 0.6f;
            w.m_fLowerBackSlope = -0.25f;
            break;
        case kCantilever:
            w.m_fToeWidth = 1.5f;
            w.m_fHeelWidth = 2.7f;
            w.m_fToeHeight = 0.6f;
            w.m_fHeelHeight = 0.6f;
            w.m_fTopWidth = 0.35f;
            w.m_fWallFriction = 0;
            w.m_fBackSlope = 0;
            w.m_fHeight = 7;
            w.m_fUnitWeight = 24;
            w.m_fBaseFriction = 0.45f;
            w.m_nRebarGrade = 1;
            w.m_nConcreteGrade = 2;
            w.m_fBarDiameter = 10;
            w.m_fCover = 20;
            w.m_fCrackLimit = 0.2f;
            break;
        case kCounterfort:
            w.m_fToeWidth = 1.5f;
            w.m_fHeelWidth = 2.7f;
            w.m_fToeHeight = 0.6f;
            w.m_fHeelHeight = 0.6f;
            w.m_fTopWidth = 0.3f;
            w.m_fWallFriction = 10;
            w.m_fHeight = 8;
            w.m_fUnitWeight = 24;
            w.m_fBaseFriction = 0.6f;
            w.m_fCfThickness = 0.2f;
            w.m_fCfSpacing = 3;
            w.m_nRebarGrade = 1;
            w.m_nConcreteGrade = 1;
            w.m_fBarDiameter = 10;
            w.m_fCover = 20;
            w.m_fCrackLimit = 0.2f;
            break;
        default:
            break;
    }
    return w;
}

CSoil DefaultSoil() {
    CSoil s;
    s.m_nSlopeCols = 5;
    s.m_nLayerCols = 4;
    s.m_fLoadOffset = 0;
    s.m_fLoadPressure = 10;
    s.m_fLoadWidth = 4;
    s.m_nTheory = kRankine;
    s.m_nSlopeSegs = 1;
    s.m_nSlopeLabels = 50;
    s.m_nLayerLabels = 50;
    s.m_nSlopeRows = 2;
    for (int r = 0; r < 2; ++r) {
        s.m_afSlope[r][kSlopeRun] = 5;
        s.m_afSlope[r][kSlopeRise] = 1;
        UpdateSlopeRow(s.m_afSlope[r]);
    }
    for (int r = 0; r < 49; ++r) {
        s.m_afLayer[r][kLayerUnitWeight] = 17;
        s.m_afLayer[r][kLayerCohesion] = 0;
        s.m_afLayer[r][kLayerFriction] = 30;
    }
    return s;
}

WallCase DefaultCase(int wallType) {
    WallCase c;
    c.wallType = wallType;
    c.wall = DefaultWall(wallType);
    c.soil = DefaultSoil();
    return c;
}

}  // namespace wall
