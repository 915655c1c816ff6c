// Area and centroid of a polygon.
#pragma once

namespace wall {

struct AreaCentroid {
    float area = 0;
    float cx = 0;
    float cy = 0;
};

// Fan of triangles from the first vertex, single precision; n >= 3. Signed area (positive for a
// counter-clockwise polygon); a zero area gives a non-finite centroid, as the analyses expect.
AreaCentroid PolygonAreaCentroid(const float* x, const float* y, int n);

}  // namespace wall
