#include "analysis/OverallSlip.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace wall {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kFactorTolerance = 1e-4;
constexpr int kMaxIterations = 200;
constexpr double kMinMAlphaRatio = 0.2;    // mα ≥ 0.2·cosα
constexpr double kEndTolerance = 1e-5;     // m, on the entry and exit
constexpr double kChangeTolerance = 1e-4;  // m, on where the strength changes along the circle
constexpr int kMaxChanges = 4;             // material changes looked for within one slice
constexpr double kMinWidth = 1e-9;         // m: narrower slices, from coinciding boundaries, are dropped
constexpr double kNoDrive = 1e-9;          // driving moment / (R·ΣW) below which nothing drives
constexpr int kTopSamples = 201;           // to find the top's lowest and highest points

// What the Bishop iteration needs of a slice; filled once per circle.
struct SliceTerm {
    double resist;  // c·b + max(0, W − u·b)·tanφ
    double sinTan;  // sinα·tanφ
    double cosA;
};

// Buffers reused from circle to circle so that the search allocates nothing per circle.
struct Scratch {
    std::vector<SliceTerm> terms;
    std::vector<double> bounds;  // within one slice: breaks and strength changes
};

bool Same(const SlipStrength& a, const SlipStrength& b) {
    return a.c == b.c && a.phi == b.phi;
}

double LowerY(const SlipCircle& c, double x) {
    const double dx = x - c.xc;
    return c.yc - std::sqrt(std::max(0.0, c.R * c.R - dx * dx));
}

// top − circle; positive inside the slip mass.
double Gap(const SlipGround& g, const SlipCircle& c, double x) {
    return g.top(x) - LowerY(c, x);
}

// The crossing within a bracket [out, in] of Gap (fOut = Gap(out) ≤ 0 < fIn = Gap(in)), by false
// position with the Illinois modification (the stale end's value halved, so that both ends close in).
double Crossing(const SlipGround& g, const SlipCircle& c, double out, double fOut, double in, double fIn) {
    int side = 0;
    for (int it = 0; it < 100 && std::abs(in - out) > kEndTolerance; ++it) {
        double x = (fIn * out - fOut * in) / (fIn - fOut);
        if (!(std::min(out, in) < x && x < std::max(out, in))) x = 0.5 * (out + in);
        const double f = Gap(g, c, x);
        if (std::abs(f) < 1e-9) return x;
        if (f > 0) {
            in = x;
            fIn = f;
            if (side == 1) fOut *= 0.5;
            side = 1;
        } else {
            out = x;
            fOut = f;
            if (side == -1) fIn *= 0.5;
            side = -1;
        }
    }
    return 0.5 * (out + in);
}

// The outermost crossings of the top by the circle's lower half. False when the circle misses the top,
// leaves it outside [xMin, xMax], or has the top above its centre at one of its sides (the upper half
// would then cut the ground).
bool SlipEnds(const SlipGround& g, const SlipCircle& c, int samples, double& xa, double& xb) {
    const double x0 = std::max(c.xc - c.R, g.xMin);
    const double x1 = std::min(c.xc + c.R, g.xMax);
    if (!(x1 > x0)) return false;
    const double f0 = Gap(g, c, x0), f1 = Gap(g, c, x1);
    if (f0 > 0 || f1 > 0) return false;
    const double h = (x1 - x0) / samples;
    // Scan inwards from each side for the first sample inside the mass.
    double fOut = f0, fIn = 0;
    int i = 1;
    for (; i < samples && (fIn = Gap(g, c, x0 + i * h)) <= 0; ++i) fOut = fIn;
    if (i == samples) return false;
    xa = Crossing(g, c, x0 + (i - 1) * h, fOut, x0 + i * h, fIn);
    const double fFirst = fIn;
    fOut = f1;
    int j = samples - 1;
    for (; j > i && (fIn = Gap(g, c, x0 + j * h)) <= 0; --j) fOut = fIn;
    if (j == i) fIn = fFirst;
    xb = Crossing(g, c, x0 + (j + 1) * h, fOut, x0 + j * h, fIn);
    return xb > xa;
}

