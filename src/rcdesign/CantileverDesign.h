// The computation of a cantilever wall: loads, stability, base slab, stem, toe and heel designs.
#pragma once

#include <array>

#include "rcdesign/BaseSlab.h"
#include "rcdesign/ImaginaryBack.h"
#include "rcdesign/LoadCombination.h"
#include "rcdesign/ReinforcementDesign.h"

namespace wall {

// Every value of the cantilever wall's report in print order. kN·m/m, m.
struct CantileverResult {
    ImaginaryBackResult back;  // self-weight, earth pressure, heel load, stability
    float stemDepth = 0;       // X7 - X2, the stem's depth at its base
    // Stem base: cosψ·(γG·E1s·z1 + γQ·Eqs·zq) in each basic combination, the governing one, and the
    // standard cosψ·(E1s·z1 + Eqs·zq).
    std::array<float, kBasicCombinations.size()> stemM{};
    int stemCombination = 0;
    float M = 0;
    float Mk = 0;
    BaseSlabResult slab;  // base pressures; Mb, Mbk (toe) and Md, Mdk (heel)
    // "stem" (depth X7 - X2), "toe" and "heel" (depth H1), in report order; moments with their signs.
    std::array<DesignedSection, 3> sections;
};

// Runs every step on the block; the case's outline must already be in kb.outline.
CantileverResult CantileverDesign(const WallCase& c, KernelBlock& kb);

}  // namespace wall
