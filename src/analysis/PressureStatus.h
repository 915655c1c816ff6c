// Whether an earth-pressure computation produced a result, and the refusal message if not.
#pragma once

#include <string_view>

namespace wall {

enum class PressureStatus {
    kOk,
    // No finite thrust came out (a back of no height, or no wedge closing on the ground). Nothing is
    // stored, so the caller refuses the case rather than go on with an earlier case's pressure.
    kNoFailurePlane,
    // Rankine: the ground at the top of the vertical back rises more steeply than φ; the active
    // coefficient takes the root of cos²β − cos²φ < 0.
    kSlopeTooSteep,
    // Layered ground: the boundaries, the water table and a strip's band cut the back into more pieces
    // than a pressure diagram holds.
    kTooManyPieces,
};

// The message shown when a case is refused for this status; empty for kOk.
std::string_view PressureStatusMessage(PressureStatus status);

}  // namespace wall
