// Overall stability of a wall and its ground: the simplified Bishop method on circular slip surfaces
// (Bishop 1955, moment equilibrium about the centre, interslice shear neglected) and a search for the
// least factor over circles passing below a given level.
//
// Units: kN, m, kPa; angles in radians. x is horizontal, y upwards. By default the mass slides towards
// decreasing x (the toe is on the small-x side); SlipSearch::toeAtRight mirrors that.
#pragma once

#include <functional>
#include <limits>
#include <vector>

namespace wall {

struct SlipStrength {
    double c = 0;    // effective cohesion, kPa
    double phi = 0;  // effective friction angle, rad
};

// The ground a circle cuts, described point by point so that any cross-section (a wall, layered
// backfill, water, a surcharge, the foundation soil) can be given by the caller.
struct SlipGround {
    double xMin = 0, xMax = 0;            // circles must enter and leave the top within [xMin, xMax]
    std::function<double(double x)> top;  // height of the top surface at x (ground, wall top, ...)
    // Vertical stress at (x, y) from everything above it up to the top, plus any surcharge, kPa: a slice
    // of width b whose base middle is at (x, y) weighs b·verticalStress(x, y).
    std::function<double(double x, double y)> verticalStress;
    std::function<SlipStrength(double x, double y)> strength;  // of the material at the slip surface
    std::function<double(double x, double y)> porePressure;    // kPa, 0 where dry (may be empty)
    // x where the section changes abruptly (a wall's faces, a slope's toe and crest, a surcharge's ends):
    // slice boundaries are put there so that no slice averages its weight across a step. Where the
    // strength changes along the slip surface (strength is meant piecewise constant, one value per
    // material) the change is found by bisection and made a slice boundary as well.
    std::vector<double> breaks;
};

struct SlipCircle {
    double xc = 0, yc = 0, R = 0;
};

// One slice of an analysed circle, for a report table.
struct SlipSliceSummary {
    double x = 0;  // middle of the slice
    double y = 0;  // height of the base's middle
    double width = 0;
    double alpha = 0;  // base inclination, rad; positive where the base rises towards the back (driving)
    double W = 0;      // weight including surcharge, kN/m
    double u = 0;      // pore pressure at the base, kPa
    double c = 0;      // kPa
    double phi = 0;    // rad
};

struct SlipSearch {
    bool toeAtRight = false;  // false: the mass slides towards decreasing x
    double below = 0;  // the slip surface's lowest point must lie below this level (e.g. a wall's base)
    // Pseudo-static seismic coefficient: a horizontal force kh·W on each slice, towards the toe, at the
    // slice's mid-height between base and top.
    double kh = 0;
    int slices = 30;
    // The grid of centres. The window defaults (NaN) derive from the section: x over [xMin, xMax], y from
    // the top's lowest point + 0.05·L to its highest + 0.5·L, where L = xMax − xMin (critical centres
    // often lie below a wall's top, over the ground in front of it).
    int gridX = 15, gridY = 15;
    double xLeft = std::numeric_limits<double>::quiet_NaN();
    double xRight = std::numeric_limits<double>::quiet_NaN();
    double yLow = std::numeric_limits<double>::quiet_NaN();
    double yHigh = std::numeric_limits<double>::quiet_NaN();
    // Each centre carries circles tangent to `radii` levels evenly spaced from below − depth/radii down to
    // below − depth; no circle reaches lower than below − depth (a firm stratum, the model's base).
    // depth defaults (NaN) to 0.5·L.
    int radii = 10;
    double depth = std::numeric_limits<double>::quiet_NaN();
    double tolerance = 0.005;  // m: the refinement stops when its steps are smaller than this
};

struct SlipResult {
    bool found = false;
    double F = 0;                          // least factor of safety found
    SlipCircle circle;                     // the critical circle
    std::vector<SlipSliceSummary> slices;  // of the critical circle, by increasing x
    int evaluated = 0;                     // circles analysed
};

// The factor of one circle by the simplified Bishop method: F·Σ(W·sinα + kh·W·(yc − yg)/R) =
// Σ(c·b + (W − u·b)·tanφ)/mα with mα = cosα + sinα·tanφ/F, solved by Newton's method (a plain
// fixed-point step where Newton's is unsafe) until F changes by less than 1e-4. The slices, if asked
// for, are filled in. Uses s.toeAtRight, s.kh and s.slices only.
//
// The circle must cut the top with both ends inside [xMin, xMax] and the top must lie below the centre
// at the circle's sides. Between the outermost crossings of top and circle lie s.slices slices of equal
// width, split further at the breaks and strength changes; those whose base is above the top carry
// nothing. Two guards keep a slice's normal force physical: W − u·b is taken as at least 0, and mα as
// at least 0.2·cosα. On the toe side mα tends to 0 as F falls and the normal force grows without bound
// (Whitman & Bailey 1967 found Bishop's normal forces unreliable once mα falls below about 0.2; taken
// here relative to cosα so that φ = 0 is unaffected). The floor lowers such a slice's resistance, so F
// errs low. Returns NaN when the circle is not a slip circle of this section or has no driving moment.
double BishopFactor(const SlipGround& g, const SlipCircle& c, const SlipSearch& s,
                    std::vector<SlipSliceSummary>* slices = nullptr);

// The least factor over circles whose slip surface's lowest point lies below s.below (and whose bottom
// is no lower than below − depth). Each centre of the grid tries its `radii` tangent levels and refines
// the best by golden section over the level (the least factor at a centre is often a kink, the circle
// just grazing a wall's corner). From the four best centres a pattern search over the centre (its eight
// neighbours, each with its own best level) moves to the best improving neighbour or halves its steps:
// all four down to an eighth of the grid's spacing, the best on until the steps are below s.tolerance.
// found is false when no circle of the grid is a slip circle.
SlipResult SearchCriticalCircle(const SlipGround& g, const SlipSearch& s);

}  // namespace wall
