// Whether everything a report or the JSON of an accepted case would print is a finite number.
#pragma once

#include <string>

#include "calc/CaseResult.h"

namespace wall {

// Empty when every shown quantity is finite; otherwise names the first one that is not, its value
// and the inputs it comes from.
std::string NonFiniteResult(const WallResults& r);

}  // namespace wall
