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
        s.overturning += a.Fx * a.y;
        s.net -= a.Fx * a.y;
    }
    return s;
}

void AddThrust(ActionList& list, const ThrustSymbols& whole, const ThrustPart& total,
               const ThrustSymbols& soil, const ThrustPart& soilPart, const ThrustSymbols& load,
               const ThrustPart& loadPart) {
    if (!(loadPart.Fx != 0 || loadPart.Fy != 0)) {
        list.Add({ActionKind::kEarthPressure, whole.fx, whole.fy, whole.x, whole.y, total.Fx, total.Fy,
                  total.x, total.y});
        return;
    }
    list.Add({ActionKind::kEarthPressure, soil.fx, soil.fy, soil.x, soil.y, soilPart.Fx, soilPart.Fy,
              soilPart.x, soilPart.y});
    list.Add({ActionKind::kSurchargeThrust, load.fx, load.fy, load.x, load.y, loadPart.Fx, loadPart.Fy,
              loadPart.x, loadPart.y});
}

}  // namespace wall
