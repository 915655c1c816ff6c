// Sums of a wall's actions.
#include "analysis/Actions.h"

namespace wall {

ActionSums SumActions(const ActionList& actions) {
    ActionSums s;
    for (const Action& a : actions) {
        if (a.Horizontal()) {
            s.thrustY += a.Fy;
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

}  // namespace wall
