// The computation sequence of the shelf wall analysis.
#include "analysis/ShelfWallAnalysis.h"

#include "analysis/LoadKernelBlock.h"
#include "analysis/WaterActions.h"

namespace wall {

ShelfWallResult ShelfWallAnalysis(const WallCase& c, KernelBlock& kb) {
    ShelfWallResult r;
    LoadKernelBlock(c, kb);
    r.W = kb.wallWeight;
    r.Zw = kb.wallWeightArm;
    r.pressure = ShelfPressure(c, kb);
    if (r.pressure.status != PressureStatus::kOk) return r;

    const ShelfPressureResult& p = r.pressure;
    ActionList actions = WallActions(c, kb, {p.upperSoil, p.upperLoad}, {p.lowerSoil, p.lowerLoad});
    r.water = AddWaterActions(c, kb, p.upper, actions);
    if (p.layered) AddLowerBackWater(kb, p.lower, r.water, actions);
    if (!p.hasBare) {
        r.stability = ComputeStability(c, kb, actions);
    } else {
        // Without the strip: the upper thrust of the bare ground; the lower one keeps its soil part.
        const ActionList unloaded = WithoutSurcharge(actions, {"E01x", "E01y", "Z01x", "Z01y"}, p.upperBare);
        r.stability = ComputeStability(c, kb, actions, &unloaded);
    }
    r.platform = CheckShelfPlatform(c, kb.outline);
    r.section = ChooseShelfSection(c, kb, r.pressure.thrustHeight, r.pressure.upper);
    return r;
}

}  // namespace wall
