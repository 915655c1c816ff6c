// Shelf wall: Coulomb pressure on the upper and lower back faces, soil on the platform.
#include "analysis/ShelfPressure.h"

#include <cmath>

#include "analysis/CoulombPressure.h"
#include "analysis/DoubleMath.h"
#include "analysis/Polygon.h"

namespace wall {
namespace {

// The surcharge's influence, spread at 45°, ends above the platform.
bool EndsAbovePlatform(float d, float l0, float h1) {
    return d + l0 < h1 || std::fabs(d + l0 - h1) < 1e-4f;
}

}  // namespace

ShelfPressureResult ShelfPressure(const WallCase& c, KernelBlock& kb) {
    ShelfPressureResult r;
    const float H = kb.backHeight, phi = kb.soilFriction, delta = kb.wallFriction, beta = kb.slopeAngle;
    const float gamma = kb.soilUnitWeight, q = kb.loadPressure, l0 = kb.loadWidth, d = kb.loadOffset;
    const float h1 = c.wall.m_fHeelHeight;
    const float h2 = H - h1;
    const float alpha1 = Atan(c.wall.m_fBackSlope), alpha2 = Atan(c.wall.m_fLowerBackSlope);
    const float s = kb.outline.y[5] - kb.outline.y[4];
    const float f1 = SurchargeFactor(beta, alpha1);
    const float f2 = SurchargeFactor(beta, alpha2);
    const double tanPhi = Tan(phi);
    r.gamma = gamma;
    r.h1 = h1;
    r.h2 = h2;

    // Soil on the platform: P0, P7, P6 and the point above P6 along the lower back batter.
    const float px[4] = {kb.outline.x[0], kb.outline.x[7], kb.outline.x[6],
                         static_cast<float>(kb.outline.x[6] + kb.outline.y[6] * Tan(alpha2))};
    const float py[4] = {kb.outline.y[0], kb.outline.y[7], kb.outline.y[6], 0};
    const AreaCentroid soil = PolygonAreaCentroid(px, py, 4);
    r.extraWeight = soil.area * gamma;
    r.extraWeightArm = soil.cx + kb.outline.x[0] - kb.outline.x[3];
    kb.extraWeight = r.extraWeight;
    kb.extraWeightArm = r.extraWeightArm;

    // Upper wall.
    r.Ka1 = CoulombCoefficient(phi, alpha1, delta, beta);
    const float E1 = 0.5f * r.Ka1 * gamma * h1 * h1;
    float M;
    if (EndsAbovePlatform(d, l0, h1)) {
        const float Eq = q * l0 * r.Ka1 * f1;
        r.Eq1 = Eq;
        r.E1 = E1 + Eq;
        M = (h1 - d - l0 / 2) * Eq + E1 * h1 / 3;
    } else {
        const float Eq1 = (q / 2) * (d - d * tanPhi) * r.Ka1 * f1;
        const float Eq2 = (h1 - d) * q * r.Ka1 * f1;
        r.Eq1 = Eq1 + Eq2;
        r.E1 = E1 + Eq1 + Eq2;
        M = (h1 - d) * Eq2 / 2 + (h1 - 1.5 * (d - d * tanPhi) - d * tanPhi) * Eq1 + E1 * h1 / 3;
    }
    const float z = M / r.E1;
    r.thrustHeight = z;
    r.Ex = r.E1 * Cos(alpha1 + delta);
    r.Ey = r.E1 * Sin(alpha1 + delta);
    r.Zy = (H - h1) + s + z;
    r.Zx = (kb.outline.x[7] - kb.outline.x[4]) - z * Tan(alpha1);

    // Lower wall: the soil above the platform acts on it as a uniform load γ·h1.
    r.Ka2 = CoulombCoefficient(phi, alpha2, delta, beta);
    const float Ka2 = r.Ka2;
    const float E2s = 0.5f * Ka2 * gamma * h2 * h2 + Ka2 * gamma * h1 * h2;
    const float Ms = (h2 / 2 + s) * Ka2 * gamma * h1 * h2 + (h2 / 3 + s) * 0.5f * Ka2 * gamma * h2 * h2;
    if (EndsAbovePlatform(d, l0, h1)) {
        r.E2 = E2s;
        r.Z2y = Ms / E2s;
    } else if (H <= d + l0) {
        const float Eq1 = (q / 2) * (d - d * tanPhi) * Ka2 * f2;
        const float Eq2 = (H - d) * q * Ka2 * f2;
        r.Eq2 = Eq1 + Eq2;
        r.E2 = E2s + Eq1 + Eq2;
        r.Z2y = (((H - d) / 2 + s) * Eq2 + (H - 1.5 * (d - d * tanPhi) - d * tanPhi + s) * Eq1 + Ms) / r.E2;
    } else {
        const float Eq = q * l0 * Ka2 * f2;
        r.Eq2 = Eq;
        r.E2 = E2s + Eq;
        r.Z2y = ((h2 + s - d - l0 / 2) * Eq + Ms) / r.E2;
    }
    r.E2x = r.E2 * Cos(alpha2 + delta);
    r.E2y = r.E2 * Sin(alpha2 + delta);
    r.Z2x = (kb.outline.x[5] - kb.outline.x[4]) - r.Z2y * Tan(alpha2);

    kb.pressureX = r.Ex;
    kb.pressureY = r.Ey;
    kb.armX = r.Zx;
    kb.armY = r.Zy;
    kb.lowerPressureX = r.E2x;
    kb.lowerPressureY = r.E2y;
    kb.lowerArmX = r.Z2x;
    kb.lowerArmY = r.Z2y;
    return r;
}

}  // namespace wall
