// Earth pressure of a cantilever or counterfort wall on its imaginary back, the heel's load and stability.
#include "rcdesign/ImaginaryBack.h"

#include <cmath>

#include "analysis/DoubleMath.h"
#include "analysis/EarthCoefficients.h"
#include "analysis/LoadKernelBlock.h"
#include "analysis/Polygon.h"

namespace wall {

namespace {

constexpr float kPi = 3.14159f;

// What one theory gives: the thrust, its height above the toe and direction, Ka, and the stem loads.
struct BackPressure {
    float E = 0;
    float Zy = 0;
    float Ka = 0;
    bool soilThrustClipped = false;
    float soilThrustComputed = 0;
    StemLoads loads;
};

// Coulomb: the plane from the heel's lower end to the stem's top is the back; the soil wedge between
// it and the stem rests on the heel.
BackPressure Coulomb(const WallCase& c, KernelBlock& kb, float beta, float f) {
    const float H = c.wall.m_fHeight, H1 = c.wall.m_fToeHeight, B2 = c.wall.m_fHeelWidth;
    const float delta = c.wall.m_fWallFriction * kPi / 180;
    const float alpha = kb.backAngle, phi = kb.soilFriction, gamma = kb.soilUnitWeight;
    const float d = kb.loadOffset, l0 = kb.loadWidth, q = kb.loadPressure;
    const float stem = H - H1;

    BackPressure p;
    StemLoads& s = p.loads;
    const float theta = Atan((Tan(alpha) * stem + B2) / stem);  // from the vertical
    s.thrustAngle = Atan(B2 / H) + phi;
    p.Ka = CoulombCoefficient(phi, theta, delta, beta);
    const float Ka = p.Ka;
    const float E1 = gamma * H * H * Ka / 2;
    s.soilThrust = gamma * stem * stem * Ka / 2;
    s.soilThrustArm = stem / 3;

    const bool reachesBase = std::fabs(d + l0 - H) < 1e-4f;
    if (d + l0 < H || reachesBase) {
        // The strip's influence ends above the base.
        const float Eq = f * q * l0 * Ka;
        p.E = E1 + Eq;
        p.Zy = ((H - d - l0 / 2) * Eq + E1 * H / 3) / (E1 + Eq);
        s.loadThrust = reachesBase ? f * q * (l0 - H1) * Ka : Eq;
        s.loadThrustArm = H - d - l0 / 2 - H1;
    } else {
        // The strip's influence reaches below the base.
        const float tanPhi = Tan(phi);
        const float fall = d - d * tanPhi;
        const float Eq1 = f * (q / 2) * fall * Ka;
        const float Eq2 = f * (H - d) * q * Ka;
        p.E = E1 + Eq1 + Eq2;
        p.Zy = ((H - d) * Eq2 / 2 + (H - 1.5f * fall - d * tanPhi) * Eq1 + E1 * H / 3) / p.E;
        s.loadThrust = f * (H - d - H1) * q * Ka + Eq1;
        s.loadThrustArm =
            (f * (H - d - H1) * (H - d - H1) * (q / 2) * Ka + (H - 1.5f * fall - d * tanPhi - H1) * Eq1) /
            s.loadThrust;
    }
    kb.armX = (kb.outline.x[5] - kb.outline.x[4]) - p.Zy * B2 / H;
    // The wedge's triangle over the heel has its centroid two thirds of B2 in from the heel's end.
    kb.extraWeight = gamma * stem * B2 / 2;
    kb.extraWeightArm = (kb.outline.x[5] - kb.outline.x[4]) - 2 * B2 / 3;
    return p;
}

// Soil in tension cannot pull the wall: a negative soil thrust (cohesion) counts as none. The first
// value clipped is kept for the report: the whole back's, or the stem's when only that one is negative.
float ClippedThrust(float thrust, BackPressure& p) {
    if (thrust >= 0) return thrust;
    if (!p.soilThrustClipped) p.soilThrustComputed = thrust;
    p.soilThrustClipped = true;
    return 0;
}

// Rankine: the vertical plane through the heel's end is the back; the soil (and surcharge) between it
// and the stem rests on the heel.
BackPressure Rankine(const WallCase& c, KernelBlock& kb, float beta, float f) {
    const float H = c.wall.m_fHeight, H1 = c.wall.m_fToeHeight, B2 = c.wall.m_fHeelWidth;
    const float phi = kb.soilFriction, coh = kb.soilCohesion, gamma = kb.soilUnitWeight;
    const float d = kb.loadOffset, l0 = kb.loadWidth, q = kb.loadPressure;
    const float a = kb.slopeRise, b = kb.slopeRun;
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;

    BackPressure p;
    StemLoads& s = p.loads;

    // Soil over the heel, up to the ground line (the slope, or its crest level when it ends sooner).
    const float tanBeta = Tan(beta);
    const float g = tanBeta * B2;
    float px[5] = {X[0], X[7], X[6], X[6], X[6]};
    float py[5] = {Y[0], Y[7], Y[6], g, g};
    if (a < g) {
        py[3] = a;
        px[4] = X[6] - (g - a) / tanBeta;
        py[4] = a;
    }
    const AreaCentroid soil = PolygonAreaCentroid(px, py, 5);
    const float soilWeight = soil.area * gamma;
    const float soilArm = soil.cx + X[0] - X[3];
    kb.extraWeight = soilWeight;
    kb.extraWeightArm = soilArm;

    float E1 = 0;
    if (beta < 1e-6f || b < B2 || std::fabs(B2 - b) < 1e-4f) {
        // Level ground over the back, at the crest's height.
        p.Ka = RankineLevelCoefficient(phi);
        const float Ka = p.Ka;
        const float rootKa = Sqrt(Ka);
        auto thrust = [&](float he) {
            return gamma * he * he * Ka / 2 - 2 * coh * he * rootKa + 2 * coh * coh / gamma;
        };
        const float he = H + a;
        E1 = ClippedThrust(thrust(he), p);
        s.thrustAngle = 0;
        s.soilThrust = ClippedThrust(thrust(he - H1), p);
        s.soilThrustArm = (he - H1) / 3;
    } else {
        const float cosBeta = Cos(beta);
        p.Ka = RankineSlopingCoefficient(beta, phi);
        const float Ka = p.Ka;
        const float tanPhi = Tan(phi);
        auto thrust = [&](float he) {
            return cosBeta * gamma * he * he * Ka / 2 - (1 - Ka) * he * coh / tanPhi;
        };
        const float he = tanBeta * B2 + H;
        E1 = ClippedThrust(thrust(he), p);
        s.thrustAngle = beta;
        s.soilThrust = ClippedThrust(thrust(he - H1), p);
        s.soilThrustArm = (he - H1) / 3;
    }
    const float Ka = p.Ka;

    float Hv = tanBeta * B2 + H;
    if (Hv > H + a) Hv = H + a;
    const float beyond = d + l0 - B2;  // far edge of the strip beyond the heel's end
    const float xT = std::fabs(X[4]);  // toe to the vertical through the top back corner

    if (beyond < 1e-4f) {
        // The whole strip stands on the heel.
        kb.extraWeight = l0 * q + soilWeight;
        kb.extraWeightArm = ((xT + d + l0 / 2) * l0 * q + soilArm * soilWeight) / kb.extraWeight;
        p.E = E1;
        p.Zy = Hv / 3;  // also where no thrust is left
        s.heelLoad = q * l0;
        s.heelLoadArm = xT + d + l0 / 2;
        return p;
    }

    // The part over the heel is load on the heel; the rest acts on the back, from its top when the strip
    // starts over the heel.
    float dv = 0, lv = 0;
    if (d <= B2) {
        kb.extraWeight = (B2 - d) * q + soilWeight;
        kb.extraWeightArm = ((xT + (d + B2) / 2) * (B2 - d) * q + soilArm * soilWeight) / kb.extraWeight;
        s.heelLoad = (B2 - d) * q;
        s.heelLoadArm = xT + (B2 + d) / 2;
        dv = 0;
        lv = l0 + d - B2;
    } else {
        dv = d - B2;
        lv = l0;
    }
    if (beyond == 1e-4f || (beyond > Hv && std::fabs(beyond - Hv) >= 1e-4f)) {
        // The strip's influence reaches below the base.
        const float tanPhi = Tan(phi);
        const float fall = dv - dv * tanPhi;
        const float Eq1 = f * (q / 2) * fall * Ka;
        const float Eq2 = f * (Hv - dv) * q * Ka;
        p.E = E1 + Eq1 + Eq2;
        p.Zy = ((Hv - dv) * Eq2 / 2 + (Hv - 1.5f * fall - dv * tanPhi) * Eq1 + E1 * Hv / 3) / p.E;
        s.loadThrust = f * (Hv - dv - H1) * q * Ka + Eq1;
        s.loadThrustArm = (f * (Hv - dv - H1) * (Hv - dv - H1) * (q / 2) * Ka +
                           (Hv - 1.5f * fall - dv * tanPhi - H1) * Eq1) /
                          s.loadThrust;
    } else {
        const float Eq = f * lv * q * Ka;
        p.E = E1 + Eq;
        p.Zy = ((Hv - dv - lv / 2) * Eq + E1 * Hv / 3) / (E1 + Eq);
        s.loadThrust = Eq;
        s.loadThrustArm = Hv - dv - lv / 2 - H1;
        if (Hv - H1 < dv + lv) {
            // The strip's influence ends below the top of the base slab.
            s.loadThrust = f * (Hv - H1 - dv) * q * Ka;
            s.loadThrustArm = (Hv - H1 - dv) / 2;
        }
    }
    if (!(p.E > 0)) p.Zy = Hv / 3;  // no thrust: its height does not matter, but must be a number
    return p;
}

}  // namespace

float FirstSlopeAngle(const CSoil& soil) {
    return AsShown(soil.m_afSlope[0][kSlopeAngle]) * kPi / 180;
}

ImaginaryBackResult ImaginaryBackPressure(const WallCase& c, KernelBlock& kb) {
    LoadKernelBlock(c, kb);
    const float beta = FirstSlopeAngle(c.soil);
    const float f = SurchargeFactor(beta, kb.backAngle);

    ImaginaryBackResult r;
    const bool coulomb = c.soil.m_nTheory == kCoulomb;
    r.theory = coulomb ? kCoulomb : kRankine;
    BackPressure p = coulomb ? Coulomb(c, kb, beta, f) : Rankine(c, kb, beta, f);
    if (!coulomb) kb.armX = kb.outline.x[5] - kb.outline.x[4];
    kb.pressureX = Cos(p.loads.thrustAngle) * p.E;
    kb.pressureY = Sin(p.loads.thrustAngle) * p.E;
    kb.armY = p.Zy;
    p.loads.heelWeight = kb.extraWeight;
    p.loads.heelWeightArm = kb.extraWeightArm;

    r.stability = ComputeStability(c, kb, WallActions(c, kb));
    r.W = kb.wallWeight;
    r.Zw = kb.wallWeightArm;
    r.W1 = kb.extraWeight;
    r.Zw1 = kb.extraWeightArm;
    r.E = p.E;
    r.Ex = kb.pressureX;
    r.Ey = kb.pressureY;
    r.Zx = kb.armX;
    r.Zy = kb.armY;
    r.Ka = p.Ka;
    r.soilThrustClipped = p.soilThrustClipped;
    r.soilThrustComputed = p.soilThrustComputed;
    r.loads = p.loads;
    return r;
}

}  // namespace wall
