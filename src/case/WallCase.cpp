// Derived slope columns and the two-decimal reading of table values.
#include "case/WallCase.h"

#include <cmath>

#include "case/LeadingNumber.h"
#include "text/Format.h"

namespace wall {

void UpdateSlopeRow(float row[kSlopeColumns]) {
    float run = row[kSlopeRun];
    float rise = row[kSlopeRise];
    row[kSlopeLength] = static_cast<float>(std::sqrt(static_cast<double>(run * run + rise * rise)));
    row[kSlopeAngle] = static_cast<float>(std::atan(static_cast<double>(rise / run)) * 180.0 / 3.14159);
}

void UpdateSlopeDerived(CSoil& soil) {
    int n = soil.m_nSlopeSegs;
    if (n > kSlopeRowsMax) n = kSlopeRowsMax;
    for (int i = 0; i < n; ++i) UpdateSlopeRow(soil.m_afSlope[i]);
}

float AsShown(float value) {
    if (!std::isfinite(value)) return value;
    // A whole number shows as itself ("17.00" reads back as 17): no text to make.
    if (std::fabs(value) < 1e7f && value == std::trunc(value)) return value;
    return static_cast<float>(LeadingNumber(TwoDecimals(value)));
}

int LayersInUse(const CSoil& soil) {
    for (int r = 0; r < kLayerRowsMax; ++r)
        if (!(AsShown(soil.m_afLayer[r][kLayerThickness]) > 0)) return r + 1;
    return kLayerRowsMax;
}

}  // namespace wall
