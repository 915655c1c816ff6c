// Sums of a wall's actions.
#include "analysis/Actions.h"

namespace wall {

ActionSums SumActions(const ActionList& actions) {
    ActionSums s;
    for (const Action& a : actions) {
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
        if (!a.Horizontal()) continue;
        if (a.Overturns()) s.overturning += a.Fx * a.y;
        s.baseOverturning += a.Fx * a.y;
        s.net -= a.Fx * a.y;
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
