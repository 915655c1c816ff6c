// The ground behind a wall as layers and a water table.
#pragma once

#include <array>

#include "analysis/EarthThrust.h"

namespace wall {

// One layer: its depths below the wall's top (the soil above that level, the slope, is layer 1's) and
// its soil. The last layer in use reaches down for ever.
struct SoilLayer {
    double top = 0;
    double bottom = 0;
    Backfill soil;
    float gammaSat = 0;  // γsat, kN/m³ (the layer's γ where none is given)
};

struct SoilProfile {
    std::array<SoilLayer, kLayersAnalysed> layers{};
    int count = 0;
    double topY = 0;  // height of the wall's top back corner, where depths start
    bool water = false;
    double waterDepth = 0;  // of the water table below the wall's top
    float gammaW = 10;
    bool combined = false;  // water and earth pressure together, with γsat (no water pressure)
    // The pseudo-static earthquake: the seismic angle above and below the water table (rad), 0 without.
    // Each band's soil then acts with φ − θ, δ + θ and its weight and loads over cosθ (the seismic-angle
    // method, Mononobe–Okabe with kh = tanθ, kv = 0).
    double theta = 0, thetaWater = 0;

    bool Seismic() const { return theta > 0 || thetaWater > 0; }
    // The seismic angle at a depth below the wall's top.
    double ThetaAt(double depth) const { return water && depth > waterDepth ? thetaWater : theta; }

    // The layer at a depth below the wall's top.
    const SoilLayer& At(double depth) const;
    // Unit weight for the vertical stress at a depth: γ above the water table, below it γsat when the
    // pressures are combined, else the effective γsat − γw.
    double UnitWeight(const SoilLayer& l, double depth) const;
};

}  // namespace wall
