// Counted bars of a counterfort web: how many fit in one layer at GB 50010-2010 §9.2.1's clear spacing
// max(25 mm, d), by hand, and webs of any width (none, or wider than any wall) give sound layouts.
#include <gtest/gtest.h>

#include <algorithm>

#include "rcdesign/BarChoice.h"

namespace wall {
namespace {

// The largest count of d-bars laid out in one layer.
int MostInOneLayer(std::span<const BarLayout> layouts, float d) {
    int most = 0;
    for (const BarLayout& l : layouts)
        if (l.diameter == d && l.rows == 1) most = std::max(most, l.count);
    return most;
}

TEST(BarChoice, CountedBarsPerLayerByHand) {
    // web b, cover c, bar d → bars in one layer: floor((b − 2c + s) / (d + s)), s = max(25, d), at most 16.
    const struct {
        float b, cover, d;
        int oneLayer;
    } rows[] = {
        {300, 35, 25, 5},  // (300 − 70 + 25) / 50 = 5.1
        {300, 35, 32, 4},  // (300 − 70 + 32) / 64 = 4.09
        {200, 35, 16, 3},  // (200 − 70 + 25) / 41 = 3.78
        {100, 35, 16,
         1},  // (100 − 70 + 25) / 41 = 1.34: one bar per layer, so no count of two fits one layer
        {1e18f, 35, 20, 16},  // a web wider than any wall: 16 bars, the most counted
        {0, 35, 20, 0},       // no web: nothing fits
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "b " << r.b << " d " << r.d);
        const std::span<const BarLayout> layouts = CountedBarLayouts(r.b, r.cover);
        EXPECT_EQ(MostInOneLayer(layouts, r.d), r.oneLayer == 1 ? 0 : r.oneLayer);
        for (const BarLayout& l : layouts) {
            EXPECT_TRUE(l.count >= 2 && l.count <= 16);
            EXPECT_EQ(l.rows, l.count > MostInOneLayer(layouts, l.diameter) ? 2 : 1);
        }
    }
}

}  // namespace
}  // namespace wall
