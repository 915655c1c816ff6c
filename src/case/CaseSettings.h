// The inputs beyond the two records (required factors, foundation) by their names in the text format.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "case/WallCase.h"

namespace wall {

// The names, as the text format nests them and `wallcalc set` takes them.
constexpr std::array<std::string_view, 4> kCaseSettingNames = {
    "checks.overturning", "checks.sliding", "foundation.fa", "foundation.eccentricityLimit"};

// Sets one of them, checked against its range: a required factor 1 ≤ K ≤ 10, fa ≥ 0 kPa (0: not
// given), an eccentricity limit 0 < e ≤ 0.5. Returns the reason it was refused, or an empty string.
std::string SetCaseSetting(CaseSettings& s, std::string_view name, double value);

// Whether a name is one of them.
bool IsCaseSettingName(std::string_view name);

}  // namespace wall
