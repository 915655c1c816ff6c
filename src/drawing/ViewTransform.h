// The mapping of a canvas from world units (y up) to device pixels (y down).
#pragma once

namespace wall {

// Device coordinates are kept within this many pixels of the origin, so that degenerate geometry
// can never overflow an int or a device's coordinate range.
constexpr int kDeviceLimit = 1 << 24;

struct ViewTransform {
    float originX = 0;  // world point at the lower left corner of the device rectangle
    float originY = 0;
    float scale = 1;  // world units per pixel
    int deviceWidth = 0;
    int deviceHeight = 0;
    int yFlip = 1;  // device y grows downwards while world y grows upwards

    // dx = trunc((x - originX)/scale), dy = deviceHeight - trunc((y - originY)/scale); results
    // beyond ±kDeviceLimit are clamped, NaN maps to 0.
    void WorldToDevice(float x, float y, int& dx, int& dy) const;
    // trunc(length/scale), or 1 when that is 0: nothing is ever drawn zero pixels wide.
    int WorldLengthToDevice(float length) const;
};

}  // namespace wall
