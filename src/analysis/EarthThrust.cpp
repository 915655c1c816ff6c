// Coulomb's thrust by trial wedges and Rankine's on a vertical back, each with its pressure diagram.
#include "analysis/EarthThrust.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/EarthCoefficients.h"

namespace wall {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
Point Minus(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}

// What lies between the back above a point P, the ground and the line from P in direction d.
struct WedgeContent {
    double area = 0;
    double strip = 0;  // length of the strip load on it
    bool closed = false;
};

// The ground from the back's top outwards as segments: the top, every vertex beyond it, then level.
// Finds where the line from P along d comes up through the ground and sums the polygon P, top,
// vertices, crossing.
WedgeContent Wedge(const WallBack& back, const GroundSurface& g, Point P, Point d) {
    WedgeContent w;
    const Point top = back.top;
    auto side = [&](Point q) { return Cross(d, Minus(q, P)); };  // > 0: the point lies above the line
    Point a = top;
    double sa = side(a);
    if (!(sa > 0)) return w;     // the line leaves the soil at once: no wedge
    double twice = Cross(P, a);  // shoelace sum, P → top → ... → crossing → P
    for (int i = 0; i <= g.count; ++i) {
        Point b;
        if (i < g.count) {
            b = g.points[i];
            if (b.x <= top.x) continue;
        } else {
            // Level beyond the last vertex: the line reaches its height once, if it rises.
            if (!(d.y > 0)) return w;
            const double y = g.points[g.count - 1].y;
            const double x = P.x + (y - P.y) * d.x / d.y;
            b = {std::max(x, a.x) + 1, y};
        }
        const double sb = side(b);
        if (sb > 0) {
            twice += Cross(a, b);
            a = b;
            sa = sb;
            continue;
        }
        const double t = sa / (sa - sb);
        const Point c = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        twice += Cross(a, c) + Cross(c, P);
        w.area = std::fabs(twice) / 2;
        w.strip = g.strip.LengthWithin(top.x, c.x);
        w.closed = true;
        return w;
    }
    return w;
}

Point Direction(double rho) {
    return {std::cos(rho), std::sin(rho)};
}

// Thrust per unit weight of a wedge whose plane rises at ρ, on a back at α with wall friction δ:
// E = W·sin(ρ − φ)/cos(ρ − φ − α − δ).
double WedgeFactor(double rho, double phi, double alpha, double delta) {
    return std::sin(rho - phi) / std::cos(rho - phi - alpha - delta);
}

// Depth at which the line through q parallel to d meets the back.
double DepthOf(const WallBack& back, Point q, Point d) {
    const double H = back.Height();
    const Point perDepth = {(back.bottom.x - back.top.x) / H, -1};
    return Cross(Minus(q, back.top), d) / Cross(perDepth, d);
}

// A short list of numbers on the stack: the analyses run many cases a second and allocate nothing.
struct Numbers {
    std::array<double, GroundSurface::kMaxPoints + 64> v{};
    size_t n = 0;
    void push_back(double x) {
        if (n < v.size()) v[n++] = x;
    }
    double* begin() { return v.data(); }
    double* end() { return v.data() + n; }
    size_t size() const { return n; }
    double operator[](size_t i) const { return v[i]; }
};

// The depths where the wedges of planes parallel to d change shape: lines through the ground's
// vertices and the strip's edges. Sorted, within (0, H), with 0 and H at the ends.
Numbers Breaks(const WallBack& back, const GroundSurface& g, Point d) {
    const double H = back.Height();
    Numbers z;
    z.push_back(0);
    z.push_back(H);
    auto add = [&](Point q) {
        const double depth = DepthOf(back, q, d);
        if (depth > 1e-9 && depth < H - 1e-9) z.push_back(depth);
    };
    for (int i = 0; i < g.count; ++i)
        if (g.points[i].x > back.top.x) add(g.points[i]);
    if (g.strip.Present()) {
        for (double x : {g.strip.from, g.strip.to})
            if (x > back.top.x) add({x, g.HeightAt(x)});
    }
    std::sort(z.begin(), z.end());
    z.n = static_cast<size_t>(
        std::unique(z.begin(), z.end(), [](double a, double b) { return b - a < 1e-9; }) - z.begin());
    return z;
}

// The diagram of thrusts E(z) = k·(γ·A(z) + q·L(z)) of the wedges above each depth, bounded by
// lines parallel to d. Between breaks E is quadratic in z (every moving vertex moves linearly), so
// three values give its slope at both ends exactly.
void ProjectedDiagram(const WallBack& back, const GroundSurface& g, Point d, double kSoil, double kLoad,
                      PressureDiagram& out) {
    const Numbers z = Breaks(back, g, d);
    auto thrusts = [&](double depth, double& soil, double& load) {
        const WedgeContent w = Wedge(back, g, back.At(depth), d);
        soil = kSoil * w.area;
        load = kLoad * w.strip;
    };
    double s0 = 0, l0 = 0;
    thrusts(z[0], s0, l0);
    for (size_t i = 1; i < z.size(); ++i) {
        double sm, lm, s1, l1;
        thrusts((z[i - 1] + z[i]) / 2, sm, lm);
        thrusts(z[i], s1, l1);
        const double h = z[i] - z[i - 1];
        auto start = [h](double a, double m, double b) { return std::max(0.0, (-3 * a + 4 * m - b) / h); };
        auto end = [h](double a, double m, double b) { return std::max(0.0, (a - 4 * m + 3 * b) / h); };
        out.Add(static_cast<float>(z[i - 1]), static_cast<float>(start(s0, sm, s1)),
                static_cast<float>(start(l0, lm, l1)));
        out.Add(static_cast<float>(z[i]), static_cast<float>(end(s0, sm, s1)),
                static_cast<float>(end(l0, lm, l1)));
        s0 = s1;
        l0 = l1;
    }
}

// Fills the totals, the point of action and Ka from the diagram.
void Summarise(const WallBack& back, ThrustResult& r) {
    const double H = back.Height();
    r.back = back;
    const DiagramThrust s = r.diagram.Thrust(PressureDiagram::Part::kSoil);
    const DiagramThrust l = r.diagram.Thrust(PressureDiagram::Part::kLoad);
    const DiagramThrust t = r.diagram.Thrust(PressureDiagram::Part::kTotal);
    r.height = static_cast<float>(H);
    r.soil = s.force;
    r.load = l.force;
    r.E = t.force;
    // With no thrust at all its place does not matter; a third of the height keeps it a number.
    r.depth = t.force > 0 ? t.depth : static_cast<float>(2 * H / 3);
    r.point = back.At(r.depth);
    if (!std::isfinite(r.E) || !std::isfinite(r.depth) || !std::isfinite(r.point.x))
        r.status = PressureStatus::kNoFailurePlane;
}

// Golden-section search for the largest value of f on [a, b].
template <class F>
double GoldenMax(F f, double a, double b, double& best) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = f(c), fd = f(d);
    for (int i = 0; i < 40 && b - a > 1e-6; ++i) {
        if (fc >= fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = f(d);
        }
    }
    const double x = fc >= fd ? c : d;
    best = std::max(fc, fd);
    return x;
}

