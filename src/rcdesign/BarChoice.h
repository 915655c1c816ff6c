// Bars of usual sizes that provide a required area: a slab's diameter and spacing, a counterfort's
// number of bars, and a slab's distribution steel.
#pragma once

#include <span>
#include <string>

namespace wall {

// A layout of bars. A slab's bars are `diameter` at `spacing` in `rows` layers per metre run; a
// counterfort's are `count` bars of `diameter`. mm, mm² (per metre for a slab).
struct BarLayout {
    bool found = false;
    float diameter = 0;
    float spacing = 0;  // 0 for a counted layout
    int rows = 1;
    int count = 0;  // counted layouts only
    float area = 0;
};

// The layout as drawings write it: "Φ14@125", "2×Φ25@100" (two layers), "6Φ25", "10Φ20（两排）".
std::string BarLabel(const BarLayout& l);

// Area of one bar, mm².
float BarArea(float diameter);

// The slab layouts of the usual diameters (10 to 32 mm) and spacings (100 to 200 mm, GB 50010-2010
// §9.1.3 allows up to 1.5h and 250 mm), one layer or two, by ascending area.
constexpr int kMaxBarLayouts = 160;
std::span<const BarLayout> SlabBarLayouts();

// Counted layouts for a beam of web width b and cover c: 2 to 16 bars of 16 to 32 mm in one layer, or
// two where one does not hold them at a clear spacing of max(25 mm, d) (GB 50010-2010 §9.2.1), by
// ascending area.
std::span<const BarLayout> CountedBarLayouts(float b, float cover);

// Distribution steel of a one-way slab across its main bars (GB 50010-2010 §9.1.7): per metre at
// least 15 % of the main steel and 0.15 % of b·h, bars of at least 6 mm at most 250 mm apart. The
// smallest layout of 8 to 16 mm at 100 to 250 mm that provides it. `required` receives the area.
BarLayout DistributionBars(float mainArea, float h, float& required);

}  // namespace wall
