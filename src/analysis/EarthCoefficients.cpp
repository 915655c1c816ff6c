// Active earth-pressure coefficients, single precision with double-precision trigonometry.
#include "analysis/EarthCoefficients.h"

#include <cmath>

#include "analysis/DoubleMath.h"

namespace wall {

float CoulombCoefficient(float phi, float alpha, float delta, float beta) {
    const double cosA = Cos(alpha), cosPhiA = Cos(phi - alpha);
    const double root = Sqrt(Sin(phi + delta) * Sin(phi - beta) / (Cos(alpha + delta) * Cos(alpha - beta)));
    return cosPhiA * cosPhiA / (cosA * cosA * Cos(alpha + delta) * ((1 + root) * (1 + root)));
}

float RankineLevelCoefficient(float phi) {
    const double t = Tan(3.14159 / 4 - phi / 2);
    return t * t;
}

float RankineSlopingCoefficient(float beta, float phi) {
    const double cosB = Cos(beta), cosP = Cos(phi);
    const double root = Sqrt((cosB + cosP) * (cosB - cosP));
    return (cosB - root) / (cosB + root);
}

RankineLaw RankineLawOf(float phi, float cohesion, double beta) {
    RankineLaw law;
    const double c = cohesion;
    if (beta > 1e-6) {
        law.Ka = RankineSlopingCoefficient(static_cast<float>(beta), phi);
        law.slope = std::cos(beta);
        law.c0 = c > 0 ? (1 - law.Ka) * c / std::tan(static_cast<double>(phi)) : 0;
    } else {
        law.Ka = RankineLevelCoefficient(phi);
        law.c0 = 2 * c * std::sqrt(law.Ka);
    }
    return law;
}

}  // namespace wall