// Rankine's closed form stands on one plane: a ground rising more steeply further out pushes harder
// than the plane at the back's top. The soil's part is then raised by the trial wedge's ratio on the
// ground as entered over the same wedge on that plane continued (δ = β, which gives Rankine's thrust on
// a plane), never lowered: a flatter ground further out keeps the plane's value, on the safe side.
void RaiseForSteeperGround(const WallBack& back, const GroundSurface& ground, const Backfill& soil,
                           double beta, ThrustResult& r) {
    if (r.status != PressureStatus::kOk || !(r.soil > 0)) return;
    const double ratio = SteeperGroundRatio(back, ground, soil, beta, 0);
    if (!(ratio > 1 + 1e-9)) return;
    PressureDiagram raised;
    for (const DiagramNode& n : r.diagram)
        raised.Add(n.depth, static_cast<float>(n.soil * ratio), n.load, n.water);
    r.diagram = raised;
    r.soilComputed = static_cast<float>(r.soilComputed * ratio);
    r.groundRatio = static_cast<float>(ratio);
    Summarise(back, r);
}

}  // namespace

double SteeperGroundRatio(const WallBack& back, const GroundSurface& ground, const Backfill& soil,
                          double beta, double theta) {
    bool steeper = false;
    for (int i = 1; i < ground.count; ++i)
        if (ground.points[i].x > back.top.x && ground.AngleAt(ground.points[i].x) > beta + 1e-6)
            steeper = true;
    if (!steeper) return 1;
    GroundSurface asEntered = ground, plane = ground;
    asEntered.strip = plane.strip = {};
    const double run = 1e4;  // far beyond any wedge
    plane.points[0] = back.top;
    plane.points[1] = {back.top.x + run, back.top.y + run * std::tan(beta)};
    plane.count = 2;
    // δ = β, turned by the seismic angle with the soil's φ and weight.
    const Backfill b{static_cast<float>(soil.gamma / std::cos(theta)), 0,
                     static_cast<float>(soil.phi - theta), static_cast<float>(beta + theta)};
    const ThrustResult onPlane = CoulombThrust(back, plane, b), entered = CoulombThrust(back, asEntered, b);
    if (onPlane.status != PressureStatus::kOk || entered.status != PressureStatus::kOk || !(onPlane.E > 0))
        return 1;
    return std::max(1.0, static_cast<double>(entered.E) / onPlane.E);
}

