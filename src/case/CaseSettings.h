// The inputs beyond the two records (required factors, foundation) by their names in the text format.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "case/WallCase.h"

namespace wall {

// The names, as the text format nests them and `wallcalc set` takes them.
constexpr std::array<std::string_view, 27> kCaseSettingNames = {"checks.overturning",
                                                                "checks.sliding",
                                                                "foundation.fa",
                                                                "foundation.eccentricityLimit",
                                                                "water.behind",
                                                                "water.front",
                                                                "water.unitWeight",
                                                                "water.combined",
                                                                "seismic.acceleration",
                                                                "seismic.angle",
                                                                "seismic.angleWater",
                                                                "seismic.importance",
                                                                "seismic.cz",
                                                                "checks.seismicOverturning",
                                                                "checks.seismicSliding",
                                                                "foundation.seismicFactor",
                                                                "foundation.gamma",
                                                                "foundation.gammaM",
                                                                "foundation.depth",
                                                                "foundation.fak",
                                                                "foundation.etaB",
                                                                "foundation.etaD",
                                                                "foundation.cohesion",
                                                                "foundation.friction",
                                                                "foundation.sand",
                                                                "checks.overall",
                                                                "checks.seismicOverall"};

// Sets one of them, checked against its range: a required factor 1 ≤ K ≤ 10, fa ≥ 0 kPa (0: not
// given), an eccentricity limit 0 < e ≤ 0.5, water levels ≥ 0 m, 0 < γw ≤ 100 kN/m³, the mode 0 or 1;
// the acceleration 0…0.4 (a value outside the code's table needs its angle, which the calculation
// checks), the seismic angles 0…15°, 0.5 ≤ Ci ≤ 2, 0.1 ≤ Cz ≤ 1, 1 ≤ ζa ≤ 1.5; under the base
// 0 < γ, γm ≤ 40 kN/m³, 0 ≤ d ≤ 100 m, fak ≥ 0 (0: not given), 0 ≤ ηb ≤ 3, 1 ≤ ηd ≤ 4.4, ck ≥ 0 kPa,
// 0 ≤ φk ≤ 40° (the table of §5.2.5), sand 0 or 1.
// Returns the reason it was refused, or an empty string.
std::string SetCaseSetting(CaseSettings& s, std::string_view name, double value);

// Takes away a setting that may be absent (fa, the water levels): "not given", "no water". Returns the
// reason it was refused (a setting that must have a value), or an empty string.
std::string ClearCaseSetting(CaseSettings& s, std::string_view name);

// One setting as `wallcalc fields` lists it: name, title, unit and range.
struct CaseSettingInfo {
    std::string_view name;
    const char* title;
    const char* unit;
    std::string range;
};
std::array<CaseSettingInfo, kCaseSettingNames.size()> CaseSettingInfos();

// Whether a name is one of them.
bool IsCaseSettingName(std::string_view name);

}  // namespace wall
