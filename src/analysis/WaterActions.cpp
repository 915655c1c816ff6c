// Water pressures on the back, in front and under the base, as actions.
#include "analysis/WaterActions.h"

#include <algorithm>
#include <cmath>

namespace wall {

WaterResult AddWaterActions(const WallCase& c, const KernelBlock& kb, const ThrustResult& thrust,
                            ActionList& actions) {
    WaterResult r;
    const CaseSettings& s = c.settings;
    r.gammaW = s.waterUnitWeight;
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    const Point toe = {X[4], Y[4]}, heel = {X[5], Y[5]};
    if (thrust.water > 0) {
        r.behind = true;
        const ThrustPart w = WaterPartOf(thrust, toe);
        r.Pw = r.PwX = w.Fx;
        r.PwY = w.Fy;
        r.x = w.x;
        r.y = w.y;
        r.hBehind = static_cast<float>(std::max(0.0, (Y[0] - s.waterBehind) - thrust.back.bottom.y));
        actions.Add({ActionKind::kWaterBehind, "Pwx", "Pwy", "Xw", "Yw", r.PwX, r.PwY, r.x, r.y});
    }
    if (s.HasWaterFront() && s.waterFront > 0) {
        r.front = true;
        r.hf = s.waterFront;
        r.Pf = s.waterUnitWeight * r.hf * r.hf / 2;
        actions.Add({ActionKind::kWaterFront, "Pf", "", "", "Yf", -r.Pf, 0, 0, r.hf / 3});
    }
    // Heads above the base at its two ends: the water table behind at the heel, the water in front
    // at the toe.
    r.h5 = s.HasWaterBehind() ? static_cast<float>(std::max(0.0, (Y[0] - s.waterBehind) - heel.y)) : 0.0f;
    r.h4 = s.HasWaterFront() ? s.waterFront : 0.0f;
    const double dx = heel.x - toe.x, dy = heel.y - toe.y;
    r.L = static_cast<float>(std::hypot(dx, dy));
    if ((r.h4 > 0 || r.h5 > 0) && r.L > 0) {
        r.uplift = true;
        r.U = static_cast<float>(s.waterUnitWeight * (r.h4 + r.h5) / 2 * r.L);
        const double along = r.L * (r.h4 + 2.0 * r.h5) / (3.0 * (r.h4 + r.h5));
        r.ux = static_cast<float>(dx * along / r.L);
        r.uy = static_cast<float>(dy * along / r.L);
        // Normal to the base, into the wall: up, and away from the toe where the heel lies lower.
        r.Ux = static_cast<float>(r.U * dy / r.L);
        r.Uy = static_cast<float>(-r.U * dx / r.L);
        actions.Add({ActionKind::kUplift, "Ux", "U", "Zu", "Yu", r.Ux, r.Uy, r.ux, r.uy});
    }
    return r;
}

void AddLowerBackWater(const KernelBlock& kb, const ThrustResult& lower, WaterResult& r,
                       ActionList& actions) {
    if (!(lower.water > 0)) return;
    const Point toe = {kb.outline.x[4], kb.outline.y[4]};
    r.lowerBehind = true;
    const ThrustPart w = WaterPartOf(lower, toe);
    r.Pw2X = w.Fx;
    r.Pw2Y = w.Fy;
    r.x2 = w.x;
    r.y2 = w.y;
    const int last = lower.diagram.size() - 1;
    r.h2Top = lower.diagram[0].water / r.gammaW;
    r.h2Foot = lower.diagram[last].water / r.gammaW;
    actions.Add({ActionKind::kWaterBehind, "Pw2x", "Pw2y", "Xw2", "Yw2", r.Pw2X, r.Pw2Y, r.x2, r.y2});
}

}  // namespace wall
