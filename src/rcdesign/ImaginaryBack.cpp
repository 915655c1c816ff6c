// Earth pressure of a cantilever or counterfort wall on its imaginary back, the heel's load and stability.
#include "rcdesign/ImaginaryBack.h"

#include <algorithm>
#include <cmath>

#include "analysis/CoulombPressure.h"
#include "analysis/DoubleMath.h"
#include "analysis/EarthCoefficients.h"
#include "analysis/EarthThrust.h"
#include "analysis/LoadKernelBlock.h"
#include "analysis/Polygon.h"
#include "analysis/SoilProfile.h"
#include "analysis/WaterActions.h"

namespace wall {

namespace {

// What one theory gives: the thrust with its diagram and direction, the stem loads, the heel's soil.
struct BackPressure {
    ThrustResult thrust;
    ThrustResult bare;  // Coulomb under a strip on its wedge: the thrust on the same back without it
    bool hasBare = false;
    StemLoads loads;
    float armX = 0;  // Ey's line of action from the toe
};

// The thrust's parts above the top of the base slab (the stem's height): the soil's and the strip's,
// each with its height above the slab.
void StemParts(const ThrustResult& t, float stem, StemLoads& s) {
    const DiagramThrust soil = t.diagram.Thrust(PressureDiagram::Part::kSoil, stem);
    const DiagramThrust load = t.diagram.Thrust(PressureDiagram::Part::kLoad, stem);
    s.soilThrust = soil.force;
    s.soilThrustArm = soil.force > 0 ? stem - soil.depth : stem / 3;
    s.loadThrust = load.force;
    s.loadThrustArm = load.force > 0 ? stem - load.depth : 0;
    const DiagramThrust water = t.diagram.Thrust(PressureDiagram::Part::kWater, stem);
    s.waterThrust = water.force;
    s.waterThrustArm = water.force > 0 ? stem - water.depth : 0;
}

// Layers or a water table: the weights differ by band, one dry soil is γ·area as before.
bool Layered(const SoilProfile& p) {
    return p.count > 1 || p.water;
}

// The soil between the stem's back, the heel's top and a back of the given top and foot (the imaginary
// back), up to the ground: its weight and its arm from the toe.
void HeelSoil(const KernelBlock& kb, const GroundSurface& g, const WallBack& back, const SoilProfile& profile,
              StemLoads& s) {
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    float px[GroundSurface::kMaxPoints + 4], py[GroundSurface::kMaxPoints + 4];
    int n = 0;
    auto add = [&](double x, double y) {
        px[n] = static_cast<float>(x);
        py[n++] = static_cast<float>(y);
    };
    add(X[0], Y[0]);
    add(X[7], Y[7]);
    // Where the back crosses the heel's top level (a vertical back: the heel's end).
    const double t = (back.top.y - Y[6]) / back.Height();
    const Point heelTop = back.At(t * back.Height());
    add(heelTop.x, heelTop.y);
    add(back.top.x, back.top.y);
    for (int i = g.count - 1; i > 0; --i)
        if (g.points[i].x > X[0] && g.points[i].x < back.top.x) add(g.points[i].x, g.points[i].y);
    if (Layered(profile)) {
        // Each layer at its γ, γsat below the water table: the water in the pores rests on the heel.
        const SoilWeight w = WeightInside(px, py, n, profile);
        s.heelWeight = static_cast<float>(w.W);
        s.heelWeightArm = s.heelWeight > 0 ? static_cast<float>(w.x - X[4]) : 0;
        s.heelWeightHeight = s.heelWeight > 0 ? static_cast<float>(w.y - Y[4]) : 0;
        return;
    }
    const AreaCentroid soil = PolygonAreaCentroid(px, py, n);
    s.heelWeight = std::fabs(soil.area) * kb.soilUnitWeight;
    s.heelWeightArm = s.heelWeight > 0 ? soil.cx - X[4] : 0;
    s.heelWeightHeight = s.heelWeight > 0 ? soil.cy - Y[4] : 0;
}

// Coulomb: the line from the heel's lower end P5 to the stem's top P0 is the back; the soil between it
// and the stem rests on the heel, the strip stands wholly beyond it.
BackPressure Coulomb(const WallCase& c, const KernelBlock& kb, const GroundSurface& g,
                     const SoilProfile& profile) {
    const float H = c.wall.m_fHeight, B2 = c.wall.m_fHeelWidth;
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    BackPressure p;
    const WallBack back{{X[0], Y[0]}, {X[5], Y[5]}};
    p.thrust = LayeredThrust(back, g, profile, kCoulomb);
    p.hasBare = LayeredThrustWithoutStrip(p.thrust, g, profile, kCoulomb, p.bare);
    // The thrust on a back in the soil inclines at φ to its normal.
    p.loads.thrustAngle = Atan(B2 / H) + kb.soilFriction;
    // The stem's part: from the back's top down to the top of the base slab.
    StemParts(p.thrust, static_cast<float>(back.top.y - Y[6]), p.loads);
    HeelSoil(kb, g, back, profile, p.loads);
    p.armX = static_cast<float>(p.thrust.point.x - X[4]);
    return p;
}

// Rankine: the vertical through the heel's end is the back; the soil and the part of the strip between
// it and the stem rest on the heel.
BackPressure Rankine(const KernelBlock& kb, const GroundSurface& g, const SoilProfile& profile) {
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    BackPressure p;
    const WallBack back{{X[5], g.HeightAt(X[5])}, {X[5], Y[5]}};
    p.thrust = LayeredThrust(back, g, profile, kRankine);
    const double beta = g.AngleAt(X[5]);
    p.loads.thrustAngle = static_cast<float>(beta > 1e-6 ? beta : 0.0);
    StemParts(p.thrust, static_cast<float>(back.top.y - Y[6]), p.loads);
    HeelSoil(kb, g, back, profile, p.loads);
    const double length = g.strip.LengthWithin(X[0], X[5]);
    if (length > 0) {
        p.loads.heelLoad = static_cast<float>(g.strip.q * length);
        p.loads.heelLoadArm =
            static_cast<float>(std::max(g.strip.from, static_cast<double>(X[0])) + length / 2 - X[4]);
    }
    p.armX = X[5] - X[4];
    return p;
}

}  // namespace

ImaginaryBackResult ImaginaryBackPressure(const WallCase& c, KernelBlock& kb) {
    LoadKernelBlock(c, kb);
    const GroundSurface g = GroundOf(c.soil);
    ImaginaryBackResult r;
    const bool coulomb = c.soil.m_nTheory == kCoulomb;
    r.theory = coulomb ? kCoulomb : kRankine;
    const SoilProfile profile = ProfileOf(kb, kb.outline.y[0]);
    BackPressure p = coulomb ? Coulomb(c, kb, g, profile) : Rankine(kb, g, profile);
    r.status = p.thrust.status;
    const ThrustResult& t = p.thrust;
    kb.pressureX = Cos(p.loads.thrustAngle) * t.E;
    kb.pressureY = Sin(p.loads.thrustAngle) * t.E;
    kb.armX = p.armX;
    kb.armY = static_cast<float>(t.point.y - kb.outline.y[4]);
    kb.extraWeight = p.loads.heelWeight;
    kb.extraWeightArm = p.loads.heelWeightArm;
    kb.extraWeightHeight = p.loads.heelWeightHeight;

    const Point toe = {kb.outline.x[4], kb.outline.y[4]};
    const ThrustParts parts = {PartOfThrust(t, PressureDiagram::Part::kSoil, p.loads.thrustAngle, toe),
                               PartOfThrust(t, PressureDiagram::Part::kLoad, p.loads.thrustAngle, toe)};
    ActionList actions = WallActions(c, kb, parts);
    if (p.loads.heelLoad > 0) {
        // The strip standing on the heel: a load of its own, after the heel's soil.
        ActionList withLoad;
        for (const Action& a : actions) {
            if (a.kind == ActionKind::kEarthPressure)
                withLoad.Add({ActionKind::kSurchargeLoad, "", "Wq", "Zwq", "", 0, p.loads.heelLoad,
                              p.loads.heelLoadArm, 0});
            withLoad.Add(a);
        }
        actions = withLoad;
    }
    r.water = AddWaterActions(c, kb, t, actions);
    // Under a strip the trial wedge's plane moves; the wall without it may overturn more readily.
    ActionList unloaded;
    if (p.hasBare)
        unloaded =
            WithoutSurcharge(actions, {"E0x", "E0y", "Z0x", "Z0y"},
                             PartOfThrust(p.bare, PressureDiagram::Part::kSoil, p.loads.thrustAngle, toe));
    r.stability = ComputeStability(c, kb, actions, p.hasBare ? &unloaded : nullptr);
    r.W = kb.wallWeight;
    r.Zw = kb.wallWeightArm;
    r.W1 = kb.extraWeight;
    r.Zw1 = kb.extraWeightArm;
    r.Wq = p.loads.heelLoad;
    r.Zwq = p.loads.heelLoadArm;
    r.E = t.E;
    r.Ex = kb.pressureX;
    r.Ey = kb.pressureY;
    r.Zx = kb.armX;
    r.Zy = kb.armY;
    r.Ka = t.Ka;
    r.thrust = t;
    r.soilThrustClipped = !coulomb && t.soilComputed < 0;
    r.soilThrustComputed = t.soilComputed;
    r.loads = p.loads;
    return r;
}

}  // namespace wall