// The slip surface's lowest point: the circle's bottom when it lies within the slip mass, else the
// lower end.
double Lowest(const SlipCircle& c, double xa, double xb) {
    if (c.xc >= xa && c.xc <= xb) return c.yc - c.R;
    return std::min(LowerY(c, xa), LowerY(c, xb));
}

struct Limits {
    double below = std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();
};

double Evaluate(const SlipGround& g, const SlipCircle& c, const SlipSearch& s, const Limits& lim, Scratch& w,
                std::vector<SlipSliceSummary>* out) {
    if (out) out->clear();
    if (!(c.R > 0) || s.slices < 1 || c.yc - c.R < lim.bottom) return kNaN;
    double xa = 0, xb = 0;
    if (!SlipEnds(g, c, 2 * s.slices, xa, xb)) return kNaN;
    if (!(Lowest(c, xa, xb) < lim.below)) return kNaN;

    // Equal slices, split where a break falls within one and where the strength along the circle changes
    // between a slice's ends (bisected to kChangeTolerance; several materials may meet within one slice,
    // at a wall's heel corner, so the search goes on from each change until the far end's material).
    const double h = (xb - xa) / s.slices;
    const double sense = s.toeAtRight ? -1.0 : 1.0;  // sinα grows towards the back, whichever side it is
    const auto strengthAt = [&](double x) { return g.strength(x, LowerY(c, x)); };
    w.terms.clear();
    double drive = 0, resist0 = 0, weight = 0;
    double lastPhi = kNaN, lastTan = 0;
    const auto addSlice = [&](double x0, double x1, const SlipStrength* known) {
        const double b = x1 - x0;
        if (!(b > kMinWidth)) return;
        const double x = x0 + 0.5 * b;
        const double y = LowerY(c, x);
        const double yTop = g.top(x);
        if (!(yTop > y)) return;  // the circle runs above the top here
        const double W = b * g.verticalStress(x, y);
        const double u = g.porePressure ? g.porePressure(x, y) : 0.0;
        const SlipStrength st = known ? *known : g.strength(x, y);
        if (st.phi != lastPhi) {
            lastPhi = st.phi;
            lastTan = std::tan(st.phi);
        }
        const double sinA = std::clamp(sense * (x - c.xc) / c.R, -1.0, 1.0);
        const double cosA = std::sqrt(1 - sinA * sinA);
        const double resist = st.c * b + std::max(0.0, W - u * b) * lastTan;
        // Seismic force towards the toe at mid-height; its arm about the centre is yc − yg.
        drive += W * sinA + s.kh * W * (c.yc - 0.5 * (y + yTop)) / c.R;
        resist0 += resist;
        weight += W;
        w.terms.push_back({resist, sinA * lastTan, cosA});
        if (out) out->push_back({x, y, b, std::asin(sinA), W, u, st.c, st.phi});
    };
    SlipStrength nearEnd = strengthAt(xa);
    for (int i = 0; i < s.slices; ++i) {
        const double x0 = xa + i * h, x1 = i + 1 == s.slices ? xb : x0 + h;
        const SlipStrength farEnd = strengthAt(x1);
        std::vector<double>& inner = w.bounds;
        inner.clear();
        for (double x : g.breaks)
            if (x > x0 && x < x1) inner.push_back(x);
        double lo = x0;
        SlipStrength from = nearEnd;
        for (int change = 0; change < kMaxChanges && !Same(from, farEnd); ++change) {
            double hi = x1;
            while (hi - lo > kChangeTolerance) {
                const double mid = 0.5 * (lo + hi);
                (Same(strengthAt(mid), from) ? lo : hi) = mid;
            }
            inner.push_back(0.5 * (lo + hi));
            from = strengthAt(hi);
            lo = hi;
        }
        if (inner.empty()) {
            addSlice(x0, x1, &farEnd);
        } else {
            std::sort(inner.begin(), inner.end());
            double start = x0;
            for (double x : inner) {
                addSlice(start, x, nullptr);
                start = x;
            }
            addSlice(start, x1, nullptr);
        }
        nearEnd = farEnd;
    }
    // No driving moment: nothing but rounding drives (a symmetric circle under level ground).
    if (w.terms.empty() || !(drive > kNoDrive * weight)) {
        if (out) out->clear();
        return kNaN;
    }

    // Bishop's equation F·drive = Σ resist/mα(F), started from mα = 1 and solved by Newton's method (a
    // plain fixed-point step where the equation's slope is too small for Newton's to be safe), until F
    // changes by less than kFactorTolerance.
    double F = resist0 / drive;
    for (int it = 0; it < kMaxIterations && F > 0; ++it) {
        const double inv = 1 / F;
        double sum = 0, slope = 0;  // Σ resist/mα and its derivative in F
        for (const SliceTerm& t : w.terms) {
            const double m = t.cosA + t.sinTan * inv;
            const double floor = kMinMAlphaRatio * t.cosA;
            const double invM = 1 / std::max(m, floor);
            const double q = t.resist * invM;
            sum += q;
            if (m > floor) slope += q * invM * t.sinTan * inv * inv;
        }
        const double fixedPoint = sum / drive;
        const double denominator = drive - slope;  // d/dF of F·drive − sum
        double next = fixedPoint;
        if (denominator > 0.1 * drive) next = F - (F * drive - sum) / denominator;
        if (!(next > 0)) next = fixedPoint;
        if (std::abs(next - F) < kFactorTolerance) return next;
        F = next;
    }
    if (out) out->clear();
    return kNaN;
}

}  // namespace

