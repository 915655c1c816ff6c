// Rankine active earth pressure with cohesion and strip surcharge, and the load over the back face.
#include "analysis/RankinePressure.h"

#include <algorithm>
#include <cmath>

#include "analysis/CoulombPressure.h"
#include "analysis/Polygon.h"
#include "analysis/SoilProfile.h"

namespace wall {

BackFaceLoads BackfillWedgeLoad(const WallCase& c, const KernelBlock& kb) {
    BackFaceLoads r;
    const GroundSurface g = GroundOf(c.soil);
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    const double t = X[5] - X[0];  // horizontal extent of the back face
    // A back leaning away from the fill overhangs it: no soil rests on the face.
    if (!(t > 1e-6)) return r;

    // P0, the ground up to the vertical through P5, down the vertical to P5, and up the face.
    float px[GroundSurface::kMaxPoints + 3], py[GroundSurface::kMaxPoints + 3];
    int n = 0;
    px[n] = X[0];
    py[n++] = Y[0];
    for (int i = 1; i < g.count && g.points[i].x < X[5]; ++i) {
        px[n] = static_cast<float>(g.points[i].x);
        py[n++] = static_cast<float>(g.points[i].y);
    }
    px[n] = X[5];
    py[n++] = static_cast<float>(g.HeightAt(X[5]));
    px[n] = X[5];
    py[n++] = Y[5];
    // Clockwise from the top: the area comes out negative.
    const AreaCentroid soil = PolygonAreaCentroid(px, py, n);
    double Ws0 = std::fabs(soil.area) * kb.soilUnitWeight;
    double xs0 = soil.cx - X[4];
    double ys0 = soil.cy - Y[4];
    // Layers or a water table: each band of the soil at its own weight (γsat below the water).
    const SoilProfile profile = ProfileOf(kb, Y[0]);
    if (profile.count > 1 || profile.water) {
        const SoilWeight w = WeightInside(px, py, n, profile);
        Ws0 = w.W;
        xs0 = w.x - X[4];
        ys0 = w.y - Y[4];
    }

    // Only the part of the strip standing over the face counts.
    const double length = g.strip.LengthWithin(X[0], X[5]);
    const double Wq = g.strip.q * length;
    const double xq = (std::max(g.strip.from, static_cast<double>(X[0])) + length / 2) - X[4];
    if (Ws0 > 1e-5) r.soil = {static_cast<float>(Ws0), static_cast<float>(xs0), static_cast<float>(ys0)};
    if (Wq > 1e-5) r.load = {static_cast<float>(Wq), static_cast<float>(xq)};
    return r;
}

RankineResult RankineActivePressure(const WallCase& c, KernelBlock& kb) {
    RankineResult r;
    const GroundSurface g = GroundOf(c.soil);
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    const WallBack back{{X[5], g.HeightAt(X[5])}, {X[5], Y[5]}};
    const SoilProfile profile = ProfileOf(kb, Y[0]);
    r.thrust = LayeredThrust(back, g, profile, kRankine);
    r.status = r.thrust.status;
    if (r.status != PressureStatus::kOk) return r;
    const double beta = g.AngleAt(X[5]);
    r.sloping = beta > 1e-6;
    r.beta = static_cast<float>(beta);
    r.Ka = r.thrust.Ka;
    r.effectiveHeight = r.thrust.height;
    r.E1 = r.thrust.soil;
    r.E1Computed = r.thrust.soilComputed;
    r.E = r.thrust.E;
    // Parallel to a sloping ground, horizontal on level ground.
    r.Ex = static_cast<float>(r.E * std::cos(beta));
    r.Ey = static_cast<float>(r.E * std::sin(beta));
    r.Zx = X[5] - X[4];
    r.Zy = static_cast<float>(r.thrust.point.y - Y[4]);

    const BackFaceLoads face = BackfillWedgeLoad(c, kb);
    r.wedge = face.soil;
    r.load = face.load;
    if (std::fabs(r.Ey) > 1e-5f || std::fabs(r.wedge.Ws) > 1e-5f) {
        r.Zx = (r.Ey * r.Zx + r.wedge.Ws * r.wedge.xs) / (r.Ey + r.wedge.Ws);
        r.Ey = r.Ey + r.wedge.Ws;
    }
    kb.pressureX = r.Ex;
    kb.pressureY = r.Ey;
    kb.armX = r.Zx;
    kb.armY = r.Zy;
    if (r.load.Ws > 0) {
        kb.armX = (r.Ey * r.Zx + r.load.Ws * r.load.xs) / (r.Ey + r.load.Ws);
        kb.pressureY = r.Ey + r.load.Ws;
    }
    return r;
}

}  // namespace wall
