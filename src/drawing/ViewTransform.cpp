// World-to-device arithmetic in single precision, truncating towards zero.
#include "drawing/ViewTransform.h"

#include <cmath>

namespace wall {
namespace {

// trunc(v) as an int, clamped to the device limit.
int Pixels(float v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<float>(kDeviceLimit)) return kDeviceLimit;
    if (v <= -static_cast<float>(kDeviceLimit)) return -kDeviceLimit;
    return static_cast<int>(v);
}

}  // namespace

void ViewTransform::WorldToDevice(float x, float y, int& dx, int& dy) const {
    dx = Pixels((x - originX) / scale);
    int up = Pixels((y - originY) / scale);
    dy = yFlip == 1 ? deviceHeight - up : up - deviceHeight;
}

int ViewTransform::WorldLengthToDevice(float length) const {
    int n = Pixels(length / scale);
    return n == 0 ? 1 : n;
}

}  // namespace wall
