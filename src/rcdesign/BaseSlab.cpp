// Base pressures of a reinforced-concrete wall and the bending moments at the roots of heel and toe.
#include "rcdesign/BaseSlab.h"

#include <cmath>

#include "analysis/Polygon.h"
#include "rcdesign/LoadCombination.h"

namespace wall {

namespace {

// Trapezoid (or, with e > B/6, triangle) of base pressure under the vertical force G at eccentricity e;
// pd and pb interpolated linearly between σmax at the toe and σmin at the heel's end.
void Pressures(float B, float B1, float B2, BasePressures& p) {
    p.e = std::fabs(B / 2 - (p.Mv - p.Mh) / p.G);
    p.resultantOutsideBase = !(p.G > 0) || !(p.e < B / 2);
    if (p.resultantOutsideBase) {
        p.zeroStressZone = true;
        return;
    }
    p.zeroStressZone = p.e > B / 6;
    if (!p.zeroStressZone) {
        p.sigmaMax = (1 + 6 * p.e / B) * p.G / B;
        p.sigmaMin = (1 - 6 * p.e / B) * p.G / B;
    } else {
        p.sigmaMax = (2 * p.G / 3) / (B / 2 - p.e);
        p.sigmaMin = 0;
    }
    p.pd = (p.sigmaMax - p.sigmaMin) * B2 / B + p.sigmaMin;
    p.pb = (B - B1) * (p.sigmaMax - p.sigmaMin) / B + p.sigmaMin;
}

// Moment at the heel's root of the base pressure under the heel (σmin at its end, pd at its root).
float HeelPressureMoment(const BasePressures& p, float B2) {
    return p.sigmaMin * B2 * B2 / 2 + (p.pd - p.sigmaMin) * B2 * B2 / 6;
}

// Moment at the toe's root of the base pressure under the toe (pb at its root, σmax at the toe).
float ToePressureMoment(const BasePressures& p, float B1) {
    return p.pb * B1 * B1 / 2 + (p.sigmaMax - p.pb) * B1 * B1 / 3;
}

}  // namespace

BaseSlabResult BaseSlabDesign(const WallCase& c, const StemLoads& s, KernelBlock& kb) {
    const float H = c.wall.m_fHeight, H1 = c.wall.m_fToeHeight;
    const float B1 = c.wall.m_fToeWidth, B2 = c.wall.m_fHeelWidth;
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    const float W = kb.wallWeight, Zw = kb.wallWeightArm, gammaC = kb.wallUnitWeight;
    const float E1s = s.soilThrust, Eqs = s.loadThrust, z1 = s.soilThrustArm, zq = s.loadThrustArm;
    const float W1 = s.heelWeight, Zw1 = s.heelWeightArm, Wq = s.heelLoad, zW = s.heelLoadArm;
    const float sinPsi = static_cast<float>(std::sin(static_cast<double>(s.thrustAngle)));
    const float cosPsi = static_cast<float>(std::cos(static_cast<double>(s.thrustAngle)));

    BaseSlabResult r;
    const LoadCombination& g = kPermanentGoverning;
    const float B = X[5] - X[4];
    r.B = B;
    r.B1 = B1;
    r.B2 = B2;
    // Where the vertical components act: the heel's end for Rankine's vertical back, the inclined
    // Coulomb back at the thrusts' heights otherwise.
    const bool rankine = c.soil.m_nTheory != kCoulomb;
    const float z1v = rankine ? B : B - z1 * B2 / H;
    const float zqv = rankine ? B : B - zq * B2 / H;

    // Heel slab: its own weight and its centroid's distance from the heel's root at X7.
    const float hx[4] = {X[7], X[7], X[5], X[6]};
    const float hy[4] = {Y[7], Y[5], Y[5], Y[6]};
    const AreaCentroid heel = PolygonAreaCentroid(hx, hy, 4);
    const float heelSlabMoment = heel.area * gammaC * (heel.cx - X[7]);
    const float root = B - B2;  // the heel's root from the toe
    const float toeSlabMoment = gammaC * B1 * H1 * B1 / 2;

    // Design combination. For a Rankine back W1 already holds the surcharge standing on the heel and
    // Wq is that same part: it is counted with 1.35 inside W1 and again with 1.4 as Wq, which errs on
    // the heavy side for the base pressures and the heel moment.
    BasePressures& d = r.design;
    d.Mv =
        g.permanent * (sinPsi * z1v * E1s + W1 * Zw1 + W * Zw) + g.variable * (sinPsi * zqv * Eqs + Wq * zW);
    d.Mh = cosPsi * (g.variable * Eqs * (zq + H1) + g.permanent * E1s * (z1 + H1));
    d.G = g.permanent * (sinPsi * E1s + W + W1) + g.variable * (sinPsi * Eqs + Wq);
    Pressures(B, B1, B2, d);
    r.Md = (zW - root) * Wq * g.variable + (Zw1 - root) * W1 * g.permanent + heelSlabMoment * g.permanent -
           HeelPressureMoment(d, B2);
    r.Mb = ToePressureMoment(d, B1) - g.permanent * toeSlabMoment;

    // Standard combination, with the thrust as the block holds it.
    BasePressures& k = r.standard;
    k.Mv = kb.pressureY * kb.armX + W1 * Zw1 + W * Zw;
    k.Mh = kb.pressureX * kb.armY;
    k.G = W + W1 + kb.pressureY;
    Pressures(B, B1, B2, k);
    // The standard combination counts the surcharge on the heel once, through W1.
    r.Mdk = (Zw1 - root) * W1 + heelSlabMoment - HeelPressureMoment(k, B2);
    r.Mbk = ToePressureMoment(k, B1) - toeSlabMoment;
    if (!r.PressuresKnown()) r.Md = r.Mb = r.Mdk = r.Mbk = 0;
    kb.stressMax = k.sigmaMax;
    kb.stressMin = k.sigmaMin;
    return r;
}

}  // namespace wall
