// The forces on a wall with their points of action: what stability sums, the report prints, the
// loading sketch draws and the finiteness check scans.
#pragma once

#include <array>
#include <cstddef>

namespace wall {

enum class ActionKind {
    kWallWeight,       // the wall's own weight
    kSoilWeight,       // soil resting on a heel or a shelf platform
    kSurchargeLoad,    // the part of a strip surcharge standing on a heel
    kEarthPressure,    // an earth-pressure thrust on a back (real or imaginary)
    kSurchargeThrust,  // the strip surcharge's part of a thrust, where the soil's part is an action apart
    kWaterBehind,      // the water's pressure on the back, normal to it: overturns and drives sliding
    kWaterFront,       // the water in front, pushing towards the backfill: resists both
    kUplift,           // the water under the base, normal to it: lessens the normal force, overturns
    kInertia,  // the earthquake's horizontal force on a mass at its centroid (x, y): overturns, slides
};

// One force per metre of wall. Fx pushes towards the toe, Fy acts downwards; (x, y) is the point of
// action, x from the toe towards the backfill and y above the toe. Its moment about the toe tends
// to overturn by Fx·y and resists by Fy·x. The symbols are plain: the first character is the
// letter, the rest its subscript ("Zw" is Z with subscript w); a weight has no Fx symbols.
struct Action {
    ActionKind kind = ActionKind::kWallWeight;
    const char* fxSymbol = "";
    const char* fySymbol = "";
    const char* xSymbol = "";
    const char* ySymbol = "";
    float Fx = 0;  // kN/m
    float Fy = 0;  // kN/m
    float x = 0;   // m
    float y = 0;   // m

    // A weight or load acts vertically only; a thrust has both components (one may be zero).
    bool Horizontal() const {
        return kind == ActionKind::kEarthPressure || kind == ActionKind::kSurchargeThrust;
    }
    bool Inertia() const { return kind == ActionKind::kInertia; }
    bool Water() const {
        return kind == ActionKind::kWaterBehind || kind == ActionKind::kWaterFront ||
               kind == ActionKind::kUplift;
    }
    // A variable load's vertical force, which only holds the wall: left out where it would raise a
    // safety factor (GB 55001-2021 §3.1.13: a favourable variable action takes 0), counted on the base.
    // A surcharge's thrust still pushes with its horizontal part.
    bool FavourableVariable() const {
        return kind == ActionKind::kSurchargeLoad || kind == ActionKind::kSurchargeThrust;
    }
    // A thrust's moment about the toe counts as overturning, except a variable one acting below the
    // toe (a base inclined down to the heel), whose moment would hold the wall: it takes 0 there too.
    bool Overturns() const { return Inertia() || (Horizontal() && !(FavourableVariable() && Fx * y < 0)); }
};

// At most a handful of forces act on one wall; a fixed array keeps the analysis free of allocation.
class ActionList {
  public:
    static constexpr std::size_t kCapacity = 14;

    // Appends an action and returns it; a list already full keeps its actions and returns a scratch
    // action that nothing reads (no analysis adds that many).
    Action& Add(const Action& a) {
        if (m_count == kCapacity) return m_overflow = a;
        return m_items[m_count++] = a;
    }
    const Action* begin() const { return m_items.data(); }
    const Action* end() const { return m_items.data() + m_count; }
    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const Action& operator[](std::size_t i) const { return m_items[i]; }

    // The first action of a kind, or nullptr.
    const Action* Find(ActionKind kind) const {
        for (const Action& a : *this)
            if (a.kind == kind) return &a;
        return nullptr;
    }

  private:
    std::array<Action, kCapacity> m_items{};
    std::size_t m_count = 0;
    Action m_overflow{};
};

// The symbols of a thrust's two components and its point.
struct ThrustSymbols {
    const char* fx;
    const char* fy;
    const char* x;
    const char* y;
};

// One thrust as its components and point (kN/m, m from the toe).
struct ThrustPart {
    float Fx = 0, Fy = 0, x = 0, y = 0;
};

// A thrust of a kind (kEarthPressure or kSurchargeThrust) under its symbols.
Action ThrustAction(ActionKind kind, const ThrustSymbols& s, const ThrustPart& p);

// Adds a thrust: one action when the surcharge has no part in it, else the soil's part and the
// surcharge's (kSurchargeThrust) under their own symbols, so that the surcharge's vertical component
// never raises a factor.
void AddThrust(ActionList& list, const ThrustSymbols& whole, const ThrustPart& total,
               const ThrustSymbols& soil, const ThrustPart& soilPart, const ThrustSymbols& load,
               const ThrustPart& loadPart);

// The actions' sums in list order, in single precision as every analysis adds them.
// The factors leave out the favourable variable loads; the base takes every action. Water: the water
// behind pushes like a thrust; the water in front resists (its moment with the resisting ones, its
// push against ΣEx); the uplift lessens the normal force and its moment overturns.
struct ActionSums {
    float weights = 0;      // ΣFy of the vertical-only actions (G), favourable variable loads left out
    float thrustY = 0;      // ΣFy of the thrusts, a surcharge's part left out
    float thrustX = 0;      // ΣFx
    float vertical = 0;     // ΣFy of all, in list order
    float resisting = 0;    // ΣFy·x, favourable variable loads left out
    float overturning = 0;  // ΣFx·y, a variable thrust's moment below the toe left out; the water behind's
                            // and the uplift's whole moment added
    float baseOverturning = 0;  // ΣFx·y of all (the uplift's whole moment; the front water's resists)
    float net = 0;              // ΣFy·x − ΣFx·y of all, subtracted term by term
    float baseResisting = 0;    // ΣFy·x of all
};

ActionSums SumActions(const ActionList& actions);

}  // namespace wall
