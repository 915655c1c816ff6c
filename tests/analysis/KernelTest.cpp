// Polygon area and centroid, and the block as the loader fills it, against hand calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestCases.h"
#include "analysis/Polygon.h"

namespace wall {
namespace {

struct PolygonRow {
    std::string name;
    std::vector<float> x, y;
    float area, cx, cy;
};

TEST(PolygonAreaCentroid, ShapesWorkedByHand) {
    const std::vector<PolygonRow> rows = {
        {"unit square", {0, 1, 1, 0}, {0, 0, 1, 1}, 1, 0.5f, 0.5f},
        // Clockwise order: the signed area is negative, the centroid the same.
        {"unit square clockwise", {0, 0, 1, 1}, {0, 1, 1, 0}, -1, 0.5f, 0.5f},
        // Right triangle with legs 3: area 4.5, centroid at a third of each leg.
        {"triangle", {0, 3, 0}, {0, 0, 3}, 4.5f, 1, 1},
        // L of a 2 x 1 foot (centroid (1, 0.5)) and a 1 x 2 stem (centroid (0.5, 2)): area 4,
        // centroid ((2·1 + 2·0.5)/4, (2·0.5 + 2·2)/4) = (0.75, 1.25). Not convex: the fan from
        // the first vertex still sums signed triangles correctly.
        {"L shape", {0, 2, 2, 1, 1, 0}, {0, 0, 1, 1, 3, 3}, 4, 0.75f, 1.25f},
        // Eight vertices with three coinciding, as a wall outline without heel has them.
        {"outline with repeated vertices",
         {0, -2, -2, -2, -2, 0, 0, 0},
         {0, 0, -5, -5, -5, -5, -5, -5},
         10,
         -1,
         -2.5f},
    };
    for (const PolygonRow& r : rows) {
        SCOPED_TRACE(r.name);
        AreaCentroid ac = PolygonAreaCentroid(r.x.data(), r.y.data(), static_cast<int>(r.x.size()));
        EXPECT_NEAR(ac.area, r.area, 1e-5);
        EXPECT_NEAR(ac.cx, r.cx, 1e-5);
        EXPECT_NEAR(ac.cy, r.cy, 1e-5);
    }
}

TEST(PolygonAreaCentroid, ZeroAreaGivesNoCentroid) {
    const float x[3] = {0, 1, 2}, y[3] = {0, 1, 2};  // collinear
    AreaCentroid ac = PolygonAreaCentroid(x, y, 3);
    EXPECT_EQ(ac.area, 0);
    EXPECT_FALSE(std::isfinite(ac.cx));
}

// Default gravity wall (B 2, H 10, both batters 0.25, base counter-slope 0.25, no toe or heel).
// Hand: P2 = P3 = P4 = (-4.5, -10); the base y = -10 - 0.25(x + 4.5) meets the back face
// x = -0.25y at x7 = 0.25·44.5/3.75 = 2.966667, y = -11.866667 = P5 = P6 = P7.
// Triangles of the outline: (0,0),(-2,0),(-4.5,-10): A 10, cx -2.166667; (0,0),(-4.5,-10),
// (2.5,-10): A 35, cx -0.666667; (-4.5,-10),(2.5,-10),(2.966667,-11.866667): A 6.533333,
// cx 0.322222. A = 51.533333, cx = -42.894815/51.533333 = -0.832370.
TEST(LoadKernelBlock, DefaultGravityWall) {
    WallCase c = DefaultCase(kGravity);
    KernelBlock kb = test::LoadedBlock(c);
    EXPECT_NEAR(kb.wallWeight, 51.533333 * 24, 1e-2);     // W = A·24
    EXPECT_NEAR(kb.wallWeightArm, 4.5 - 0.832370, 1e-4);  // Zw from the toe at x = -4.5
    EXPECT_NEAR(kb.backHeight, 11.866667, 1e-5);          // |Y5|
    EXPECT_NEAR(kb.backAngle, std::atan(0.25), 1e-7);
    EXPECT_NEAR(kb.wallFriction, 15 * 3.1415925 / 180, 1e-7);
    EXPECT_FLOAT_EQ(kb.topWidth, 2);
    EXPECT_FLOAT_EQ(kb.baseFriction, 0.6f);
    EXPECT_FLOAT_EQ(kb.wallUnitWeight, 24);
    // Slope row 5, 1 with angle 11.3099° shown as 11.31; soil 17, 0, 30; surcharge 10 kPa x 4 m.
    EXPECT_NEAR(kb.slopeAngle, 11.31 * 3.1415925 / 180, 1e-7);
    EXPECT_FLOAT_EQ(kb.soilUnitWeight, 17);
    EXPECT_FLOAT_EQ(kb.soilCohesion, 0);
    EXPECT_NEAR(kb.soilFriction, 30 * 3.1415925 / 180, 1e-7);
}

// The tables are read as the page shows them: two decimals.
TEST(LoadKernelBlock, TableValuesAsShown) {
    WallCase c = test::RectangularWall(2, 5);
    test::SetSoil(c, 18.456f, 5.004f, 29.996f);
    c.soil.m_afSlope[0][kSlopeRun] = 3.333f;
    c.soil.m_afSlope[0][kSlopeRise] = 0.126f;
    c.soil.m_afSlope[0][kSlopeAngle] = 2.1649f;
    KernelBlock kb = test::LoadedBlock(c);
    EXPECT_FLOAT_EQ(kb.soilUnitWeight, 18.46f);
    EXPECT_FLOAT_EQ(kb.soilCohesion, 5.0f);
    EXPECT_NEAR(kb.soilFriction, 30 * 3.1415925 / 180, 1e-7);
    EXPECT_NEAR(kb.slopeAngle, 2.16 * 3.1415925 / 180, 1e-7);
}

// Fields the loader does not own keep what an earlier step left.
TEST(LoadKernelBlock, LeavesResultFields) {
    WallCase c = test::RectangularWall(2, 5);
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    kb.pressureX = 123;
    kb.overturningFactor = 4;
    kb.extraWeight = 7;
    LoadKernelBlock(c, kb);
    EXPECT_EQ(kb.pressureX, 123);
    EXPECT_EQ(kb.overturningFactor, 4);
    EXPECT_EQ(kb.extraWeight, 7);
}

}  // namespace
}  // namespace wall