double BishopFactor(const SlipGround& g, const SlipCircle& c, const SlipSearch& s,
                    std::vector<SlipSliceSummary>* slices) {
    Scratch w;
    return Evaluate(g, c, s, Limits{}, w, slices);
}

SlipResult SearchCriticalCircle(const SlipGround& g, const SlipSearch& s) {
    SlipResult r;
    if (!(g.xMax > g.xMin) || !g.top || !g.verticalStress || !g.strength || s.gridX < 1 || s.gridY < 1 ||
        s.radii < 1 || s.slices < 1 || !(s.tolerance > 0))
        return r;

    const double L = g.xMax - g.xMin;
    double topLow = std::numeric_limits<double>::infinity(), topHigh = -topLow;
    for (int i = 0; i < kTopSamples; ++i) {
        const double y = g.top(g.xMin + L * i / (kTopSamples - 1));
        topLow = std::min(topLow, y);
        topHigh = std::max(topHigh, y);
    }
    const auto orDefault = [](double v, double d) { return std::isnan(v) ? d : v; };
    const double xLeft = orDefault(s.xLeft, g.xMin), xRight = orDefault(s.xRight, g.xMax);
    const double yLow = orDefault(s.yLow, topLow + 0.05 * L), yHigh = orDefault(s.yHigh, topHigh + 0.5 * L);
    const double depth = orDefault(s.depth, 0.5 * L);
    if (!(depth > 0)) return r;
    const double deepest = s.below - depth;
    const Limits lim{s.below, deepest - 1e-9};

    const double dx = s.gridX > 1 ? (xRight - xLeft) / (s.gridX - 1) : 0;
    const double dy = s.gridY > 1 ? (yHigh - yLow) / (s.gridY - 1) : 0;
    const double dl = depth / s.radii;

    Scratch w;
    w.terms.reserve(s.slices * (kMaxChanges + 1) + g.breaks.size());
    w.bounds.reserve(kMaxChanges + g.breaks.size());
    struct Trial {
        double F, xc, yc, level;
    };
    constexpr double kNone = std::numeric_limits<double>::infinity();
    const auto factor = [&](double xc, double yc, double level) {
        ++r.evaluated;
        const double F = Evaluate(g, {xc, yc, yc - level}, s, lim, w, nullptr);
        return Trial{std::isnan(F) ? kNone : F, xc, yc, level};
    };
    // The least factor at a centre over tangent levels in [lo, hi] by golden section to within `tol`, kept
    // if better than `best`. Per centre the factor is often least at a kink (the circle grazing a wall's
    // corner, below which it would cut concrete), which a 1-D search places exactly.
    const auto overLevels = [&](double xc, double yc, double lo, double hi, double tol, Trial best) {
        constexpr double kGolden = 0.6180339887498949;
        lo = std::max(lo, deepest);
        hi = std::min(hi, s.below);
        double a = lo, b = hi;
        Trial t1 = factor(xc, yc, b - kGolden * (b - a)), t2 = factor(xc, yc, a + kGolden * (b - a));
        while (b - a > tol) {
            if (t1.F < best.F) best = t1;
            if (t2.F < best.F) best = t2;
            if (t1.F <= t2.F) {
                b = t2.level;
                t2 = t1;
                t1 = factor(xc, yc, b - kGolden * (b - a));
            } else {
                a = t1.level;
                t1 = t2;
                t2 = factor(xc, yc, a + kGolden * (b - a));
            }
        }
        if (t1.F < best.F) best = t1;
        if (t2.F < best.F) best = t2;
        return best;
    };

    // The grid: each centre's levels scanned, the best one refined; the best few centres kept as starts.
    constexpr int kStarts = 4;
    std::array<Trial, kStarts> starts;
    starts.fill({kNone, 0, 0, 0});
    for (int i = 0; i < s.gridX; ++i) {
        const double xc = s.gridX > 1 ? xLeft + i * dx : 0.5 * (xLeft + xRight);
        for (int j = 0; j < s.gridY; ++j) {
            const double yc = s.gridY > 1 ? yLow + j * dy : 0.5 * (yLow + yHigh);
            Trial here{kNone, xc, yc, 0};
            for (int k = 0; k < s.radii; ++k) {
                const Trial t = factor(xc, yc, s.below - (k + 1) * dl);
                if (t.F < here.F) here = t;
            }
            if (here.F == kNone) continue;
            here = overLevels(xc, yc, here.level - dl, here.level + dl, 0.02 * dl, here);  // enough to rank
            if (here.F < starts[kStarts - 1].F) {
                starts[kStarts - 1] = here;
                std::sort(starts.begin(), starts.end(),
                          [](const Trial& a, const Trial& b) { return a.F < b.F; });
            }
        }
    }
    if (starts[0].F == kNone) return r;

    // Pattern search over the centre (eight neighbours, each with its own best level near the current
    // one): move to the best improving neighbour, else halve the steps, down to `until`. Every start goes
    // down to an eighth of the grid's spacing, the best of them on to s.tolerance.
    struct Refined {
        Trial at;
        double hx, hy;
    };
    const auto refine = [&](Refined p, double until) {
        for (int guard = 0; guard < 200 && std::max(p.hx, p.hy) >= until; ++guard) {
            const double h = std::max(p.hx, p.hy);
            const double reach = 2.5 * h;  // how far a centre's move can shift its best level
            const double tol = std::max(0.5 * s.tolerance, 0.05 * h);
            Trial next = p.at;
            for (int ix = -1; ix <= 1; ++ix) {
                for (int iy = -1; iy <= 1; ++iy) {
                    if (ix == 0 && iy == 0) continue;
                    const double xc = p.at.xc + ix * p.hx, yc = p.at.yc + iy * p.hy;
                    const Trial t =
                        overLevels(xc, yc, p.at.level - reach, p.at.level + reach, tol, {kNone, xc, yc, 0});
                    if (t.F < next.F) next = t;
                }
            }
            if (next.F < p.at.F) {
                p.at = next;
            } else {
                p.hx *= 0.5;
                p.hy *= 0.5;
            }
        }
        return p;
    };
    const double hx0 = dx > 0 ? dx : dl, hy0 = dy > 0 ? dy : dl;
    Refined best{starts[0], hx0, hy0};
    for (const Trial& start : starts) {
        if (start.F == kNone) continue;
        const Refined p = refine({start, hx0, hy0}, std::max(hx0, hy0) / 8);
        if (p.at.F < best.at.F) best = p;
    }
    const Trial found = refine(best, s.tolerance).at;

    r.found = true;
    r.circle = {found.xc, found.yc, found.yc - found.level};
    r.F = Evaluate(g, r.circle, s, lim, w, &r.slices);
    return r;
}

}  // namespace wall
