// Material per metre of wall, by hand from the default walls' dimensions.
#include <gtest/gtest.h>

#include "calc/CalculateCase.h"
#include "calc/Quantities.h"
#include "case/CaseDefaults.h"

namespace wall {
namespace {

TEST(Quantities, DefaultWallsByHand) {
    struct Row {
        const char* name;
        int wallType, theory;
        double area;
        double steel;  // kg/m; < 0 for a masonry wall
    };
    const Row rows[] = {
        // The outline's 51.533333 m² (see the gravity wall's hand analysis).
        {"gravity", kGravity, kRankine, 51.5333, -1},
        // Stem 0.35 × (7 − 0.6) + base (1.5 + 0.35 + 2.7) × 0.6 = 4.97 m². Steel from the bars provided
        // (Φ32@100 8042.48, Φ14@125 1231.50, Φ16@150 1340.41 mm²/m over the stem height 6.4 m, the toe
        // 1.5 m and the heel 2.7 m): (8042.48·6.4 + 1231.50·1.5 + 1340.41·2.7)·1e-6·7850 = 446.97 kg/m.
        {"cantilever, Coulomb", kCantilever, kCoulomb, 4.97, 446.97},
        // Stem 0.3 × 7.4 + base 4.5 × 0.6 = 4.92 m², counterfort ½ × 2.7 × 7.4 × 0.2 / 3 = 0.666 m².
        {"counterfort", kCounterfort, kRankine, 5.586, -1},
    };
    for (const Row& row : rows) {
        WallCase c = DefaultCase(row.wallType);
        c.soil.m_nTheory = row.theory;
        const CaseResult r = CalculateCase(c);
        ASSERT_TRUE(r.Accepted()) << row.name;
        const Quantities q = CaseQuantities(c, r);
        EXPECT_NEAR(q.area, row.area, 1e-3) << row.name;
        EXPECT_EQ(q.volumePerMetre, q.area) << row.name;
        EXPECT_EQ(q.reinforced, row.wallType >= kCantilever) << row.name;
        if (row.steel >= 0) {
            EXPECT_NEAR(q.steelPerMetre, row.steel, 0.05) << row.name;
        }
    }
}

}  // namespace
}  // namespace wall
