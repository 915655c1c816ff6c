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
    // A row without run or rise (unused, or being typed) has no angle: 0 rather than NaN.
    row[kSlopeAngle] = run == 0 && rise == 0
                           ? 0.0f
                           : static_cast<float>(std::atan(static_cast<double>(rise / run)) * 180.0 / 3.14159);
}

void UpdateSlopeDerived(CSoil& soil) {
    int n = soil.m_nSlopeSegs;
    if (n > kSlopeRowsMax) n = kSlopeRowsMax;
    for (int i = 0; i < n; ++i) UpdateSlopeRow(soil.m_afSlope[i]);
}

float AsShown(float value) {
    if (!std::isfinite(value)) return value;
    // Within a thousandth of a hundredth the text's rounding cannot be in doubt: r/100 is then what
    // "%.2f" prints and reads back (both round correctly), without making the text.
    const double hundredths = static_cast<double>(value) * 100;
    const double r = std::nearbyint(hundredths);
    if (std::fabs(hundredths) < 1e12 && std::fabs(hundredths - r) < 1e-3) return static_cast<float>(r / 100);
    return static_cast<float>(LeadingNumber(TwoDecimals(value)));
}

int LayersInUse(const CSoil& soil) {
    for (int r = 0; r < kLayerRowsMax; ++r)
        if (!(AsShown(soil.m_afLayer[r][kLayerThickness]) > 0)) return r + 1;
    return kLayerRowsMax;
}

}  // namespace wall
