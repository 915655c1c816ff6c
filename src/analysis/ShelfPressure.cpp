// Shelf wall: Coulomb pressure on the upper and lower back faces, soil on the platform.
#include "analysis/ShelfPressure.h"

#include <algorithm>
#include <cmath>

#include "analysis/CoulombPressure.h"
#include "analysis/DoubleMath.h"
#include "analysis/Polygon.h"
#include "analysis/SoilProfile.h"

namespace wall {
namespace {

// The lower back extended from P5 through P6 up to the ground.
WallBack ExtendedLowerBack(const KernelBlock& kb, const GroundSurface& g) {
    const double x5 = kb.outline.x[5], y5 = kb.outline.y[5];
    const double x6 = kb.outline.x[6], y6 = kb.outline.y[6];
    const double dxdy = (x6 - x5) / (y6 - y5);  // along the back, per metre upwards
    double y = g.HeightAt(x6);
    for (int i = 0; i < 40; ++i) {
        const double next = g.HeightAt(x5 + (y - y5) * dxdy);
        if (next == y) break;
        y = next;
    }
    return {{x5 + (y - y5) * dxdy, y}, {x5, y5}};
}

// The point at a height above P5 on the line P5–P6.
Point OnLowerBack(const KernelBlock& kb, double height) {
    const double x5 = kb.outline.x[5], y5 = kb.outline.y[5];
    const double x6 = kb.outline.x[6], y6 = kb.outline.y[6];
    return {x5 + (x6 - x5) * height / (y6 - y5), y5 + height};
}

}  // namespace

ShelfPressureResult ShelfPressure(const WallCase& c, KernelBlock& kb) {
    ShelfPressureResult r;
    const float H = kb.backHeight, phi = kb.soilFriction, delta = kb.wallFriction, beta = kb.slopeAngle;
    const float gamma = kb.soilUnitWeight;
    const float h1 = c.wall.m_fHeelHeight;
    const float h2 = H - h1;
    const float alpha2 = Atan(c.wall.m_fLowerBackSlope);
    const float* X = kb.outline.x;
    const float* Y = kb.outline.y;
    const float s = Y[5] - Y[4];
    const GroundSurface g = GroundOf(c.soil);
    r.gamma = gamma;
    r.h1 = h1;
    r.h2 = h2;

    // Soil on the platform: P0, P7, P6 and the point above P6 along the lower back batter.
    const float px[4] = {X[0], X[7], X[6], static_cast<float>(X[6] + Y[6] * Tan(alpha2))};
    const float py[4] = {Y[0], Y[7], Y[6], 0};
    const AreaCentroid soil = PolygonAreaCentroid(px, py, 4);
    r.extraWeight = soil.area * gamma;
    r.extraWeightArm = soil.cx + X[0] - X[3];
    kb.extraWeightHeight = soil.cy - Y[4];
    const SoilProfile profile = ProfileOf(kb, Y[0]);
    // An earthquake turns each band's soil by its own angle (θ above the water, θw below): the lower wall
    // takes the banded way then too.
    r.layered = profile.count > 1 || profile.water || profile.Seismic();
    if (r.layered) {
        // Each layer at its γ, γsat below the water table.
        const SoilWeight w = WeightInside(px, py, 4, profile);
        r.extraWeight = static_cast<float>(w.W);
        r.extraWeightArm = static_cast<float>(w.x - X[4]);
        kb.extraWeightHeight = static_cast<float>(w.y - Y[4]);
    }
    kb.extraWeight = r.extraWeight;
    kb.extraWeightArm = r.extraWeightArm;

    // Upper wall: the back from P7 up to P0.
    const WallBack upper{{X[0], Y[0]}, {X[7], Y[7]}};
    r.upper = LayeredThrust(upper, g, profile, kCoulomb);
    r.status = r.upper.status;
    if (r.status != PressureStatus::kOk) return r;
    const double alpha1 = upper.Angle();
    r.Ka1 = r.upper.Ka;
    r.E1 = r.upper.E;
    r.Eq1 = r.upper.load;
    r.thrustHeight = static_cast<float>(r.upper.point.y - Y[7]);
    r.Ex = static_cast<float>(r.E1 * std::cos(alpha1 + delta));
    r.Ey = static_cast<float>(r.E1 * std::sin(alpha1 + delta));
    r.Zy = static_cast<float>(r.upper.point.y - Y[4]);
    r.Zx = static_cast<float>(r.upper.point.x - X[4]);
    r.upperSoil = PartOfThrust(r.upper, PressureDiagram::Part::kSoil, alpha1 + delta, {X[4], Y[4]});
    r.upperLoad = PartOfThrust(r.upper, PressureDiagram::Part::kLoad, alpha1 + delta, {X[4], Y[4]});
    ThrustResult bare;
    r.hasBare = LayeredThrustWithoutStrip(r.upper, g, profile, kCoulomb, bare);
    if (r.hasBare)
        r.upperBare = PartOfThrust(bare, PressureDiagram::Part::kSoil, alpha1 + delta, {X[4], Y[4]});

    // Lower wall: the soil above the platform acts on it as a uniform load γ·h1.
    r.Ka2 = CoulombCoefficient(phi, alpha2, delta, beta);
    r.phi = phi;
    r.delta = delta;
    r.alpha2 = alpha2;
    r.beta2 = beta;
    const float Ka2 = r.Ka2;
    r.E2s = 0.5f * Ka2 * gamma * h2 * h2 + Ka2 * gamma * h1 * h2;
    float Ms = (h2 / 2 + s) * Ka2 * gamma * h1 * h2 + (h2 / 3 + s) * 0.5f * Ka2 * gamma * h2 * h2;
    float stripFactor = 1;
    if (r.layered) {
        // Layers or water: the weight above the platform as the uniform stress σ0, each layer below by its
        // own coefficient, the water apart unless combined.
        r.sigma0 = static_cast<float>(VerticalStress(profile, Y[0] - Y[6]));
        r.lower = ThrustUnderUniformLoad({{X[6], Y[6]}, {X[5], Y[5]}}, profile, r.sigma0, beta, kCoulomb);
        if (r.lower.status != PressureStatus::kOk) {
            r.status = r.lower.status;
            return r;
        }
        r.E2s = r.lower.soil;
        const DiagramThrust soilPart = r.lower.diagram.Thrust(PressureDiagram::Part::kSoil);
        Ms = r.E2s * (h2 - soilPart.depth + s);
        // The strip's share below comes from layer 1's wedge: a weaker layer there takes it up by its
        // larger coefficient, never down.
        // Under an earthquake the layers' coefficients are the turned ones, the load over cosθ.
        for (int i = 0; i < r.lower.layerCount; ++i) {
            const double top = Y[0] - Y[6] + r.lower.layers[i].top;
            stripFactor = std::max(
                stripFactor, static_cast<float>(r.lower.layers[i].Ka / Ka2 / std::cos(profile.ThetaAt(top))));
        }
        r.stripFactor = stripFactor;
        for (const DiagramNode& n : r.upper.diagram) r.both.Add(n.depth, n.soil, n.load, n.water);
        const float platformDepth = static_cast<float>(Y[0] - Y[6]);
        for (const DiagramNode& n : r.lower.diagram)
            r.both.Add(n.depth + platformDepth, n.soil, n.load, n.water);
    }
    // The strip's part on the lower back extended up to the ground: the rise of that back's trial-wedge
    // thrust under the strip, spread evenly over the band between the lines through the strip's edges
    // parallel to the unloaded ground's failure plane, of which the lower wall takes the part below the
    // platform. The plane does not turn with the load, so a wider or heavier strip only lengthens the
    // band and raises the rise: the lower wall's share never falls as the strip grows. A strip beyond
    // that plane which still lifts the thrust (its wedge reaching out to it) is taken at the foot.
    float Zq = 0;
    if (g.strip.Present()) {
        const WallBack extended = ExtendedLowerBack(kb, g);
        GroundSurface unloaded = g;
        unloaded.strip = {};
        const ThrustResult bare = CoulombThrust(extended, unloaded, BlockBackfill(kb));
        const double H = extended.Height(), platform = extended.top.y - Y[6];
        const double near = std::max(g.strip.from, extended.top.x);
        double za = 0, zb = 0, share = 0, depth = 0;
        if (bare.status == PressureStatus::kOk && g.strip.to > near) {
            za = std::clamp(DepthAlongPlane(extended, {near, g.HeightAt(near)}, bare.planeAngle), 0.0, H);
            zb = std::clamp(DepthAlongPlane(extended, {g.strip.to, g.HeightAt(g.strip.to)}, bare.planeAngle),
                            za, H);
            share = za >= platform ? 1 : 0;
            depth = za;
            if (zb - za > 1e-9) {
                const double below = std::max(za, platform);
                share = std::max(0.0, zb - below) / (zb - za);
                depth = (below + zb) / 2;
            }
        }
        // A band wholly above the platform leaves the lower wall without a share: no rise to find.
        const ThrustResult loaded =
            share > 0 ? CoulombThrust(extended, g, BlockBackfill(kb)) : ThrustResult{};
        const double rise = static_cast<double>(loaded.E) - bare.E;
        if (share > 0 && loaded.status == PressureStatus::kOk && rise > 0) {
            r.Eq2 = static_cast<float>(share * rise * stripFactor);
            r.riseE = static_cast<float>(rise);
            r.plane = bare.planeAngle;
            r.bandTop = static_cast<float>(za);
            r.bandBottom = static_cast<float>(zb);
            r.platformDepth = static_cast<float>(platform);
            if (r.Eq2 > 0) Zq = static_cast<float>(extended.top.y - depth - Y[4]);
        }
    }
    r.E2 = r.E2s + r.Eq2;
    r.Z2y = r.E2 > 0 ? (Ms + r.Eq2 * Zq) / r.E2 : h2 / 3 + s;
    r.E2x = r.E2 * Cos(alpha2 + delta);
    r.E2y = r.E2 * Sin(alpha2 + delta);
    const Point at = OnLowerBack(kb, r.Z2y - s);
    r.Z2x = static_cast<float>(at.x - X[4]);
    if (r.Eq2 > 0) {
        // Each part at its own height on the lower back.
        const float soilY = r.E2s > 0 ? Ms / r.E2s : h2 / 3 + s;
        const Point soilAt = OnLowerBack(kb, soilY - s), loadAt = OnLowerBack(kb, Zq - s);
        r.lowerSoil = {static_cast<float>(r.E2s * Cos(alpha2 + delta)),
                       static_cast<float>(r.E2s * Sin(alpha2 + delta)), static_cast<float>(soilAt.x - X[4]),
                       soilY};
        r.lowerLoad = {static_cast<float>(r.Eq2 * Cos(alpha2 + delta)),
                       static_cast<float>(r.Eq2 * Sin(alpha2 + delta)), static_cast<float>(loadAt.x - X[4]),
                       Zq};
    }

    kb.pressureX = r.Ex;
    kb.pressureY = r.Ey;
    kb.armX = r.Zx;
    kb.armY = r.Zy;
    kb.lowerPressureX = r.E2x;
    kb.lowerPressureY = r.E2y;
    kb.lowerArmX = r.Z2x;
    kb.lowerArmY = r.Z2y;
    return r;
}

}  // namespace wall
