// Sums of a wall's actions.
#include "analysis/Actions.h"

namespace wall {

ActionSums SumActions(const ActionList& actions) {
    ActionSums s;
    for (const Action& a : actions) {
        if (a.Horizontal()) {
            s.thrustY += a.Fy;
            s.thrustX += a.Fx;
        } else {
            s.weights += a.Fy;
        }
        s.vertical += a.Fy;
        s.resisting += a.Fy * a.x;
    }
    s.net = s.resisting;
    for (const Action& a : actions) {
        if (!a.Horizontal()) continue;
        s.overturning += a.Fx * a.y;
        s.net -= a.Fx * a.y;
    }
    return s;
}

}  // namespace wall
