// The case records: wall type, wall geometry and materials, backfill, surcharge and soil.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace wall {

// Index of the wall type in the dialog's type list.
enum WallType : int32_t {
    kGravity = 0,
    kSemiGravity = 1,
    kShelf = 2,
    kCantilever = 3,
    kCounterfort = 4,
};
constexpr int kWallTypeCount = 5;

// The list entries of the wall types, in code order.
constexpr std::array<std::string_view, kWallTypeCount> kWallTypeNames = {
    "重力式挡土墙", "半重力式挡土墙", "衡重式挡土墙", "悬臂式挡土墙", "扶壁式挡土墙"};

// The wall types as the command line names them, in code order.
constexpr std::array<std::string_view, kWallTypeCount> kWallTypeKeys = {"gravity", "semi-gravity", "shelf",
                                                                        "cantilever", "counterfort"};

// Wall geometry and materials; 22 four-byte fields in this order. Lengths in m, batters as the m
// of 1:m (or m:1 for the base), angles in degrees, stresses in kPa, reinforcement data in mm.
struct CRetainingWall {
    float m_fToeWidth = 0;         // B1
    float m_fHeelWidth = 0;        // B2 (shelf: platform width)
    float m_fToeHeight = 0;        // H1
    float m_fHeelHeight = 0;       // H2 (shelf: upper wall height)
    float m_fTopWidth = 0;         // B
    float m_fAllowCompress = 0;    // allowable compressive stress of the masonry
    float m_fWallFriction = 0;     // δ, degrees
    float m_fBackSlope = 0;        // back-face batter (shelf: upper back face)
    float m_fBaseSlope = 0;        // reverse slope of the base
    float m_fFrontSlope = 0;       // front-face batter
    float m_fHeight = 0;           // H
    float m_fUnitWeight = 0;       // RW, kN/m3
    float m_fAllowShear = 0;       // allowable shear stress of the masonry
    float m_fBaseFriction = 0;     // μ
    float m_fCfThickness = 0;      // counterfort thickness b
    float m_fCfSpacing = 0;        // counterfort spacing l
    float m_fLowerBackSlope = 0;   // shelf wall: lower back-face batter
    int32_t m_nRebarGrade = 0;     // index into kRebarGrades
    int32_t m_nConcreteGrade = 0;  // index into kConcreteGrades
    float m_fBarDiameter = 0;      // equivalent bar diameter, mm
    float m_fCover = 0;            // concrete cover, mm
    float m_fCrackLimit = 0;       // limiting crack width, mm
};

constexpr int kSlopeRowsMax = 50;
constexpr int kSlopeColumns = 6;
constexpr int kLayerRowsMax = 50;
constexpr int kLayerColumns = 8;

// Slope table columns.
enum SlopeColumn { kSlopeRun = 0, kSlopeRise = 1, kSlopeLength = 2, kSlopeAngle = 3 };
// Layer table columns. A thickness of 0 makes a layer reach down past the base, the last in use; a
// saturated unit weight of 0 is the layer's γ.
enum LayerColumn {
    kLayerUnitWeight = 0,
    kLayerCohesion = 1,
    kLayerFriction = 2,
    kLayerThickness = 3,
    kLayerSaturatedWeight = 4
};

// Backfill: surcharge, theory, slope segments and soil layers.
struct CSoil {
    int32_t m_nSlopeCols = 0;
    int32_t m_nLayerCols = 0;
    float m_fLoadOffset = 0;    // distance of the strip surcharge from the wall's top back corner, m
    float m_fLoadPressure = 0;  // BP, kPa
    float m_fLoadWidth = 0;     // BQ, m
    int32_t m_nTheory = 0;      // 0 Coulomb, 1 Rankine
    int32_t m_nSlopeSegs = 0;   // 1 or 2
    int32_t m_nSlopeLabels = 0;
    int32_t m_nLayerLabels = 0;
    int32_t m_nSlopeRows = 0;  // m_nSlopeSegs + 1
    float m_afLayer[kLayerRowsMax][kLayerColumns] = {};
    float m_afSlope[kSlopeRowsMax][kSlopeColumns] = {};
};

