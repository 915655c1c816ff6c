// The computation sequence of the gravity and semi-gravity wall analysis.
#include "analysis/GravityWallAnalysis.h"

#include "analysis/DoubleMath.h"
#include "analysis/LoadKernelBlock.h"
#include "analysis/SoilProfile.h"

namespace wall {

GravityWallResult GravityWallAnalysis(const WallCase& c, KernelBlock& kb) {
    GravityWallResult r;
    r.theory = c.soil.m_nTheory == kCoulomb ? kCoulomb : kRankine;
    LoadKernelBlock(c, kb);
    r.W = kb.wallWeight;
    r.Zw = kb.wallWeightArm;

    if (r.theory == kCoulomb) {
        r.coulomb = CoulombActivePressure(c, kb);
        r.status = r.coulomb.status;
        if (r.status != PressureStatus::kOk) return r;
        const double angle = OutlineBack(kb).Angle() + kb.wallFriction;
        const Point toe = {kb.outline.x[4], kb.outline.y[4]};
        const ThrustParts parts = {PartOfThrust(r.coulomb.thrust, PressureDiagram::Part::kSoil, angle, toe),
                                   PartOfThrust(r.coulomb.thrust, PressureDiagram::Part::kLoad, angle, toe)};
        ActionList actions = WallActions(c, kb, parts);
        r.water = AddWaterActions(c, kb, r.coulomb.thrust, actions);
        // The wall without the strip, whose trial wedge may put the thrust lower.
        ThrustResult bare;
        if (LayeredThrustWithoutStrip(r.coulomb.thrust, GroundOf(c.soil), ProfileOf(kb, kb.outline.y[0]),
                                      kCoulomb, bare)) {
            const ActionList unloaded =
                WithoutSurcharge(actions, {"E0x", "E0y", "Z0x", "Z0y"},
                                 PartOfThrust(bare, PressureDiagram::Part::kSoil, angle, toe));
            r.stability = ComputeStability(c, kb, actions, &unloaded);
        } else {
            r.stability = ComputeStability(c, kb, actions);
        }
    } else {
        r.rankine = RankineActivePressure(c, kb);
        r.status = r.rankine.status;
        if (r.status != PressureStatus::kOk) return r;
        // The thrust with the soil over the back face, and the strip standing there as a load apart.
        ActionList actions;
        actions.Add({ActionKind::kWallWeight, "", "W", "Zw", "", 0, kb.wallWeight, kb.wallWeightArm, 0});
        AddInertia(actions, kb, {"Fw", "", "", "Zfw"}, kb.wallWeight, kb.wallWeightArm, kb.wallWeightHeight);
        // The soil over the back face, on the wall side of the vertical the thrust acts on, moves with it.
        AddInertia(actions, kb, {"Fe", "", "", "Zfe"}, r.rankine.wedge.Ws, r.rankine.wedge.xs,
                   r.rankine.wedge.ys);
        if (r.rankine.load.Ws > 0)
            actions.Add({ActionKind::kSurchargeLoad, "", "Wq", "Zwq", "", 0, r.rankine.load.Ws,
                         r.rankine.load.xs, 0});
        // The surcharge's part of the thrust apart from the soil's, which carries the soil over the face.
        const double beta = r.rankine.beta;
        const Point toe = {kb.outline.x[4], kb.outline.y[4]};
        const ThrustPart load = PartOfThrust(r.rankine.thrust, PressureDiagram::Part::kLoad, beta, toe);
        ThrustPart soil = PartOfThrust(r.rankine.thrust, PressureDiagram::Part::kSoil, beta, toe);
        if (soil.Fy + r.rankine.wedge.Ws != 0) {
            soil.x =
                (soil.Fy * soil.x + r.rankine.wedge.Ws * r.rankine.wedge.xs) / (soil.Fy + r.rankine.wedge.Ws);
            soil.Fy += r.rankine.wedge.Ws;
        }
        AddThrust(actions, {"Ex", "Ey", "Zx", "Zy"}, {r.rankine.Ex, r.rankine.Ey, r.rankine.Zx, r.rankine.Zy},
                  {"Esx", "Esy", "Zsx", "Zsy"}, soil, {"Eqx", "Eqy", "Zqx", "Zqy"}, load);
        r.water = AddWaterActions(c, kb, r.rankine.thrust, actions);
        r.stability = ComputeStability(c, kb, actions);
    }

    // The whole thrust, whichever parts the stability took it in.
    r.pressure.Ex = r.theory == kCoulomb ? r.coulomb.Ex : r.rankine.Ex;
    r.pressure.Ey = r.theory == kCoulomb ? r.coulomb.Ey : r.rankine.Ey;
    r.pressure.Zx = r.theory == kCoulomb ? r.coulomb.Zx : r.rankine.Zx;
    r.pressure.Zy = r.theory == kCoulomb ? r.coulomb.Zy : r.rankine.Zy;
    r.pressure.E = Sqrt(r.pressure.Ex * r.pressure.Ex + r.pressure.Ey * r.pressure.Ey);

    r.toe = CheckSemiGravityToe(c, r.stability);
    r.section = ChooseGravitySection(c, kb);
    r.status = r.section.status;
    return r;
}

}  // namespace wall
