// The pressure under a wall's base: linear over the part in contact, which starts at the edge the
// resultant leans to (the whole base, or 3(B/2 − e) from that edge when e > B/6, GB 50007-2011 §5.2.2).
#pragma once

namespace wall {

// x is measured from the toe; the heel's end is at B.
struct BaseContact {
    double B = 0;
    double sigmaMax = 0;
    double sigmaMin = 0;       // at the other edge; 0 where part of the base lifts off
    double contact = 0;        // B, or 3(B/2 − e); 0 when no distribution balances the loads
    bool towardsHeel = false;  // σmax at the heel's end
    bool partial = false;      // e > B/6
};

double BasePressureAt(const BaseContact& c, double x);

// The pressure over [a, b] as a force and as a moment about a point outside [a, b]; exact (Simpson's
// rule on each side of the contact's end, where the integrand is at most quadratic).
double BasePressureForce(const BaseContact& c, double a, double b);
double BasePressureMoment(const BaseContact& c, double a, double b, double about);

}  // namespace wall
