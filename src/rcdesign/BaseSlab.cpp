// Base pressures of a reinforced-concrete wall and the bending moments at the roots of heel and toe.
#include "rcdesign/BaseSlab.h"

#include <algorithm>
#include <cmath>

#include "analysis/BaseContact.h"
#include "analysis/Polygon.h"

namespace wall {

namespace {

// Pressure at x from the toe: a trapezoid over the whole base, or a triangle over the contact
// length from the edge the resultant leans to.
// The distribution of a combination's pressures (none where the resultant leaves the base: every
// pressure 0).
BaseContact ContactOf(const BasePressures& p, double B) {
    if (p.resultantOutsideBase) return {B, 0, 0, 0, false, true};
    return {B, p.sigmaMax, p.sigmaMin, p.contact, p.towardsHeel, p.zeroStressZone};
}

// σmax, σmin, the contact and the pressures and moments at the roots from Mv, Mh and G.
void Pressures(float B, float B1, float B2, BasePressures& p) {
    const double xR = (static_cast<double>(p.Mv) - p.Mh) / p.G;
    p.e = static_cast<float>(std::fabs(B / 2 - xR));
    p.towardsHeel = xR > B / 2;
    p.resultantOutsideBase = !(p.G > 0) || !(p.e < B / 2);
    if (p.resultantOutsideBase) {
        p.zeroStressZone = true;
        return;
    }
    p.zeroStressZone = p.e > B / 6;
    if (!p.zeroStressZone) {
        p.contact = B;
        p.sigmaMax = (1 + 6 * p.e / B) * p.G / B;
        p.sigmaMin = (1 - 6 * p.e / B) * p.G / B;
    } else {
        p.contact = 3 * (B / 2 - p.e);
        p.sigmaMax = (2 * p.G / 3) / (B / 2 - p.e);
        p.sigmaMin = 0;
    }
    const double root = B - B2;  // the heel's root from the toe
    const BaseContact c = ContactOf(p, B);
    p.pd = static_cast<float>(BasePressureAt(c, root));
    p.pb = static_cast<float>(BasePressureAt(c, B1));
    p.pEnd = static_cast<float>(BasePressureAt(c, B));
    p.heelMoment = static_cast<float>(BasePressureMoment(c, root, B, root));
    p.toeMoment = static_cast<float>(BasePressureMoment(c, 0, B1, B1));
    p.heelForce = static_cast<float>(BasePressureForce(c, root, B));
    p.toeForce = static_cast<float>(BasePressureForce(c, 0, B1));
}

BasePressures Combination(const BaseLoads& l, const LoadCombination& f, float B, float B1, float B2) {
    const double s = std::sin(static_cast<double>(l.psi)), c = std::cos(static_cast<double>(l.psi));
    BasePressures p;
    p.factors = f;
    const double G = f.permanent, Q = f.variable;
    p.Mv = static_cast<float>(G * (l.W * l.Zw + l.W1 * l.Zw1 + s * l.Es * l.Esx) +
                              Q * (l.Wq * l.Zwq + s * l.Eq * l.Eqx));
    p.Mh = static_cast<float>(c * (G * l.Es * l.Esy + Q * l.Eq * l.Eqy));
    p.G = static_cast<float>(G * (l.W + l.W1 + s * l.Es) + Q * (l.Wq + s * l.Eq));
    if (l.HasWater()) {
        // The water behind pushes (γG); the water in front and the uplift, which ease the toe's
        // pressure, at 1.0.
        p.Mv = static_cast<float>(p.Mv + G * l.PwV * l.Pwx - l.U * l.Xu);
        p.Mh = static_cast<float>(p.Mh + G * l.Pw * l.Pwy - l.Pf * l.Yf);
        p.G = static_cast<float>(p.G + G * l.PwV - l.U);
    }
    if (l.Fi > 0) p.Mh = static_cast<float>(p.Mh + G * l.Fi * l.Zfi);
    Pressures(B, B1, B2, p);
    return p;
}

// A linear load from ua at a to ub at b: its force and its moments about a and about b.
struct LinearLoad {
    double force = 0, aboutA = 0, aboutB = 0;
};
LinearLoad Linear(double ua, double ub, double a, double b) {
    const double L = b - a;
    return {(ua + ub) / 2 * L, L * L * (ua + 2 * ub) / 6, L * L * (2 * ua + ub) / 6};
}

// The one of two candidate moments of larger magnitude.
float Larger(float a, float b) {
    return std::fabs(b) > std::fabs(a) ? b : a;
}

}  // namespace

bool BaseSlabResult::PressuresKnown() const {
    if (standard.resultantOutsideBase) return false;
    for (const BasePressures& p : design)
        if (p.resultantOutsideBase) return false;
    return true;
}

BaseLoads BaseLoadsOf(const ImaginaryBackResult& b, const KernelBlock& kb) {
    BaseLoads l;
    const float x4 = -kb.outline.x[4], y4 = -kb.outline.y[4];
    l.W = b.W;
    l.Zw = b.Zw;
    l.W1 = b.W1;
    l.Zw1 = b.Zw1;
    l.Wq = b.Wq;
    l.Zwq = b.Zwq;
    l.psi = b.loads.thrustAngle;
    const ThrustResult& t = b.thrust;
    const DiagramThrust soil = t.diagram.Thrust(PressureDiagram::Part::kSoil);
    const DiagramThrust load = t.diagram.Thrust(PressureDiagram::Part::kLoad);
    const Point ps = t.back.At(soil.depth), pq = t.back.At(load.depth);
    l.Es = soil.force;
    l.Esx = static_cast<float>(ps.x) + x4;
    l.Esy = static_cast<float>(ps.y) + y4;
    l.Eq = load.force;
    l.Eqx = static_cast<float>(pq.x) + x4;
    l.Eqy = static_cast<float>(pq.y) + y4;
    double inertia = 0, moment = 0;
    for (const Action& a : b.stability.actions)
        if (a.Inertia()) {
            inertia += a.Fx;
            moment += static_cast<double>(a.Fx) * a.y;
        }
    if (inertia > 0) {
        l.Fi = static_cast<float>(inertia);
        l.Zfi = static_cast<float>(moment / inertia);
    }
    const WaterResult& w = b.water;
    l.gammaW = w.gammaW;
    if (w.behind) {
        l.Pw = w.PwX;
        l.PwV = w.PwY;
        l.Pwx = w.x;
        l.Pwy = w.y;
    }
    if (w.front) {
        l.Pf = w.Pf;
        l.Yf = w.hf / 3;
    }
    if (w.uplift) {
        l.h4 = w.h4;
        l.h5 = w.h5;
        l.U = w.U;
        l.Xu = w.ux;
    }
    return l;
}

BaseSlabResult BaseSlabDesign(const WallCase& c, const BaseLoads& loads, KernelBlock& kb) {
    const float H1 = c.wall.m_fToeHeight;
    const float B1 = c.wall.m_fToeWidth, B2 = c.wall.m_fHeelWidth;
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    const float gammaC = kb.wallUnitWeight;

    BaseSlabResult r;
    const float B = X[5] - X[4];
    r.B = B;
    r.B1 = B1;
    r.B2 = B2;
    r.loads = loads;
    const BaseLoads& l = r.loads;

    // Heel slab: its own weight and its centroid's distance from the heel's root at X7.
    const float hx[4] = {X[7], X[7], X[5], X[6]};
    const float hy[4] = {Y[7], Y[5], Y[5], Y[6]};
    const AreaCentroid heel = PolygonAreaCentroid(hx, hy, 4);
    const float root = B - B2;  // the heel's root from the toe
    r.heelDown = l.W1 * (l.Zw1 - root) + heel.area * gammaC * (heel.cx - X[7]);
    r.heelLoadDown = l.Wq * (l.Zwq - root);
    r.toeSlab = gammaC * B1 * H1 * B1 / 2;
    r.heelDownForce = l.W1 + heel.area * gammaC;
    r.heelLoadForce = l.Wq;
    r.toeSlabForce = gammaC * B1 * H1;
    if (l.U > 0) {
        // The uplift, linear from the toe's head to the heel's, under each slab.
        auto u = [&](double x) { return l.gammaW * (l.h4 + (l.h5 - l.h4) * x / B); };
        const LinearLoad heelU = Linear(u(root), u(B), root, B), toeU = Linear(u(0), u(B1), 0, B1);
        r.heelUplift = static_cast<float>(heelU.aboutA);
        r.heelUpliftForce = static_cast<float>(heelU.force);
        r.toeUplift = static_cast<float>(toeU.aboutB);
        r.toeUpliftForce = static_cast<float>(toeU.force);
    }

    r.standard = Combination(l, kCharacteristic, B, B1, B2);
    const BasePressures& k = r.standard;
    r.Mdk = r.heelDown + r.heelLoadDown - k.heelMoment - r.heelUplift;
    r.Mbk = k.toeMoment + r.toeUplift - r.toeSlab;
    float heelShear[kBasicCombinations.size()] = {}, toeShear[kBasicCombinations.size()] = {};
    for (size_t i = 0; i < kBasicCombinations.size(); ++i) {
        const LoadCombination& f = kBasicCombinations[i];
        BasePressures& d = r.design[i];
        d = Combination(l, f, B, B1, B2);
        // Heel: its loads down against the pressure up. Where the loads govern (top in tension) they
        // take their factors and the pressure its characteristic value; where the pressure governs it
        // takes the larger of its design and characteristic values, the soil and slab 1.0 and the
        // surcharge 0 (GB 55001-2021 §3.1.13). The uplift pushes up with the pressure: 1.0 where it
        // helps, γG where it governs.
        const float top =
            f.permanent * r.heelDown + f.variable * r.heelLoadDown - k.heelMoment - r.heelUplift;
        const float bottom = r.heelDown - std::max(d.heelMoment, k.heelMoment) - f.permanent * r.heelUplift;
        r.heelM[i] = Larger(top, bottom);
        // Toe: the pressure up against the slab's weight down.
        const float under = std::max(d.toeMoment, k.toeMoment) + f.permanent * r.toeUplift - r.toeSlab;
        const float over = k.toeMoment + r.toeUplift - f.permanent * r.toeSlab;
        r.toeM[i] = Larger(under, over);
        // The shears at the roots, term by term alike.
        heelShear[i] = Larger(
            f.permanent * r.heelDownForce + f.variable * r.heelLoadForce - k.heelForce - r.heelUpliftForce,
            r.heelDownForce - std::max(d.heelForce, k.heelForce) - f.permanent * r.heelUpliftForce);
        toeShear[i] =
            Larger(std::max(d.toeForce, k.toeForce) + f.permanent * r.toeUpliftForce - r.toeSlabForce,
                   k.toeForce + r.toeUpliftForce - f.permanent * r.toeSlabForce);
    }
    r.heelV.combination = Governing(heelShear[0], heelShear[1]);
    r.heelV.M = heelShear[r.heelV.combination];
    r.toeV.combination = Governing(toeShear[0], toeShear[1]);
    r.toeV.M = toeShear[r.toeV.combination];
    r.heel.combination = Governing(r.heelM[0], r.heelM[1]);
    r.heel.M = r.heelM[r.heel.combination];
    r.toe.combination = Governing(r.toeM[0], r.toeM[1]);
    r.toe.M = r.toeM[r.toe.combination];
    r.Md = r.heel.M;
    r.Mb = r.toe.M;
    if (!r.PressuresKnown()) r.Md = r.Mb = r.Mdk = r.Mbk = 0;
    kb.stressMax = k.sigmaMax;
    kb.stressMin = k.sigmaMin;
    return r;
}

}  // namespace wall
