// GB 50010-2010 shear on inclined sections, single precision.
#include "rcdesign/ShearFormulas.h"

#include <algorithm>
#include <cmath>

namespace wall {

float SlabShearHeightFactor(float h0) {
    const double h = std::clamp(static_cast<double>(h0), 800.0, 2000.0);
    return static_cast<float>(std::pow(800.0 / h, 0.25));
}

float SlabShearCapacity(float ft, float b, float h0) {
    return 0.7f * SlabShearHeightFactor(h0) * ft * b * h0;
}

float ConcreteStrengthFactor(float fcuk) {
    if (fcuk <= 50) return 1.0f;
    if (fcuk >= 80) return 0.8f;
    return 1.0f - 0.2f * (fcuk - 50) / 30;
}

float SectionShearLimit(float betaC, float fc, float b, float h0, float hw) {
    const float ratio = hw / b;
    const float k = ratio <= 4 ? 0.25f : ratio >= 6 ? 0.2f : 0.25f - 0.05f * (ratio - 4) / 2;
    return k * betaC * fc * b * h0;
}

float BeamConcreteShear(float ft, float b, float h0) {
    return 0.7f * ft * b * h0;
}

float RequiredStirrups(float V, float ft, float b, float h0, float fyv) {
    return StirrupsBeyond(V, BeamConcreteShear(ft, b, h0), ft, b, h0, fyv);
}

float StirrupsBeyond(float V, float Vc, float ft, float b, float h0, float fyv) {
    const float fy = std::min(fyv, 360.0f);
    const float needed = (V - Vc) / (fy * h0);
    return std::max(needed, 0.24f * ft / fy * b);
}

float SeismicSectionShearLimit(float betaC, float fc, float b, float h0, float spanRatio) {
    return (spanRatio > 2.5f ? 0.20f : 0.15f) * betaC * fc * b * h0;
}

float SeismicBeamConcreteShear(float ft, float b, float h0) {
    return 0.6f * 0.7f * ft * b * h0;
}

}  // namespace wall
