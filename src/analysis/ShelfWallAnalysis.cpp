// The computation sequence of the shelf wall analysis.
#include "analysis/ShelfWallAnalysis.h"

#include "analysis/LoadKernelBlock.h"

namespace wall {

ShelfWallResult ShelfWallAnalysis(const WallCase& c, KernelBlock& kb) {
    ShelfWallResult r;
    LoadKernelBlock(c, kb);
    r.W = kb.wallWeight;
    r.Zw = kb.wallWeightArm;
    r.pressure = ShelfPressure(c, kb);
    if (r.pressure.status != PressureStatus::kOk) return r;

    const ShelfPressureResult& p = r.pressure;
    const ActionList actions = WallActions(c, kb, {p.upperSoil, p.upperLoad}, {p.lowerSoil, p.lowerLoad});
    if (!p.hasBare) {
        r.stability = ComputeStability(c, kb, actions);
    } else {
        // Without the strip: the upper thrust of the bare ground, the lower one's soil part.
        const ThrustPart& u = p.upperBare;
        const ThrustPart l =
            p.Eq2 > 0 ? p.lowerSoil
                      : ThrustPart{kb.lowerPressureX, kb.lowerPressureY, kb.lowerArmX, kb.lowerArmY};
        ActionList thrusts;
        thrusts.Add({ActionKind::kEarthPressure, "E01x", "E01y", "Z01x", "Z01y", u.Fx, u.Fy, u.x, u.y});
        thrusts.Add({ActionKind::kEarthPressure, "E02x", "E02y", "Z02x", "Z02y", l.Fx, l.Fy, l.x, l.y});
        const ActionList unloaded = WithoutSurcharge(actions, thrusts);
        r.stability = ComputeStability(c, kb, actions, &unloaded);
    }
    r.platform = CheckShelfPlatform(c, kb.outline);
    r.section = ChooseShelfSection(c, kb, r.pressure.thrustHeight);
    return r;
}

}  // namespace wall
