// Overturning, sliding and base-pressure checks of a wall.
#pragma once

#include "analysis/Actions.h"
#include "analysis/FoundationBearing.h"
#include "analysis/KernelBlock.h"
#include "case/WallCase.h"

namespace wall {

struct StabilityResult {
    ActionList actions;  // the forces the checks were computed from, as the report's formulas name them
    float alpha0 = 0;    // base inclination, rad
    float mu = 0;
    float baseSpan = 0;  // horizontal width of the base; B = baseSpan / cos α0
    float Kq = 0;        // overturning factor
    float Kh = 0;        // sliding factor
    float B = 0;         // base width along the base
    float N = 0;         // normal force on the base
    float e0 = 0;        // eccentricity of the resultant
    float sigmaMax = 0;
    float sigmaMin = 0;           // 0 when part of the base is without contact
    bool partialContact = false;  // e0 > B/6: no minimum is reported
    // The driving actions. One of zero or less means the wall has no tendency to move that way: its
    // factor is not defined (left 0) and the check passes.
    float overturningMoment = 0;  // about the toe, kN·m/m
    float slidingForce = 0;       // along the base towards the toe, kN/m
    bool noOverturningTendency = false;
    bool noSlidingTendency = false;
    // The resisting actions. One of zero or less while the driving one is positive fails its check
    // with the factor taken as 0 rather than printed negative.
    float resistingMoment = 0;
    float baseMoment = 0;  // ΣFy·x of every action, the surcharge on a heel or back face included
    float baseOverturningMoment = 0;  // ΣFx·y of every action, a surcharge's thrust below the toe included
    float slidingNormal = 0;  // the normal force sliding is resisted by (favourable variable loads left out)
    bool favourableLoads = false;  // a surcharge stands on a heel or back face: left out of Kq and Kh
    float resistingForce = 0;
    // The strip surcharge is a variable action: where the wall overturns more readily without it (a
    // trial wedge's plane under a strip can raise the thrust's centroid), the check takes the wall
    // without it (GB 55001-2021 §3.1.13). Kq is then that factor; KqWithLoad the loaded one.
    bool overturningWithoutLoad = false;
    ActionList unloaded;  // the actions without the surcharge, when they govern
    float unloadedResisting = 0, unloadedOverturning = 0;
    float KqWithLoad = 0;
    // N ≤ 0 or e0 ≥ B/2: the base cannot balance the resultant. No pressures (left 0); the
    // foundation check fails.
    bool resultantOutsideBase = false;
    bool overturningOk = false;
    bool slidingOk = false;
    bool foundationOk = false;  // the resultant lies within the base
    // What the case requires (its settings).
    float requiredOverturning = 0;
    float requiredSliding = 0;
    float eccentricityLimit = 0;  // e0 ≤ limit·B
    bool eccentricityOk = false;
    // Bearing, when the case gives fa or the soil it follows from: pk = N/B ≤ fa and pkmax = σmax ≤ 1.2·fa,
    // characteristic values. Under an earthquake fa is faE = ζa times the capacity's fa.
    bool bearingChecked = false;
    BearingCapacity capacity;
    float zetaA = 1;
    float fa = 0;
    float pk = 0;
    float pkmax = 0;
    bool bearingOk = false;  // both
};

// The pass rule of the safety factors: above the required value or within 1e-5 of it.
bool FactorPasses(float factor, double required);

// A thrust's soil and surcharge parts; with no surcharge part the thrust is one action of the block's
// totals.
struct ThrustParts {
    ThrustPart soil;
    ThrustPart load;
};

// The actions of the block's present state by wall type, with the symbols the report prints: the wall
// weight W; the soil on a shelf's platform (Ws) or a heel (W1); the thrust (E, or the shelf's upper
// Ea1 and lower Ea2), split into the soil's and the surcharge's parts where the surcharge has one. Under
// an earthquake the wall's inertia Fw and the inertia of the soil it carries (F1, Fs) follow the weights.
ActionList WallActions(const WallCase& c, const KernelBlock& kb, const ThrustParts& upper = {},
                       const ThrustParts& lower = {});

// The earthquake's horizontal force E = Ci·Cz·(A/g)·W on a weight W at its centroid (x from the toe,
// height above it; kb.inertiaFactor is Ci·Cz·A/g; nothing in the static combination, where it is 0).
void AddInertia(ActionList& list, const KernelBlock& kb, const ThrustSymbols& symbols, float W, float x,
                float height);

// The actions without the strip surcharge: its loads and thrust parts dropped, and the first thrust
// (the one whose trial wedge the strip stood on) replaced by `bare`, the thrust of the ground without
// it; a shelf's lower thrust keeps its soil part, which the strip does not change.
ActionList WithoutSurcharge(const ActionList& loaded, const ThrustSymbols& symbols, const ThrustPart& bare);

// Computes Kq, Kh, B, e0, σmax, σmin from the wall's actions and the block's outline and base
// friction, and stores them in overturningFactor, slidingFactor, baseWidth, eccentricity, stressMax,
// stressMin. A gravity or shelf wall's base is inclined by its counter-slope; a semi-gravity,
// cantilever or counterfort wall's base is level. `unloaded`: the actions without the strip, where
// they may give the smaller overturning factor.
StabilityResult ComputeStability(const WallCase& c, KernelBlock& kb, const ActionList& actions,
                                 const ActionList* unloaded = nullptr);

}  // namespace wall
