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
    r.stability =
        ComputeStability(c, kb, WallActions(c, kb, {p.upperSoil, p.upperLoad}, {p.lowerSoil, p.lowerLoad}));
    r.section = ChooseShelfSection(c, kb, r.pressure.thrustHeight);
    return r;
}

}  // namespace wall
