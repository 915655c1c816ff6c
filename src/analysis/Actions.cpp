// Sums of a wall's actions.
#include "analysis/Actions.h"

namespace wall {

ActionSums SumActions(const ActionList& actions) {
    ActionSums s;
    for (const Action& a : actions) {
        if (a.Inertia()) {
            s.thrustX += a.Fx;
            continue;
        }
        if (a.Water()) {
            // The base takes the same terms as the factors, so that M_y − M_0 is the net moment.
            const bool behind = a.kind == ActionKind::kWaterBehind;
            s.thrustX += a.Fx;
            (behind ? s.thrustY : s.weights) += a.Fy;
            s.vertical += a.Fy;
            if (a.kind == ActionKind::kUplift) continue;
            const float moment = a.kind == ActionKind::kWaterFront ? a.Fy * a.x - a.Fx * a.y : a.Fy * a.x;
            s.resisting += moment;
            s.baseResisting += moment;
            continue;
        }
        if (a.Horizontal()) {
            if (!a.FavourableVariable()) s.thrustY += a.Fy;
            s.thrustX += a.Fx;
        } else if (!a.FavourableVariable()) {
            s.weights += a.Fy;
        }
        s.vertical += a.Fy;
        s.baseResisting += a.Fy * a.x;
        if (!a.FavourableVariable()) s.resisting += a.Fy * a.x;
    }
    s.net = s.baseResisting;
    for (const Action& a : actions) {
        if (a.kind == ActionKind::kWaterFront || (!a.Horizontal() && !a.Water() && !a.Inertia())) continue;
        const float moment = a.kind == ActionKind::kUplift ? a.Fx * a.y - a.Fy * a.x : a.Fx * a.y;
        if (a.Overturns() || a.Water()) s.overturning += moment;
        s.baseOverturning += moment;
        s.net -= moment;
    }
    return s;
}

Action ThrustAction(ActionKind kind, const ThrustSymbols& s, const ThrustPart& p) {
    return {kind, s.fx, s.fy, s.x, s.y, p.Fx, p.Fy, p.x, p.y};
}

void AddThrust(ActionList& list, const ThrustSymbols& whole, const ThrustPart& total,
               const ThrustSymbols& soil, const ThrustPart& soilPart, const ThrustSymbols& load,
               const ThrustPart& loadPart) {
    if (!(loadPart.Fx != 0 || loadPart.Fy != 0)) {
        list.Add(ThrustAction(ActionKind::kEarthPressure, whole, total));
        return;
    }
    list.Add(ThrustAction(ActionKind::kEarthPressure, soil, soilPart));
    list.Add(ThrustAction(ActionKind::kSurchargeThrust, load, loadPart));
}

}  // namespace wall