double WallBack::Angle() const {
    return std::atan2(bottom.x - top.x, top.y - bottom.y);
}

Point WallBack::At(double depth) const {
    const double t = depth / Height();
    return {top.x + (bottom.x - top.x) * t, top.y + (bottom.y - top.y) * t};
}

bool CoulombThrustWithoutStrip(const ThrustResult& loaded, const GroundSurface& ground, ThrustResult& bare) {
    if (!ground.strip.Present() || !(loaded.load > 0)) return false;
    GroundSurface g = ground;
    g.strip = {};
    bare = CoulombThrust(loaded.back, g, loaded.backfill);
    return bare.status == PressureStatus::kOk;
}

ThrustPart PartOfThrust(const ThrustResult& t, PressureDiagram::Part part, double angle, Point origin) {
    const DiagramThrust d = t.diagram.Thrust(part);
    ThrustPart p;
    if (!(d.force > 0)) return p;
    const Point at = t.back.At(d.depth);
    p.Fx = static_cast<float>(d.force * std::cos(angle));
    p.Fy = static_cast<float>(d.force * std::sin(angle));
    p.x = static_cast<float>(at.x - origin.x);
    p.y = static_cast<float>(at.y - origin.y);
    return p;
}

ThrustPart WaterPartOf(const ThrustResult& t, Point origin) {
    ThrustPart p;
    if (!(t.water > 0)) return p;
    const Point at = t.back.At(t.waterDepth);
    p.Fx = t.water;
    p.Fy = static_cast<float>(t.water * std::tan(t.back.Angle()));
    p.x = static_cast<float>(at.x - origin.x);
    p.y = static_cast<float>(at.y - origin.y);
    return p;
}

double DepthAlongPlane(const WallBack& back, Point q, double rho) {
    return DepthOf(back, q, Direction(rho));
}

double WedgeThrust(const WallBack& back, const GroundSurface& ground, const Backfill& soil, double rho) {
    const double alpha = back.Angle();
    const double k = WedgeFactor(rho, soil.phi, alpha, soil.delta);
    if (!(k > 0)) return 0;
    const WedgeContent w = Wedge(back, ground, back.bottom, Direction(rho));
    if (!w.closed) return 0;
    return k * (soil.gamma * w.area + ground.strip.q * w.strip);
}

