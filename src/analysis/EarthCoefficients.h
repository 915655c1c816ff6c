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

// Rankine's pressure at a vertical stress σv (kPa, from the soil's weight), on a vertical back:
// max(0, Ka·slope·σv − c0), with slope = cosβ for ground rising at β (the pressure parallel to the
// ground, Ka as above, c0 = (1 − Ka)·c/tanφ) and 1 on level ground (c0 = 2c√Ka).
struct RankineLaw {
    double Ka = 0, slope = 1, c0 = 0;
};
RankineLaw RankineLawOf(float phi, float cohesion, double beta);

}  // namespace wall
