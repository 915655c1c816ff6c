// Layers and a water table behind a wall, and their thrust on a back.
#include "analysis/SoilProfile.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "analysis/EarthCoefficients.h"

namespace wall {
namespace {

constexpr double kFar = std::numeric_limits<double>::infinity();

// A layer's pressure per metre of depth below the upper part: max(0, k·σv − c0) of the vertical stress
// σv, and k·q in the strip's band.
struct LayerLaw {
    double k = 0, c0 = 0, Ka = 0;
};

// The soil as the seismic angle θ turns it: φ − θ and δ + θ (its weight and loads over cosθ are the
// callers').
Backfill Turned(Backfill s, double theta) {
    s.phi = static_cast<float>(s.phi - theta);
    s.delta = static_cast<float>(s.delta + theta);
    return s;
}

// A band's law under the seismic angle θ > 0. Coulomb's coefficient with φ − θ and δ + θ, over cosθ.
// Rankine's takes Coulomb's on its vertical back with the static wall friction δ = β (the pressure
// parallel to the ground, where Coulomb's equals Rankine's) turned by θ: on level ground Mononobe–Okabe
// with δ = 0; the static cohesion term 2c√Ka (or its sloping form) comes off unchanged.
LayerLaw SeismicLawOf(const Backfill& s, int theory, double alpha, double beta, double theta) {
    LayerLaw law;
    const double cosTheta = std::cos(theta);
    if (theory == kCoulomb) {
        const Backfill t = Turned(s, theta);
        law.Ka = CoulombCoefficient(t.phi, static_cast<float>(alpha), t.delta, static_cast<float>(beta));
        law.k = law.Ka / cosTheta;
        return law;
    }
    law.Ka = CoulombCoefficient(static_cast<float>(s.phi - theta), 0, static_cast<float>(beta + theta),
                                static_cast<float>(beta));
    law.k = law.Ka / cosTheta;
    law.c0 = RankineLawOf(s.phi, s.cohesion, beta).c0;
    return law;
}

LayerLaw LawOf(const Backfill& s, int theory, double alpha, double beta) {
    LayerLaw law;
    if (theory == kCoulomb) {
        law.Ka = law.k =
            CoulombCoefficient(s.phi, static_cast<float>(alpha), s.delta, static_cast<float>(beta));
        return law;
    }
    const RankineLaw r = RankineLawOf(s.phi, s.cohesion, beta);
    law.Ka = r.Ka;
    law.k = r.Ka * r.slope;
    law.c0 = r.c0;
    return law;
}

// The layers below the depth zFirst of a back, each by its own coefficient under the vertical stress
// sigma there plus the weight of what lies between, the strip's band at q·K, the water γw·(z − zw);
// then the totals of the whole diagram. `soilRatio` raises the soil's part (a ground steeper further out).
struct Band {
    double zA = 0, zB = 0, q = 0;
};
void AddLayersBelow(ThrustResult& r, const WallBack& back, const SoilProfile& p, int theory, double beta,
                    double zFirst, double sigma, const Band& band, double soilRatio = 1) {
    const double H = back.Height();
    const double offset = p.topY - back.top.y;
    const double alpha = back.Angle();
    const double zA = band.zA, zB = band.zB;
    std::array<double, kLayerRowsMax + 6> z{};
    size_t n = 0;
    auto add = [&](double depth) {
        if (depth > zFirst && depth < H && n < z.size()) z[n++] = depth;
    };
    z[n++] = zFirst;
    z[n++] = H;
    for (int i = 0; i + 1 < p.count; ++i) add(p.layers[i].bottom - offset);
    if (p.water) add(p.waterDepth - offset);
    add(zA);
    add(zB);
    std::sort(z.begin(), z.begin() + n);
    n = static_cast<size_t>(std::unique(z.begin(), z.begin() + n) - z.begin());

    const bool waterPushes = p.water && !p.combined;
    auto waterAt = [&](double depth) {
        return waterPushes ? static_cast<float>(p.gammaW * std::max(0.0, depth + offset - p.waterDepth))
                           : 0.0f;
    };
    for (size_t i = 1; i < n; ++i) {
        const double za = z[i - 1], zb = z[i];
        const double mid = (za + zb) / 2 + offset;
        const SoilLayer& layer = p.At(mid);
        const int index = static_cast<int>(&layer - p.layers.data());
        const double theta = p.ThetaAt(mid);
        const LayerLaw law = theta > 0 ? SeismicLawOf(layer.soil, theory, alpha, beta, theta)
                                       : LawOf(layer.soil, theory, alpha, beta);
        if (!std::isfinite(law.k) || !std::isfinite(law.c0)) {
            r.status = beta > layer.soil.phi - theta ? PressureStatus::kSlopeTooSteep
                                                     : PressureStatus::kNoFailurePlane;
            return;
        }
        const double gammaE = p.UnitWeight(layer, mid);
        const double sa = sigma, sb = sigma + gammaE * (zb - za);
        sigma = sb;
        const double pa = (law.k * sa - law.c0) * soilRatio, pb = (law.k * sb - law.c0) * soilRatio;
        const bool inBand = za >= zA && zb <= zB && zB > zA;
        const float load = inBand ? static_cast<float>(band.q * law.k) : 0.0f;
        // Soil in tension does not pull: the pressure starts where the line turns positive.
        double from = za;
        if (pa < 0 && pb > 0) {
            from = za + (zb - za) * -pa / (pb - pa);
            r.diagram.Add(static_cast<float>(za), 0, load, waterAt(za));
        }
        r.soilClipped = r.soilClipped || pa < 0 || pb < 0;
        const double pFrom = std::max(0.0, pa + (pb - pa) * (from - za) / (zb - za)), pTo = std::max(0.0, pb);
        r.diagram.Add(static_cast<float>(from), static_cast<float>(pFrom), load, waterAt(from));
        r.diagram.Add(static_cast<float>(zb), static_cast<float>(pTo), load, waterAt(zb));
        // Each layer's part, one entry however many pieces it spans.
        if (r.layerCount == 0 || r.layers[r.layerCount - 1].index != index)
            r.layers[r.layerCount++] = {
                index, static_cast<float>(za), static_cast<float>(zb), static_cast<float>(law.Ka), 0, 0};
        ThrustResult::Layer& part = r.layers[r.layerCount - 1];
        part.bottom = static_cast<float>(zb);
        part.soil += static_cast<float>((pFrom + pTo) / 2 * (zb - from));
        part.load += static_cast<float>(load * (zb - za));
    }

    const DiagramThrust soil = r.diagram.Thrust(PressureDiagram::Part::kSoil);
    const DiagramThrust load = r.diagram.Thrust(PressureDiagram::Part::kLoad);
    const DiagramThrust total = r.diagram.Thrust(PressureDiagram::Part::kTotal);
    const DiagramThrust water = r.diagram.Thrust(PressureDiagram::Part::kWater);
    r.soil = soil.force;
    r.load = load.force;
    r.E = total.force;
    r.depth = total.force > 0 ? total.depth : static_cast<float>(2 * H / 3);
    r.point = back.At(r.depth);
    r.water = water.force;
    r.waterDepth = water.depth;
    if (!r.soilClipped) r.soilComputed = r.soil;
    if (!std::isfinite(r.E) || !std::isfinite(r.depth) || !std::isfinite(r.water))
        r.status = PressureStatus::kNoFailurePlane;
    // A dropped node would lose part of the thrust: refuse rather than err low.
    if (r.diagram.Overflowed()) r.status = PressureStatus::kTooManyPieces;
}

}  // namespace

const SoilLayer& SoilProfile::At(double depth) const {
    for (int i = 0; i + 1 < count; ++i)
        if (depth < layers[i].bottom) return layers[i];
    return layers[count - 1];
}

double SoilProfile::UnitWeight(const SoilLayer& l, double depth) const {
    if (!water || depth < waterDepth) return l.soil.gamma;
    return combined ? l.gammaSat : l.gammaSat - gammaW;
}

SoilWeight WeightInside(const float* x, const float* y, int n, const SoilProfile& profile) {
    // Horizontal bands: the layers' boundaries and the water table cut the polygon.
    std::array<double, kLayerRowsMax + 3> levels{};
    size_t m = 0;
    levels[m++] = std::numeric_limits<double>::infinity();
    for (int i = 0; i + 1 < profile.count; ++i) levels[m++] = profile.topY - profile.layers[i].bottom;
    if (profile.water) levels[m++] = profile.topY - profile.waterDepth;
    levels[m++] = -std::numeric_limits<double>::infinity();
    std::sort(levels.begin(), levels.begin() + m, std::greater<>());
    SoilWeight w;
    double moment = 0, momentY = 0;
    constexpr int kRoom = 2 * (GroundSurface::kMaxPoints + 8);
    std::array<double, kRoom> bufX, bufY, bufX2, bufY2;
    for (size_t b = 1; b < m; ++b) {
        double *ax = bufX.data(), *ay = bufY.data(), *bx = bufX2.data(), *by = bufY2.data();
        const double hi = levels[b - 1], lo = levels[b];
        if (!(hi > lo)) continue;
        // The polygon clipped to lo ≤ y ≤ hi, one half-plane at a time, between two pairs of buffers.
        int na = 0;
        for (int i = 0; i < n && na < kRoom; ++i) {
            ax[na] = x[i];
            ay[na++] = y[i];
        }
        auto clip = [&](double level, bool keepBelow) {
            int nb = 0;
            for (int i = 0; i < na; ++i) {
                const int j = (i + 1) % na;
                const bool inI = keepBelow ? ay[i] <= level : ay[i] >= level;
                const bool inJ = keepBelow ? ay[j] <= level : ay[j] >= level;
                if (inI && nb < kRoom) {
                    bx[nb] = ax[i];
                    by[nb++] = ay[i];
                }
                if (inI != inJ && nb < kRoom) {
                    const double t = (level - ay[i]) / (ay[j] - ay[i]);
                    bx[nb] = ax[i] + t * (ax[j] - ax[i]);
                    by[nb++] = level;
                }
            }
            std::swap(ax, bx);
            std::swap(ay, by);
            na = nb;
        };
        if (std::isfinite(hi)) clip(hi, true);
        if (std::isfinite(lo)) clip(lo, false);
        if (na < 3) continue;
        double twice = 0, cx = 0, cy = 0;
        for (int i = 0; i < na; ++i) {
            const int j = (i + 1) % na;
            const double cross = ax[i] * ay[j] - ax[j] * ay[i];
            twice += cross;
            cx += (ax[i] + ax[j]) * cross;
            cy += (ay[i] + ay[j]) * cross;
        }
        const double area = std::fabs(twice) / 2;
        if (!(area > 0)) continue;
        const double mid = std::isfinite(hi) && std::isfinite(lo) ? (hi + lo) / 2
                           : std::isfinite(hi)                    ? hi - 1
                                                                  : lo + 1;
        const double depth = profile.topY - mid;
        const SoilLayer& layer = profile.At(depth);
        const double gamma = profile.water && depth > profile.waterDepth ? layer.gammaSat : layer.soil.gamma;
        w.W += area * gamma;
        moment += area * gamma * cx / (3 * twice);
        momentY += area * gamma * cy / (3 * twice);
    }
    w.x = w.W > 0 ? moment / w.W : 0;
    w.y = w.W > 0 ? momentY / w.W : 0;
    return w;
}

SoilProfile ProfileOf(const KernelBlock& kb, double topY) {
    SoilProfile p = kb.profile;
    if (p.count == 0) {
        // A block loaded by hand, without a profile: its one dry soil.
        p.count = 1;
        p.layers[0].soil = {kb.soilUnitWeight, kb.soilCohesion, kb.soilFriction, kb.wallFriction};
        p.layers[0].gammaSat = kb.soilUnitWeight;
        p.layers[0].bottom = kFar;
    }
    p.topY = topY;
    return p;
}

SoilProfile LoadProfile(const WallCase& c, const KernelBlock& kb) {
    SoilProfile p;
    p.count = std::min(LayersInUse(c.soil), kLayersAnalysed);
    double top = 0;
    for (int r = 0; r < p.count; ++r) {
        const float* row = c.soil.m_afLayer[r];
        SoilLayer& l = p.layers[r];
        l.soil = r == 0 ? Backfill{kb.soilUnitWeight, kb.soilCohesion, kb.soilFriction, kb.wallFriction}
                        : Backfill{AsShown(row[kLayerUnitWeight]), AsShown(row[kLayerCohesion]),
                                   AsShown(row[kLayerFriction]) * 3.1415925f / 180, kb.wallFriction};
        const float sat = AsShown(row[kLayerSaturatedWeight]);
        l.gammaSat = sat > 0 ? sat : l.soil.gamma;
        l.top = top;
        l.bottom = r + 1 < p.count ? top + AsShown(row[kLayerThickness]) : kFar;
        top = l.bottom;
    }
    const CaseSettings& s = c.settings;
    p.water = s.HasWaterBehind();
    p.waterDepth = s.waterBehind;
    p.gammaW = s.waterUnitWeight;
    p.combined = s.waterCombined != 0;
    p.theta = kb.seismicTheta;
    p.thetaWater = kb.seismicThetaWater;
    return p;
}

ThrustResult LayeredThrust(const WallBack& back, const GroundSurface& g, const SoilProfile& p, int theory) {
    const SoilLayer& first = p.layers[0];
    // Under the seismic angle the upper part's soil is turned, its weight and the strip over cosθ.
    const double theta = p.theta;
    const bool turned = theory == kCoulomb && theta > 0;
    Backfill upper = first.soil;
    GroundSurface ground = g;
    if (turned) {
        upper = Turned(first.soil, theta);
        upper.gamma = static_cast<float>(upper.gamma / std::cos(theta));
        ground.strip.q /= std::cos(theta);
    }
    auto single = [&](const WallBack& b) {
        return theory == kCoulomb ? CoulombThrust(b, ground, upper) : RankineThrust(b, g, first.soil);
    };
    const double H = back.Height();
    // A depth on the back is `offset` less than the same level's depth below the wall's top.
    const double offset = p.topY - back.top.y;
    double zFirst = H;
    if (p.count > 1) zFirst = std::min(zFirst, first.bottom - offset);
    if (p.water) zFirst = std::min(zFirst, p.waterDepth - offset);
    // Rankine under an earthquake takes every band by its law, from the top.
    if (theory == kRankine && p.Seismic()) zFirst = 0;
    if (!(zFirst < H) || !(H > 0)) return single(back);
    zFirst = std::max(zFirst, 0.0);

    ThrustResult r;
    r.backfill = first.soil;
    r.back = back;
    r.height = static_cast<float>(H);
    double sigma = 0;  // the vertical stress at the top of the lower part
    double rho = 0;    // the plane the strip's band is drawn at
    if (zFirst > 0) {
        const ThrustResult top = single({back.top, back.At(zFirst)});
        if (top.status != PressureStatus::kOk) return top;
        for (const DiagramNode& n : top.diagram) r.diagram.Add(n.depth, n.soil, n.load);
        r.Ka = top.Ka;
        r.planeAngle = top.planeAngle;
        r.soilClipped = top.soilClipped;
        r.soilComputed = top.soilComputed;
        r.layers[0] = {0, 0, static_cast<float>(zFirst), top.Ka, top.soil, top.load};
        r.layerCount = 1;
        rho = top.planeAngle;
        // Coulomb's upper pressure over its coefficient carries the ground's shape down; Rankine's is γ·z.
        const float pz = top.diagram.At(PressureDiagram::Part::kSoil, static_cast<float>(zFirst));
        sigma = theory == kCoulomb && top.Ka > 0 ? pz / top.Ka : first.soil.gamma * zFirst;
        // The turned weight back to the static vertical stress the lower bands take.
        if (turned) sigma *= std::cos(theta);
    } else {
        rho = 0.7853981633974483 + first.soil.phi / 2;  // no upper part: Rankine's plane
    }

    // The strip's band below, between the lines from its edges at the upper part's plane.
    double zA = H, zB = H;
    if (g.strip.Present() && g.strip.to > back.top.x) {
        const double from = std::max(g.strip.from, back.top.x);
        zA = std::clamp(DepthAlongPlane(back, {from, g.HeightAt(from)}, rho), 0.0, H);
        zB = std::clamp(DepthAlongPlane(back, {g.strip.to, g.HeightAt(g.strip.to)}, rho), 0.0, H);
    }
    const double beta = std::max(0.0, g.AngleAt(back.top.x));
    // Rankine under an earthquake has no upper part to raise for a ground steeper further out: every band
    // takes the ratio of the turned trial wedges, as the static upper part takes the plain ones.
    double ratio = 1;
    if (theory == kRankine && p.Seismic()) {
        ratio = SteeperGroundRatio(back, g, first.soil, beta, theta);
        if (ratio > 1) r.groundRatio = static_cast<float>(ratio);
    }
    AddLayersBelow(r, back, p, theory, beta, zFirst, sigma, {zA, zB, g.strip.q}, ratio);
    return r;
}

ThrustResult ThrustUnderUniformLoad(const WallBack& back, const SoilProfile& p, double sigma, double beta,
                                    int theory) {
    ThrustResult r;
    r.backfill = p.At(p.topY - back.top.y).soil;
    r.back = back;
    r.height = static_cast<float>(back.Height());
    AddLayersBelow(r, back, p, theory, beta, 0, sigma, {});
    return r;
}

double VerticalStress(const SoilProfile& p, double depth) {
    std::array<double, kLayerRowsMax + 3> z{};
    size_t n = 0;
    z[n++] = 0;
    for (int i = 0; i + 1 < p.count; ++i)
        if (p.layers[i].bottom > 0 && p.layers[i].bottom < depth) z[n++] = p.layers[i].bottom;
    if (p.water && p.waterDepth > 0 && p.waterDepth < depth) z[n++] = p.waterDepth;
    z[n++] = depth;
    std::sort(z.begin(), z.begin() + n);
    double sigma = 0;
    for (size_t i = 1; i < n; ++i) {
        const double mid = (z[i - 1] + z[i]) / 2;
        sigma += p.UnitWeight(p.At(mid), mid) * (z[i] - z[i - 1]);
    }
    return sigma;
}

bool LayeredThrustWithoutStrip(const ThrustResult& loaded, const GroundSurface& ground,
                               const SoilProfile& profile, int theory, ThrustResult& bare) {
    if (!ground.strip.Present() || !(loaded.load > 0)) return false;
    GroundSurface g = ground;
    g.strip = {};
    bare = LayeredThrust(loaded.back, g, profile, theory);
    return bare.status == PressureStatus::kOk;
}

}  // namespace wall
