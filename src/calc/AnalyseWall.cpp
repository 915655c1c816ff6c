// The analysis sequence of each wall type and the refusal of the step that failed.
#include "calc/AnalyseWall.h"

#include "analysis/PressureStatus.h"

namespace wall {

const StabilityResult* WallResults::Stability() const {
    return gravity       ? &gravity->stability
           : shelf       ? &shelf->stability
           : cantilever  ? &cantilever->back.stability
           : counterfort ? &counterfort->back.stability
                         : nullptr;
}

std::string AnalyseWall(const WallCase& c, KernelBlock& kb, WallResults& r) {
    // The analyses share one working state, which starts from the case's outline.
    kb.outline = BuildWallOutline(c);
    switch (c.wallType) {
        case kGravity:
        case kSemiGravity:
            r.gravity = GravityWallAnalysis(c, kb);
            if (r.gravity->status != PressureStatus::kOk)
                return std::string(PressureStatusMessage(r.gravity->status));
            if (r.gravity->section.status != PressureStatus::kOk)
                return std::string(PressureStatusMessage(r.gravity->section.status));
            return {};
        case kShelf:
            r.shelf = ShelfWallAnalysis(c, kb);
            if (r.shelf->pressure.status != PressureStatus::kOk)
                return std::string(PressureStatusMessage(r.shelf->pressure.status));
            return {};
        case kCantilever:
            r.cantilever = CantileverDesign(c, kb);
            if (r.cantilever->back.status != PressureStatus::kOk)
                return std::string(PressureStatusMessage(r.cantilever->back.status));
            return {};
        case kCounterfort:
            r.counterfort = CounterfortDesign(c, kb);
            if (r.counterfort->back.status != PressureStatus::kOk)
                return std::string(PressureStatusMessage(r.counterfort->back.status));
            return {};
        default:
            return "该挡土墙类型的计算尚未提供。";
    }
}

}  // namespace wall