ThrustResult CoulombThrust(const WallBack& back, const GroundSurface& ground, const Backfill& soil) {
    ThrustResult r;
    r.backfill = soil;
    const double H = back.Height(), alpha = back.Angle();
    // Planes rise from the back's foot between the friction angle (no thrust) and the back itself.
    const double lo = soil.phi, hi = std::min(kPi / 2 + alpha, kPi / 2 + soil.phi + alpha + soil.delta);
    if (!(H > 0) || !(hi > lo) || !(soil.gamma > 0)) {
        r.status = PressureStatus::kNoFailurePlane;
        return r;
    }
    // E(ρ) = (γ·A + q·L)·sin(ρ − φ)/cos(ρ − φ − α − δ), expanded and divided through by sin ρ: the
    // plane is searched by its run per unit rise u = cot ρ, which serves the wedge and the factor alike
    // with no sine or cosine to take.
    const double sp = std::sin(static_cast<double>(soil.phi)), cp = std::cos(static_cast<double>(soil.phi));
    const double sw = std::sin(soil.phi + alpha + soil.delta), cw = std::cos(soil.phi + alpha + soil.delta);
    auto thrust = [&](double u) {
        const double k = (cp - u * sp) / (u * cw + sw);
        if (!(k > 0)) return 0.0;
        const WedgeContent w = Wedge(back, ground, back.bottom, {u, 1});
        return w.closed ? k * (soil.gamma * w.area + ground.strip.q * w.strip) : 0.0;
    };
    const double uLo = 1 / std::tan(hi), uHi = 1 / std::tan(lo);

    // A scan, the planes through every vertex and strip edge (where the thrust has a corner), then a
    // golden-section search around every peak of the scan and on each side of a corner towards which
    // the thrust rises: a corner may part two peaks, while between samples the thrust is smooth. The
    // largest is kept, so that a load never finds less than the ground alone.
    Numbers us, corners;
    constexpr int kScan = 12;
    // Evenly spaced in ρ, by cot(x + h) = (cot x·cot h − 1)/(cot x + cot h) rather than a tangent each.
    const double cotStep = 1 / std::tan((hi - lo) / kScan);
    for (double u = uHi; us.size() < kScan - 1;) {
        u = (u * cotStep - 1) / (u + cotStep);
        us.push_back(u);
    }
    auto through = [&](Point q) {
        if (!(q.y > back.bottom.y)) return;
        const double u = (q.x - back.bottom.x) / (q.y - back.bottom.y);
        if (u > uLo && u < uHi) {
            us.push_back(u);
            corners.push_back(u);
        }
    };
    for (int i = 0; i < ground.count; ++i)
        if (ground.points[i].x > back.top.x) through(ground.points[i]);
    if (ground.strip.Present())
        for (double x : {ground.strip.from, ground.strip.to})
            if (x > back.top.x) through({x, ground.HeightAt(x)});
    std::sort(us.begin(), us.end());
    Numbers e;
    for (double u : us) e.push_back(thrust(u));
    double best = us[0], bestE = -1;
    for (size_t i = 0; i < us.size(); ++i)
        if (e[i] > bestE) {
            bestE = e[i];
            best = us[i];
        }
    // The intervals to search: around each smooth peak, then beside each corner where the thrust rises
    // away from it, unless a peak's interval holds that side already.
    std::array<std::pair<double, double>, GroundSurface::kMaxPoints + 64> spans;
    size_t nSpans = 0;
    auto search = [&](double a, double b) {
        for (size_t j = 0; j < nSpans; ++j)
            if (spans[j].first <= a && b <= spans[j].second) return;
        if (nSpans < spans.size()) spans[nSpans++] = {a, b};
        double refinedE = 0;
        const double at = GoldenMax(thrust, a, b, refinedE);
        if (refinedE > bestE) {
            bestE = refinedE;
            best = at;
        }
    };
    auto isCorner = [&](size_t i) {
        return std::find(corners.begin(), corners.end(), us[i]) != corners.end();
    };
    auto before = [&](size_t i) { return i > 0 ? us[i - 1] : uLo; };
    auto after = [&](size_t i) { return i + 1 < us.size() ? us[i + 1] : uHi; };
    for (size_t i = 0; i < us.size(); ++i) {
        const bool peak = (i == 0 || e[i] > e[i - 1]) && (i + 1 == us.size() || e[i] >= e[i + 1]);
        if (peak && !isCorner(i)) search(before(i), after(i));
    }
    for (size_t i = 0; i < us.size(); ++i) {
        if (!isCorner(i)) continue;
        // Either side of a corner the thrust may rise to a peak that no sample shows.
        constexpr double kStep = 1e-7;
        if (thrust(us[i] - kStep) > e[i]) search(before(i), us[i]);
        if (thrust(us[i] + kStep) > e[i]) search(us[i], after(i));
    }
    const double rho = std::atan2(1.0, best);

    const double k = WedgeFactor(rho, soil.phi, alpha, soil.delta);
    r.planeAngle = static_cast<float>(rho);
    ProjectedDiagram(back, ground, Direction(rho), k * soil.gamma, k * ground.strip.q, r.diagram);
    Summarise(back, r);
    r.Ka = static_cast<float>(2 * r.soil / (soil.gamma * H * H));
    return r;
}

