// The material of a calculated wall per metre of its length.
#pragma once

#include "calc/CaseResult.h"
#include "case/WallCase.h"

namespace wall {

constexpr double kSteelDensity = 7850;  // kg/m³

struct Quantities {
    double area = 0;  // cross-section of concrete or masonry, m² (counterforts spread over their spacing)
    double volumePerMetre = 0;  // m³ per metre of wall: the area times one metre
    bool reinforced = false;
    double steelPerMetre = 0;  // kg per metre of wall, reinforced-concrete walls only: an estimate
};

// The cross-section of concrete or masonry per metre of wall from the dimensions alone (no analysis):
// the outline's area, plus for a counterfort wall the counterfort triangle (heel width by panel
// height) times its thickness over its spacing.
double SectionArea(const WallCase& c);

// The wall's area is its weight over its unit weight, plus for a counterfort wall the counterfort
// triangle (heel width by panel height) times its thickness over its spacing. The steel is each
// designed section's As times the length its bars run per metre of wall, times 7850 kg/m³: the stem's
// bars over the stem height, the toe's and heel's over their widths, the face panel's over the panel
// height, and the counterfort's base section over the panel height, per spacing. A section not
// designed counts nothing. Needs an accepted case.
Quantities CaseQuantities(const WallCase& c, const CaseResult& r);

}  // namespace wall
