// The computation of a cantilever wall: loads, stability, base slab, stem, toe and heel designs.
#include "rcdesign/CantileverDesign.h"

#include <cmath>

#include "analysis/DoubleMath.h"
#include "rcdesign/LoadCombination.h"

namespace wall {

CantileverResult CantileverDesign(const WallCase& c, KernelBlock& kb) {
    CantileverResult r;
    const LoadCombination& g = kPermanentGoverning;
    r.back = ImaginaryBackPressure(c, kb);
    const StemLoads& s = r.back.loads;

    // Stem at its base, permanent loads controlling.
    const float cosPsi = Cos(s.thrustAngle);
    r.M =
        cosPsi * (g.permanent * s.soilThrust * s.soilThrustArm + g.variable * s.loadThrust * s.loadThrustArm);
    r.Mk = cosPsi * (s.soilThrust * s.soilThrustArm + s.loadThrust * s.loadThrustArm);
    r.stemDepth = kb.outline.x[7] - kb.outline.x[2];
    r.sections[0] = {"stem", DesignReinforcement(c.wall, SectionKind::kStrip, r.stemDepth, r.M, r.Mk)};

    r.slab = BaseSlabDesign(c, s, kb);
    const float H1 = c.wall.m_fToeHeight;
    // A slab is reinforced on the face its moment puts in tension, whichever sign the moment has.
    const bool known = r.slab.PressuresKnown();
    auto slab = [&](float M, float Mk) {
        return known ? DesignReinforcement(c.wall, SectionKind::kStrip, H1, std::fabs(M), std::fabs(Mk))
                     : WithoutBasePressure(H1);
    };
    r.sections[1] = {"toe", slab(r.slab.Mb, r.slab.Mbk)};
    r.sections[2] = {"heel", slab(r.slab.Md, r.slab.Mdk)};
    return r;
}

}  // namespace wall
