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

    r.sketch.Ex = kb.pressureX;
    r.sketch.Ey = kb.pressureY;
    r.sketch.Zx = kb.armX;
    r.sketch.Zy = kb.armY;
    r.sketch.W = kb.wallWeight;
    r.sketch.Zw = kb.wallWeightArm;
    r.sketch.hasLower = true;
    r.sketch.lowerEx = kb.lowerPressureX;
    r.sketch.lowerEy = kb.lowerPressureY;
    r.sketch.lowerZx = kb.lowerArmX;
    r.sketch.lowerZy = kb.lowerArmY;

    r.stability = ComputeStability(c, kb, 1);
    r.section = ChooseShelfSection(c, kb, r.pressure.thrustHeight);
    return r;
}

}  // namespace wall
