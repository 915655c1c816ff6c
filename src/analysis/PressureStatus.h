// Whether an earth-pressure computation produced a result, and the refusal message if not.
#pragma once

#include <string_view>

namespace wall {

enum class PressureStatus {
    kOk,
    // Coulomb's trial wedge: φ + α + δ above 90°, no failure plane exists. The pressure fields of
    // the block are left untouched, so the caller must refuse the case rather than go on with
    // whatever an earlier calculation left there.
    kWedgeTooSteep,
    // Coulomb's trial wedge: the ground falls away so steeply against the wall height that the
    // failure plane's tangent takes the root of a negative number. Nothing is stored.
    kNoFailurePlane,
    // Rankine: the ground at the top of the vertical back rises more steeply than φ; the active
    // coefficient takes the root of cos²β − cos²φ < 0.
    kSlopeTooSteep,
};

// The message shown when a case is refused for this status; empty for kOk.
std::string_view PressureStatusMessage(PressureStatus status);

}  // namespace wall