// The inputs the text case format holds beyond the two records; a binary case file has the defaults.
struct CaseSettings {
    float overturning = 1.6f;  // required factor against overturning (GB 50007, GB 50330)
    float sliding = 1.3f;      // required factor against sliding
    float fa = 0;  // allowable bearing pressure after depth and width corrections, kPa; 0: not given
    float eccentricityLimit = 0.25f;  // e0 ≤ limit·B (GB 50007-2011 §6.7.5)
    // Water: below zero, none.
    float waterBehind = -1;      // depth of the water table below the wall's top, m
    float waterFront = -1;       // height of the water in front of the wall above the base, m
    float waterUnitWeight = 10;  // γw, kN/m³
    float waterCombined = 0;     // 1: water and earth pressure together with γsat (GB 50007-2011 §9.3.3)
    // Earthquake: none where the acceleration is 0.
    float seismicAcceleration = 0;    // design basic acceleration A/g
    float seismicAngle = -1;          // θ above the water table, degrees; below zero: from the table
    float seismicAngleWater = -1;     // θw below it, degrees; below zero: from the table
    float seismicImportance = 1;      // Ci
    float seismicCz = 0.25f;          // the comprehensive factor Cz
    float seismicOverturning = 1.2f;  // required factors under earthquake (GB 50023-2009 §4.2.9)
    float seismicSliding = 1.1f;
    float seismicBearingFactor = 1;  // ζa (GB 50011-2010 §4.2.3): faE = ζa·fa
    // The soil under the base, from which fa follows where it is not given (GB 50007-2011 §5.2.4 from fak,
    // §5.2.5 from ck and φk). Unit weights below the water table are the effective ones.
    float foundationGamma = 18;     // γ under the base, kN/m³
    float foundationGammaM = 18;    // γm, the weighted unit weight above the base level, kN/m³
    float foundationDepth = 0.5f;   // d, the embedment below the ground in front of the toe, m
    float foundationFak = 0;        // fak, kPa; 0: not given
    float foundationEtaB = 0;       // ηb
    float foundationEtaD = 1;       // ηd
    float foundationCohesion = -1;  // ck, kPa; below zero: not given
    float foundationFriction = -1;  // φk, degrees; below zero: not given
    float foundationSand = 0;       // 1: sand, whose width below 3 m is taken as 3 m (§5.2.5)
    // The overall slip's required factors (GB 50330-2013 Table 5.3.2; under earthquake §5.3.2 note).
    float overall = 1.3f;
    float seismicOverall = 1.1f;
    bool operator==(const CaseSettings&) const = default;

    bool HasWaterBehind() const { return waterBehind >= 0; }
    bool HasWaterFront() const { return waterFront >= 0; }
    bool HasSeismicAngle() const { return seismicAngle >= 0; }
    bool HasSeismicAngleWater() const { return seismicAngleWater >= 0; }
    bool HasFoundationStrength() const { return foundationCohesion >= 0 && foundationFriction >= 0; }
};

struct WallCase {
    int32_t wallType = kCounterfort;
    CRetainingWall wall;
    CSoil soil;
    CaseSettings settings = {};
};

// Earth-pressure theories as the slope page lists them.
constexpr int kCoulomb = 0;
constexpr int kRankine = 1;
constexpr std::array<std::string_view, 2> kTheoryNames = {"库伦土压力理论", "朗肯土压力理论"};

// Length and elevation angle (degrees) of a slope segment from its run and rise, as the slope page
// computes them (pi taken as 3.14159).
void UpdateSlopeRow(float row[kSlopeColumns]);

// Recomputes length and angle of every segment in use.
void UpdateSlopeDerived(CSoil& soil);

// A value as the tables show it, rounded to two decimals, and read back.
float AsShown(float value);

// The rows of the layer table in use: layer 1, 2, … down to the first of thickness 0 (which reaches
// past the base), or every row. Values as the grid shows them.
int LayersInUse(const CSoil& soil);

}  // namespace wall
