// Outline vertices of the five wall types against hand-computed coordinates.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/geometry/WallOutline.h"
#include "case/CaseDefaults.h"

namespace wall {
namespace {

using Outline = std::array<std::array<float, 2>, 8>;

struct OutlineRow {
    std::string name;
    int type;
    CRetainingWall geometry;
    Outline expected;
};

CRetainingWall Geometry(float B, float H, float B1, float H1, float B2, float H2, float mf, float mb, float n,
                        float m2 = 0) {
    CRetainingWall w;
    w.m_fTopWidth = B;
    w.m_fHeight = H;
    w.m_fToeWidth = B1;
    w.m_fToeHeight = H1;
    w.m_fHeelWidth = B2;
    w.m_fHeelHeight = H2;
    w.m_fFrontSlope = mf;
    w.m_fBackSlope = mb;
    w.m_fBaseSlope = n;
    w.m_fLowerBackSlope = m2;
    return w;
}

TEST(WallOutline, VerticesOfEachType) {
    const std::vector<OutlineRow> rows = {
        // Worked outline example of the gravity wall (B 1, H 5, toe and heel 0.5 x 0.5, no batters).
        {"gravity plain",
         kGravity,
         Geometry(1, 5, 0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 0),
         {{{0, 0},
           {-1, 0},
           {-1, -4.5f},
           {-1.5f, -4.5f},
           {-1.5f, -5},
           {0.5f, -5},
           {0.5f, -4.5f},
           {0, -4.5f}}}},
        // mb = 0: P7 on x = 0 at y5 + H2. Hand: base y = -5 - 0.2(x + 1.5); at x5 = 0.5, y5 = -5.4;
        // y7 = -5.4 + 0.5 = -4.9.
        {"gravity vertical back, sloped base",
         kGravity,
         Geometry(1, 5, 0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 0.2f),
         {{{0, 0},
           {-1, 0},
           {-1, -4.5f},
           {-1.5f, -4.5f},
           {-1.5f, -5},
           {0.5f, -5.4f},
           {0.5f, -4.9f},
           {0, -4.9f}}}},
        // Back batter 0.25 on a level base: heel top at -5 + 0.5 = -4.5, on the back face
        // x = 0.25·4.5 = 1.125; heel 0.5 wide -> x5 = 1.625.
        {"gravity battered back, level base",
         kGravity,
         Geometry(1, 5, 0.5f, 0.5f, 0.5f, 0.5f, 0, 0.25f, 0),
         {{{0, 0},
           {-1, 0},
           {-1, -4.5f},
           {-1.5f, -4.5f},
           {-1.5f, -5},
           {1.625f, -5},
           {1.625f, -4.5f},
           {1.125f, -4.5f}}}},
        // |n| = 5e-7 < 1e-6 reads as a level base: y5 = -H.
        {"gravity tiny base slope is level",
         kGravity,
         Geometry(1, 5, 0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 5e-7f),
         {{{0, 0},
           {-1, 0},
           {-1, -4.5f},
           {-1.5f, -4.5f},
           {-1.5f, -5},
           {0.5f, -5},
           {0.5f, -4.5f},
           {0, -4.5f}}}},
        // Default gravity wall (B 2, H 10, all batters 0.25, no toe or heel). Front foot
        // x = -2 - 0.25·10 = -4.5. Back face x = -0.25y meets base y = -10 - 0.25(x + 4.5):
        // x = 2.78125 + 0.0625x -> x = 2.966667, y = -11.866667.
        {"gravity default",
         kGravity,
         DefaultWall(kGravity),
         {{{0, 0},
           {-2, 0},
           {-4.5f, -10},
           {-4.5f, -10},
           {-4.5f, -10},
           {2.966667f, -11.866667f},
           {2.966667f, -11.866667f},
           {2.966667f, -11.866667f}}}},
        // Default semi-gravity wall (B 0.7, H 8, B1 2.5, H1 0.4, H2 0.6, mf = mb = 0.25):
        // P2 = (-0.7 - 0.25·7.4, -7.4) = (-2.55, -7.4); P3 = (-5.05, -7.6); heel at the back foot
        // (0.25·8, -8) = (2, -8).
        {"semi-gravity default",
         kSemiGravity,
         DefaultWall(kSemiGravity),
         {{{0, 0}, {-0.7f, 0}, {-2.55f, -7.4f}, {-5.05f, -7.6f}, {-5.05f, -8}, {2, -8}, {2, -8}, {2, -8}}}},
        // Default shelf wall (B 0.8, H 7, B1 0.35, H1 0.7, B2 1.27, H2 3.18, mf 0.05, mb 0.31,
        // n 0.1, m2 -0.25). P2 = (-0.8 - 0.05·6.3, -6.3) = (-1.115, -6.3); P7 = (0.31·3.18, -3.18)
        // = (0.9858, -3.18); P6 = (2.2558, -3.18). Lower face x = 3.0508 + 0.25y, base
        // y = -7 - 0.1(x + 1.465): 1.025y = -7.45158 -> y5 = -7.269834, x5 = 1.233342.
        {"shelf default",
         kShelf,
         DefaultWall(kShelf),
         {{{0, 0},
           {-0.8f, 0},
           {-1.115f, -6.3f},
           {-1.465f, -6.3f},
           {-1.465f, -7},
           {1.233342f, -7.269834f},
           {2.2558f, -3.18f},
           {0.9858f, -3.18f}}}},
        // Cantilever with H1 0.6, H2 0.4, H 6 (B 0.35, B1 1.5, B2 2.7, mb 0.1): y4 = -6, y5 = -5.8;
        // x7 = 0.1·5.4 = 0.54, x6 = 3.24.
        {"cantilever rising base",
         kCantilever,
         Geometry(0.35f, 6, 1.5f, 0.6f, 2.7f, 0.4f, 0.3f, 0.1f, 0),
         {{{0, 0},
           {-0.35f, 0},
           {-0.35f, -5.4f},
           {-1.85f, -5.4f},
           {-1.85f, -6},
           {3.24f, -5.8f},
           {3.24f, -5.4f},
           {0.54f, -5.4f}}}},
        // Counterfort with back batter 0.3 in the record still has a vertical back: x7 = 0.
        {"counterfort ignores back batter",
         kCounterfort,
         Geometry(0.3f, 8, 1.5f, 0.6f, 2.7f, 0.6f, 0.3f, 0.3f, 0),
         {{{0, 0},
           {-0.3f, 0},
           {-0.3f, -7.4f},
           {-1.8f, -7.4f},
           {-1.8f, -8},
           {2.7f, -8},
           {2.7f, -7.4f},
           {0, -7.4f}}}},
    };
    for (const OutlineRow& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = DefaultCase(row.type);
        c.wall = row.geometry;
        const WallOutline o = BuildWallOutline(c);
        for (int i = 0; i < 8; ++i) {
            EXPECT_NEAR(o.x[i], row.expected[i][0], 2e-5) << "x of P" << i;
            EXPECT_NEAR(o.y[i], row.expected[i][1], 2e-5) << "y of P" << i;
        }
    }
}

TEST(WallOutline, HeelParallelToBaseGivesNonFiniteVertex) {
    // Back batter 1 against a base of counter-slope 1 (v - mb·u = 1 - 1 = 0): no heel corner exists.
    WallCase c = DefaultCase(kGravity);
    c.wall = Geometry(1, 5, 0.5f, 0.5f, 0.5f, 0.5f, 0, 1, 1);
    EXPECT_FALSE(std::isfinite(BuildWallOutline(c).x[7]));
}

}  // namespace
}  // namespace wall
