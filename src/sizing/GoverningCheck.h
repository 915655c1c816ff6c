// The check with the least margin: the one that decides a wall's size.
#pragma once

#include <optional>
#include <vector>

#include "calc/Verdict.h"

namespace wall {

// The margin of a check relative to its required value: value/required − 1 for "≥", required/value − 1
// for "≤" and "<" (a check without a defined value, or a warning, has none).
std::optional<double> CheckMargin(const CheckVerdict& v);

// The passing check with the least margin; nothing when no check has one.
std::optional<CheckVerdict> GoverningCheck(const std::vector<CheckVerdict>& checks);

}  // namespace wall
