// The ground behind a wall: its surface as entered, and the strip surcharge on it.
#pragma once

#include <array>

#include "case/WallCase.h"

namespace wall {

// A point in the outline's coordinates: m, origin at the wall's top back corner, x towards the
// backfill, y upwards.
struct Point {
    double x = 0;
    double y = 0;
};

// A uniform strip load of q kPa on the ground between two horizontal distances from the top back
// corner (per horizontal metre: its total is q·(to − from)).
struct StripLoad {
    double from = 0;
    double to = 0;
    double q = 0;

    bool Present() const { return q > 0 && to > from; }
    // The part of the strip between two horizontal positions, m.
    double LengthWithin(double x0, double x1) const;
};

// The ground surface from the top back corner outwards: one point per slope segment's end, then
// level for ever. Slope runs are positive, so the surface is a function of x.
struct GroundSurface {
    static constexpr int kMaxPoints = kSlopeRowsMax + 1;
    std::array<Point, kMaxPoints> points{};  // points[0] is the top back corner
    int count = 1;
    StripLoad strip;

    // Height of the ground at x (x before the top back corner reads as the corner's height).
    double HeightAt(double x) const;
    // Angle of the ground at x from the horizontal (rad); the segment on the right of a vertex.
    double AngleAt(double x) const;
};

// The ground of the case: every slope segment in use as the page shows it (two decimals), then
// level; the strip surcharge from its offset over its width.
GroundSurface GroundOf(const CSoil& soil);

}  // namespace wall
