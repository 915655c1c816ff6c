// The load combinations of the reinforced-concrete design, as factors.
#pragma once

namespace wall {

// Partial factors of one combination: γG on permanent loads (wall, soil and earth pressure of the
// soil), γQ on the variable load (the surcharge and its earth pressure).
struct LoadCombination {
    float permanent = 1;  // γG
    float variable = 1;   // γQ
};

// Basic combination with the permanent loads governing (GB 50009-2012 §3.2.3, formula 3.2.3-2, with
// γG = 1.35 of §3.2.4 and γQ = 1.4).
constexpr LoadCombination kPermanentGoverning = {1.35f, 1.4f};

// Characteristic (standard) combination: every factor 1.
constexpr LoadCombination kCharacteristic = {1.0f, 1.0f};

}  // namespace wall