ThrustResult RankineThrust(const WallBack& back, const GroundSurface& ground, const Backfill& soil) {
    ThrustResult r;
    r.backfill = soil;
    const double H = back.Height();
    if (!(H > 0)) {
        r.status = PressureStatus::kNoFailurePlane;
        return r;
    }
    const double phi = soil.phi, c = soil.cohesion, gamma = soil.gamma;
    const double beta = ground.AngleAt(back.top.x);
    // σ = max(0, k·z − c0)
    const RankineLaw law = RankineLawOf(soil.phi, soil.cohesion, beta);
    const double Ka = law.Ka, k = gamma * Ka * law.slope, c0 = law.c0;
    if (beta > 1e-6)
        r.soilComputed = static_cast<float>(k * H * H / 2 - c0 * H);
    else
        r.soilComputed = static_cast<float>(k * H * H / 2 - c0 * H + (c > 0 ? 2 * c * c / gamma : 0));
    r.Ka = static_cast<float>(Ka);
    const double rho = kPi / 4 + phi / 2;
    r.planeAngle = static_cast<float>(rho);
    if (!std::isfinite(Ka) || !std::isfinite(k) || !std::isfinite(c0)) {
        r.status = beta > phi ? PressureStatus::kSlopeTooSteep : PressureStatus::kNoFailurePlane;
        return r;
    }

    // The strip's band on the back, between the lines from its edges at 45° + φ/2.
    const double q = ground.strip.q * Ka * std::cos(beta);
    double zA = H, zB = H;
    if (ground.strip.Present() && ground.strip.to > back.top.x) {
        const Point d = Direction(rho);
        const double from = std::max(ground.strip.from, back.top.x);
        zA = std::clamp(DepthOf(back, {from, ground.HeightAt(from)}, d), 0.0, H);
        zB = std::clamp(DepthOf(back, {ground.strip.to, ground.HeightAt(ground.strip.to)}, d), 0.0, H);
    }
    // Depth where the soil's pressure turns positive (the tension crack).
    const double z0 = std::clamp(k > 0 ? c0 / k : H, 0.0, H);
    r.soilClipped = r.soilComputed < 0;
    std::array<double, 5> z = {0, z0, zA, zB, H};
    std::sort(z.begin(), z.end());
    auto soilAt = [&](double depth) { return std::max(0.0, k * depth - c0); };
    for (size_t i = 1; i < z.size(); ++i) {
        if (!(z[i] > z[i - 1])) continue;
        const bool inBand = z[i - 1] >= zA && z[i] <= zB && zB > zA;
        const float load = inBand ? static_cast<float>(q) : 0.0f;
        r.diagram.Add(static_cast<float>(z[i - 1]), static_cast<float>(soilAt(z[i - 1])), load);
        r.diagram.Add(static_cast<float>(z[i]), static_cast<float>(soilAt(z[i])), load);
    }
    Summarise(back, r);
    RaiseForSteeperGround(back, ground, soil, beta, r);
    return r;
}

}  // namespace wall
