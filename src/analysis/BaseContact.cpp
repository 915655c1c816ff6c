// The pressure under a wall's base and its integrals.
#include "analysis/BaseContact.h"

#include <cmath>

namespace wall {
namespace {

// ∫ p(x)·w(x) dx over [a, b] for a weight w of at most first degree.
template <class Weight>
double Integral(const BaseContact& c, double a, double b, Weight w) {
    double cuts[3] = {a, b, b};
    if (c.partial) {
        const double end = c.towardsHeel ? c.B - c.contact : c.contact;
        if (end > a && end < b) cuts[1] = end;
    }
    double sum = 0;
    for (int i = 0; i < 2; ++i) {
        const double x0 = cuts[i], x1 = cuts[i + 1];
        if (!(x1 > x0)) continue;
        auto f = [&](double x) { return BasePressureAt(c, x) * w(x); };
        // Just inside the piece, so a jump at its end is read from the right side.
        const double e = (x1 - x0) * 1e-9;
        sum += (x1 - x0) * (f(x0 + e) + 4 * f((x0 + x1) / 2) + f(x1 - e)) / 6;
    }
    return sum;
}

}  // namespace

double BasePressureAt(const BaseContact& c, double x) {
    if (!c.partial) {
        const double toe = c.towardsHeel ? c.sigmaMin : c.sigmaMax;
        const double heel = c.towardsHeel ? c.sigmaMax : c.sigmaMin;
        return c.B > 0 ? toe + (heel - toe) * x / c.B : 0;
    }
    const double fromEdge = c.towardsHeel ? c.B - x : x;
    return fromEdge < c.contact ? c.sigmaMax * (1 - fromEdge / c.contact) : 0;
}

double BasePressureForce(const BaseContact& c, double a, double b) {
    return Integral(c, a, b, [](double) { return 1.0; });
}

double BasePressureMoment(const BaseContact& c, double a, double b, double about) {
    return Integral(c, a, b, [about](double x) { return std::fabs(x - about); });
}

}  // namespace wall
