// The load combinations of the reinforced-concrete design, as factors.
#pragma once

#include <array>

namespace wall {

// Partial factors of one combination: γG on permanent loads where unfavourable (wall, soil, the soil's
// earth pressure), γQ on the variable load where unfavourable (the strip surcharge and its earth
// pressure). Where a load's effect is favourable a permanent load takes 1.0 and a variable load 0.
struct LoadCombination {
    const char* name = "";    // as the report prints it
    const char* source = "";  // the clause
    float permanent = 1;      // γG
    float variable = 1;       // γQ
};

// The basic combinations every section is designed for; a section takes the larger effect.
// GB 50009-2012 §3.2.3, formula 3.2.3-2 (permanent loads governing, γG = 1.35 of §3.2.4, the
// surcharge at γQ = 1.4 without reduction), and GB 55001-2021 §3.1.13 (γG = 1.3, γQ = 1.5; a
// favourable permanent load not above 1.0).
constexpr std::array<LoadCombination, 2> kBasicCombinations = {{
    {"1.35G+1.4Q", "GB 50009-2012 第3.2.3、3.2.4条", 1.35f, 1.4f},
    {"1.3G+1.5Q", "GB 55001-2021 第3.1.13条", 1.3f, 1.5f},
}};

// Characteristic (standard) combination: every factor 1.
constexpr LoadCombination kCharacteristic = {"标准组合", "", 1.0f, 1.0f};

// Of two design effects, the one of larger magnitude (the first on a tie).
inline int Governing(float first, float second) {
    return (second < 0 ? -second : second) > (first < 0 ? -first : first) ? 1 : 0;
}

}  // namespace wall
