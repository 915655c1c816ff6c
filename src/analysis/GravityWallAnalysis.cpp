// The computation sequence of the gravity and semi-gravity wall analysis.
#include "analysis/GravityWallAnalysis.h"

#include "analysis/DoubleMath.h"
#include "analysis/LoadKernelBlock.h"

namespace wall {

GravityWallResult GravityWallAnalysis(const WallCase& c, KernelBlock& kb) {
    GravityWallResult r;
    r.theory = c.soil.m_nTheory == kCoulomb ? kCoulomb : kRankine;
    LoadKernelBlock(c, kb);
    r.W = kb.wallWeight;
    r.Zw = kb.wallWeightArm;

    if (r.theory == kCoulomb) {
        r.coulomb = CoulombActivePressure(c, kb);
        r.status = r.coulomb.status;
        if (r.status != PressureStatus::kOk) return r;
        r.stability = ComputeStability(c, kb, WallActions(c, kb));
    } else {
        r.rankine = RankineActivePressure(c, kb);
        r.status = r.rankine.status;
        if (r.status != PressureStatus::kOk) return r;
        r.stability = ComputeStability(c, kb, WallActions(c, kb));
    }

    r.pressure.E = Sqrt(kb.pressureX * kb.pressureX + kb.pressureY * kb.pressureY);
    r.pressure.Ex = kb.pressureX;
    r.pressure.Ey = kb.pressureY;
    r.pressure.Zx = kb.armX;
    r.pressure.Zy = kb.armY;

    r.section = ChooseGravitySection(c, kb);
    r.status = r.section.status;
    return r;
}

}  // namespace wall
