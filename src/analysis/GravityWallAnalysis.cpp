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
        // The thrust with the soil over the back face, and the strip standing there as a load apart.
        ActionList actions;
        actions.Add({ActionKind::kWallWeight, "", "W", "Zw", "", 0, kb.wallWeight, kb.wallWeightArm, 0});
        if (r.rankine.load.Ws > 0)
            actions.Add({ActionKind::kSurchargeLoad, "", "Wq", "Zwq", "", 0, r.rankine.load.Ws,
                         r.rankine.load.xs, 0});
        actions.Add({ActionKind::kEarthPressure, "Ex", "Ey", "Zx", "Zy", r.rankine.Ex, r.rankine.Ey,
                     r.rankine.Zx, r.rankine.Zy});
        r.stability = ComputeStability(c, kb, actions);
    }

    const Action* thrust = r.stability.actions.Find(ActionKind::kEarthPressure);
    r.pressure.Ex = thrust->Fx;
    r.pressure.Ey = thrust->Fy;
    r.pressure.Zx = thrust->x;
    r.pressure.Zy = thrust->y;
    r.pressure.E = Sqrt(r.pressure.Ex * r.pressure.Ex + r.pressure.Ey * r.pressure.Ey);

    r.section = ChooseGravitySection(c, kb);
    r.status = r.section.status;
    return r;
}

}  // namespace wall
