// Active earth thrust on a plane back under the ground as entered, with its pressure diagram: Coulomb's
// by trial wedges, Rankine's on a vertical back; a strip surcharge by the same rule in both.
#pragma once

#include <array>

#include "analysis/Actions.h"
#include "analysis/Ground.h"
#include "analysis/PressureDiagram.h"
#include "analysis/PressureStatus.h"

namespace wall {

// A plane back from its bottom to its top, the top on the ground surface. Depths are measured
// vertically below the top.
struct WallBack {
    Point top;
    Point bottom;

    double Height() const { return top.y - bottom.y; }
    // Angle from the vertical, positive when the back leans into the backfill going down.
    double Angle() const;
    // The back's point at a depth below its top.
    Point At(double depth) const;
};

struct Backfill {
    float gamma = 0;     // γ, kN/m³
    float cohesion = 0;  // c, kPa (Rankine only)
    float phi = 0;       // φ, rad
    float delta = 0;     // δ, rad: friction between the back and the soil (Coulomb only)
};

// The most layers an analysis takes: more than enough behind a retaining wall, and the pressure
// diagram's nodes stay within their fixed capacity.
constexpr int kLayersAnalysed = 12;

struct ThrustResult {
    PressureStatus status = PressureStatus::kOk;
    WallBack back;     // the back the thrust acts on
    float height = 0;  // of the back
    float E = 0;       // the whole thrust, kN/m
    float soil = 0;    // the soil's part
    float load = 0;    // the strip surcharge's part
    float depth = 0;   // depth of its point of action below the back's top
    Point point;       // the point of action, on the back
    float Ka = 0;      // coefficient of the soil's part: 2·soil/(γ·H²) (Coulomb), the theory's (Rankine)
    float planeAngle = 0;      // rad from the horizontal: Coulomb's failure plane; Rankine's 45° + φ/2
    bool soilClipped = false;  // Rankine: cohesion took the soil's pressure below zero near the top
    float groundRatio = 1;     // Rankine: the soil's part raised for ground rising more steeply further out
    float soilComputed = 0;    // Rankine: the soil's thrust as the closed form gives it, tension included
    PressureDiagram diagram;   // thrust per metre of depth along the back
    Backfill backfill;         // the soil it was found for
    // In layered ground: each layer's part of the back (depths below its top), its coefficient and
    // thrusts; and the water's horizontal thrust with its depth (the pressure acts normal to the back).
    struct Layer {
        int index;  // of the layer, from 0 at the top
        float top, bottom, Ka, soil, load;
    };
    std::array<Layer, kLayersAnalysed> layers;  // the first layerCount are set
    int layerCount = 0;
    float water = 0;
    float waterDepth = 0;
};

// Coulomb's active thrust, inclined at δ to the back's normal, found as the largest thrust of the
// trial wedges whose plane runs from the back's foot up to the ground (Coulomb 1776; the graphical
// trial-wedge construction of Culmann, e.g. Das, Principles of Foundation Engineering, §7.6): each
// wedge carries its soil and the part of the strip surcharge standing on it, and the surface load is
// counted exactly, on any ground. The diagram follows from the same plane: every part of the wedge
// bears on the back at the depth where a line through it parallel to the failure plane meets the back
// (the surcharge's band lies between the lines through the strip's two edges), which puts the planar
// ground's pressure in a triangle and the strip's in its band.
ThrustResult CoulombThrust(const WallBack& back, const GroundSurface& ground, const Backfill& soil);

// Rankine's active thrust on a vertical back: γ·z·Ka − c·k on level ground (Ka = tan²(45° − φ/2),
// k = 2√Ka) or, under a slope β at the back's top, parallel to it with Ka of the slope
// (γ·z·Ka·cosβ − (1 − Ka)·c/tanφ); soil in tension does not pull, so the pressure is never below
// zero. A strip surcharge adds q·Ka·cosβ between the lines drawn from its edges at 45° + φ/2 to the
// back (the local-load rule of the soil-mechanics texts, and GB 50330-2013 Appendix B.0.2). Where the
// ground further out rises more steeply than at the back's top, the soil's part is raised by the trial
// wedge's ratio on the ground as entered over the plane continued.
ThrustResult RankineThrust(const WallBack& back, const GroundSurface& ground, const Backfill& soil);

// Coulomb's thrust on the same back and soil with the strip taken away, where the strip stands on the
// loaded thrust's governing wedge; elsewhere the governing plane is the bare ground's already and there
// is nothing to compare (false). A strip is a variable action: the wall may be worse off without it.
bool CoulombThrustWithoutStrip(const ThrustResult& loaded, const GroundSurface& ground, ThrustResult& bare);

// One part of a thrust (the soil's or the surcharge's) as an action's components, inclined at `angle`
// (rad) above the horizontal, at its own point on the back, measured from `origin` (the toe).
ThrustPart PartOfThrust(const ThrustResult& t, PressureDiagram::Part part, double angle, Point origin);

// The water's part of a thrust, normal to the back: its diagram gives the horizontal force, the back's
// batter the vertical one (Fx·tanα), at the water's centroid on the back from `origin`. Zero without water.
ThrustPart WaterPartOf(const ThrustResult& t, Point origin);

// The depth below the back's top at which the line through q parallel to a plane rising at ρ (rad from
// the horizontal) meets the back, or its extension below the foot.
double DepthAlongPlane(const WallBack& back, Point q, double rho);

// Coulomb's trial wedge at one plane angle ρ from the horizontal (for tests and the search): the
// thrust of the wedge of soil and strip between the back, the ground and the plane from the back's foot.
double WedgeThrust(const WallBack& back, const GroundSurface& ground, const Backfill& soil, double rho);

// The ratio (≥ 1) by which a Rankine soil thrust on a vertical back rises where the ground further out is
// steeper than at the back's top (angle beta): the trial wedge's thrust on the ground as entered over the
// same on that plane continued, both with δ = β, turned by the seismic angle theta (0 statically: φ − θ,
// δ + θ, γ/cosθ). 1 where no segment is steeper or either wedge fails.
double SteeperGroundRatio(const WallBack& back, const GroundSurface& ground, const Backfill& soil,
                          double beta, double theta);

}  // namespace wall
