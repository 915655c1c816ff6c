// GB 50010-2010 formulas of flexural design and crack width, in single precision with double roots.
#include "rcdesign/FlexureFormulas.h"

#include <cmath>

namespace wall {

namespace {

float Root(float v) {
    return static_cast<float>(std::sqrt(static_cast<double>(v)));
}

}  // namespace

float BarCentroidDepth(float cover, float barDiameter) {
    return barDiameter / 2 + cover;
}

float RectangularSteelArea(float M, float fc, float b, float h0, float fy) {
    return (1 - Root(1 - 2 * M / (fc * b * h0 * h0))) * fc * b * h0 / fy;
}

float FlangeCapacity(float fc, float bf, float hf, float h0) {
    return fc * bf * hf * (h0 - hf / 2);
}

float TeeWebSteelArea(float M, float fc, float b, float bf, float hf, float h0, float fy) {
    float alphaS = (M - fc * (bf - b) * hf * (h0 - hf / 2)) / (fc * b * h0 * h0);
    float xi = 1 - Root(1 - 2 * alphaS);
    return (fc * b * xi * h0 + fc * (bf - b) * hf) / fy;
}

float TeeFlangeSteelArea(float M, float fc, float bf, float h0, float fy) {
    float alphaS = M / (fc * bf * h0 * h0);
    float gammaS = (1 + Root(1 - 2 * alphaS)) / 2;
    return M / (gammaS * fy * h0);
}

float TeeSlantFactor(float h, float bf, float b, float hf) {
    float web = h - hf;
    return Root(web * web + (bf - b) * (bf - b) / 4) / web;
}

float RatioPercent(float As, float b, float h0) {
    return 100 * As / (h0 * b);
}

float EffectiveTensionRatio(float As, float b, float h, float bf, float hf) {
    float rho = As / (0.5f * b * h + (bf - b) * hf);
    return rho < 0.01f ? 0.01f : rho;
}

float CrackSteelStress(float Mk, float As, float h0) {
    return Mk / (0.87f * As * h0);
}

float StrainNonUniformity(float ftk, float rhoTe, float sigmaS) {
    const float psi = 1.1f - 0.65f * ftk / (rhoTe * sigmaS);
    return psi < 0.2f ? 0.2f : psi > 1.0f ? 1.0f : psi;
}

float MaxCrackWidth(float psi, float sigmaS, float Es, float cover, float barDiameter, float rhoTe) {
    return 1.9f * psi * sigmaS / Es * (1.9f * cover + 0.08f * barDiameter / rhoTe);
}

}  // namespace wall
