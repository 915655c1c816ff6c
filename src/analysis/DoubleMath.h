// Double-precision trigonometric and root calls on single-precision values.
#pragma once

#include <cmath>

namespace wall {

// The analyses store single-precision values but call the trigonometric functions and the square
// root in double precision; <cmath> would pick the float overloads for float arguments, so every
// call goes through these. The result stays double until it is stored.
inline double Sin(double x) {
    return std::sin(x);
}
inline double Cos(double x) {
    return std::cos(x);
}
inline double Tan(double x) {
    return std::tan(x);
}
inline double Atan(double x) {
    return std::atan(x);
}
inline double Sqrt(double x) {
    return std::sqrt(x);
}

// Angle of a back face of batter 1:m from the horizontal, measured on the backfill side (90° − α):
// atan(1/m) for m > 0, 90° for a vertical face and more than 90° for a face leaning away from
// the fill. atan(1/m) alone would put a face with m < 0 on the wrong side, 180° off.
inline float BackFaceAngleFromHorizontal(float m) {
    if (m > 0) return static_cast<float>(std::atan(static_cast<double>(1 / m)));
    return static_cast<float>(std::atan2(1.0, static_cast<double>(m)));
}

}  // namespace wall
