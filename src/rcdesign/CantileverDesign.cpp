// The computation of a cantilever wall: loads, stability, base slab, stem, toe and heel designs.
#include "rcdesign/CantileverDesign.h"

#include <cmath>

#include "analysis/DoubleMath.h"

namespace wall {

CantileverResult CantileverDesign(const WallCase& c, KernelBlock& kb) {
    CantileverResult r;
    r.back = ImaginaryBackPressure(c, kb);
    if (r.back.status != PressureStatus::kOk) return r;
    const StemLoads& s = r.back.loads;

    // Stem at its base: the soil's and the strip's thrusts above the base slab, both unfavourable, and
    // the water's, horizontal and permanent.
    const float cosPsi = Cos(s.thrustAngle);
    const float waterM = s.waterThrust * s.waterThrustArm;
    for (size_t i = 0; i < kBasicCombinations.size(); ++i) {
        const LoadCombination& f = kBasicCombinations[i];
        r.stemM[i] = cosPsi * (f.permanent * s.soilThrust * s.soilThrustArm +
                               f.variable * s.loadThrust * s.loadThrustArm);
        if (waterM > 0) r.stemM[i] += f.permanent * waterM;
    }
    r.stemCombination = Governing(r.stemM[0], r.stemM[1]);
    r.M = r.stemM[r.stemCombination];
    r.Mk = cosPsi * (s.soilThrust * s.soilThrustArm + s.loadThrust * s.loadThrustArm);
    if (waterM > 0) r.Mk += waterM;
    r.stemDepth = kb.outline.x[7] - kb.outline.x[2];
    r.sections[0] = {"stem", DesignReinforcement(c.wall, SectionKind::kStrip, r.stemDepth, r.M, r.Mk)};
    // The stem's base shears under the thrusts above it, both unfavourable.
    float V[kBasicCombinations.size()];
    for (size_t i = 0; i < kBasicCombinations.size(); ++i)
        V[i] = cosPsi * (kBasicCombinations[i].permanent * s.soilThrust +
                         kBasicCombinations[i].variable * s.loadThrust) +
               kBasicCombinations[i].permanent * s.waterThrust;
    const int gv = Governing(V[0], V[1]);
    r.sections[0].shear = CheckSlabShear(c.wall, r.stemDepth, V[gv]);
    r.sections[0].shear.combination = gv;

    r.slab = BaseSlabDesign(c, BaseLoadsOf(r.back, kb), kb);
    const float H1 = c.wall.m_fToeHeight;
    // A slab is reinforced on the face its moment puts in tension, whichever sign the moment has.
    const bool known = r.slab.PressuresKnown();
    auto slab = [&](float M, float Mk) {
        return known ? DesignReinforcement(c.wall, SectionKind::kStrip, H1, std::fabs(M), std::fabs(Mk))
                     : WithoutBasePressure(H1);
    };
    r.sections[1] = {"toe", slab(r.slab.Mb, r.slab.Mbk)};
    r.sections[2] = {"heel", slab(r.slab.Md, r.slab.Mdk)};
    if (known) {
        r.sections[1].shear = CheckSlabShear(c.wall, H1, r.slab.toeV.M);
        r.sections[1].shear.combination = r.slab.toeV.combination;
        r.sections[2].shear = CheckSlabShear(c.wall, H1, r.slab.heelV.M);
        r.sections[2].shear.combination = r.slab.heelV.combination;
    }
    return r;
}

}  // namespace wall
