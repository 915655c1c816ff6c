// Rankine active earth pressure with cohesion, strip surcharge and the wedge over the back face.
#include "analysis/RankinePressure.h"

#include <cmath>

#include "analysis/DoubleMath.h"
#include "analysis/EarthCoefficients.h"

namespace wall {

WedgeLoad BackfillWedgeLoad(const WallCase& c, const KernelBlock& kb) {
    const float H = kb.backHeight, alpha = kb.backAngle, gamma = kb.soilUnitWeight;
    const float q = kb.loadPressure, d = kb.loadOffset, a = kb.slopeRise, b = kb.slopeRun;
    const float t = H * Tan(alpha);  // horizontal extent of the back face
    const float x0 = kb.outline.x[0] - kb.outline.x[4];

    WedgeLoad r;
    if (c.wall.m_fBackSlope < 0) {
        // A back leaning away from the fill overhangs it: between the face and the vertical
        // through the bottom back corner lies wall, already weighed in W, and no soil rests on
        // the face. (Counting tan(−α)·H²·γ here would add a load that does not exist.)
        return r;
    }

    float Wq = 0, xq = 0;
    if (std::fabs(q) > 1e-4f && t > d) {
        Wq = (t - d) * q;
        xq = x0 + d + (t - d) / 2;
        if (Wq < 1e-6f) xq = 0;
    }

    // Ground profile over the back face.
    float bp, ap, W2, x2;
    if (t > b || std::fabs(t - b) < 1e-5f) {
        bp = b;
        ap = a;
        W2 = (t - b) * a;
        x2 = x0 + b + (t - b) / 2;
    } else {
        // The slope runs on beyond the back face: only the triangle of it over the face rests
        // on the wall. The soil farther out stands beyond the vertical through the bottom back
        // corner and carries nothing here (a vertical back carries no soil at all).
        bp = t;
        ap = (a / b) * t;
        W2 = 0;
        x2 = 0;
    }
    float W1 = t * H / 2, x1 = x0 + 2 * t / 3;
    float W3 = bp * ap / 2, x3 = x0 + 2 * bp / 3;
    if (W1 < 1e-5f || std::fabs(W1) < 1e-5f) W1 = x1 = 0;
    if (W3 < 1e-5f || std::fabs(W3) < 1e-5f) W3 = x3 = 0;
    if (std::fabs(W2) < 1e-5f) W2 = x2 = 0;
    if (std::fabs(W1 + W2 + W3) < 1e-5f) return r;

    const float x = (W1 * x1 + W3 * x3 + W2 * x2) / (W1 + W3 + W2);
    const float Ws0 = (W1 + W3 + W2) * gamma;
    r.xs = (Ws0 * x + Wq * xq) / (Wq + Ws0);
    r.Ws = Wq + Ws0;
    return r;
}

RankineResult RankineActivePressure(const WallCase& c, KernelBlock& kb) {
    const float H = kb.backHeight, alpha = kb.backAngle, beta = kb.slopeAngle;
    const float gamma = kb.soilUnitWeight, coh = kb.soilCohesion, phi = kb.soilFriction;
    const float q = kb.loadPressure, d = kb.loadOffset, l0 = kb.loadWidth, b = kb.slopeRun;
    const double tanA = Tan(alpha), tanPhi = Tan(phi);

    RankineResult r;
    const float Hp = H + H * tanA * Tan(beta);
    const float f = SurchargeFactor(beta, alpha);
    const float s = kb.outline.y[5] - kb.outline.y[4];
    r.effectiveHeight = Hp;
    r.sloping = beta > 1e-6f && H * tanA < b;
    r.shallow = Hp > d + l0 || std::fabs(d + l0 - Hp) < 1e-4f;

    if (r.sloping) {
        const double cosB = Cos(beta);
        r.Ka = RankineSlopingCoefficient(beta, phi);
        r.E1 = cosB * gamma * Hp * Hp * r.Ka / 2 - coh * Hp * (1 - r.Ka) / tanPhi;
    } else {
        r.Ka = RankineLevelCoefficient(phi);
        r.E1 = gamma * Hp * Hp * r.Ka / 2 - 2 * coh * Hp * Sqrt(r.Ka) + 2 * coh * coh / gamma;
    }

    // Soil in tension cannot pull the wall: a negative soil thrust counts as none.
    r.E1Computed = r.E1;
    if (r.E1 < 0) r.E1 = 0;
    const float E1 = r.E1;
    if (r.shallow) {
        const float Eq = q * l0 * r.Ka * f;
        r.E = E1 + Eq;
        r.Zy = (E1 * (Hp / 3 + s) + Eq * (Hp - d - l0 / 2 + s)) / (E1 + Eq);
    } else {
        const double dt = d * tanPhi;
        const float Eq1 = (q / 2) * (d - dt) * r.Ka * f;
        const float Eq2 = q * (Hp - d) * r.Ka * f;
        r.E = E1 + Eq1 + Eq2;
        r.Zy = (E1 * (Hp / 3 + s) + Eq1 * (Hp - 1.5 * (d - dt) - dt + s) + Eq2 * ((Hp - d) / 2 + s)) /
               (E1 + Eq1 + Eq2);
    }
    if (!(r.E > 0)) r.Zy = Hp / 3 + s;  // no thrust: its height does not matter, but must be a number

    if (r.sloping) {
        r.Ex = r.E * Cos(beta);
        r.Ey = r.E * Sin(beta);
    } else {
        r.Ex = r.E;
        r.Ey = 0;
    }
    r.Zx = (kb.outline.x[5] - kb.outline.x[4]) - r.Zy * tanA;

    if (r.sloping && c.soil.m_nSlopeSegs == 1) {
        // The slope runs on beyond the back face: the ground over the face ends at its top, t·tanβ
        // above the crest, and the wedge and the section check count that much soil, no more.
        kb.slopeRun = H * tanA;
        kb.slopeRise = kb.slopeRun * Tan(beta);
    }

    r.wedge = BackfillWedgeLoad(c, kb);
    if (std::fabs(r.Ey) > 1e-5f || std::fabs(r.wedge.Ws) > 1e-5f) {
        r.Zx = (r.Ey * r.Zx + r.wedge.Ws * r.wedge.xs) / (r.Ey + r.wedge.Ws);
        r.Ey = r.Ey + r.wedge.Ws;
    }
    kb.pressureX = r.Ex;
    kb.pressureY = r.Ey;
    kb.armX = r.Zx;
    kb.armY = r.Zy;
    return r;
}

}  // namespace wall
