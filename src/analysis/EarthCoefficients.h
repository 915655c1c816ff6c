// The active earth-pressure coefficients of Coulomb's and Rankine's theories, one formula each.
#pragma once

namespace wall {

// Coulomb's coefficient for a plane back at α from the vertical (positive leaning into the backfill
// going down), wall friction δ and ground rising at β (every soil-mechanics text, e.g. Das,
// Principles of Foundation Engineering, eq. 6.26; GB 50330-2013 eq. 6.2.3 with c = 0):
// Ka = cos²(φ − α) / (cos²α·cos(α + δ)·[1 + √(sin(φ + δ)·sin(φ − β) / (cos(α + δ)·cos(α − β)))]²).
float CoulombCoefficient(float phi, float alpha, float delta, float beta);

// Rankine's coefficient for level ground: tan²(45° − φ/2).
float RankineLevelCoefficient(float phi);

// Rankine's coefficient for ground rising at β, the pressure acting parallel to the ground:
// (cosβ − √(cos²β − cos²φ)) / (cosβ + √(cos²β − cos²φ)). Not a number for β > φ.
float RankineSlopingCoefficient(float beta, float phi);

}  // namespace wall
