// Polygon area and centroid by a fan of triangles.
#include "analysis/Polygon.h"

namespace wall {

AreaCentroid PolygonAreaCentroid(const float* x, const float* y, int n) {
    float area = 0, sx = 0, sy = 0;
    for (int i = 0; i + 2 < n; ++i) {
        float x0 = x[0], y0 = y[0], x1 = x[i + 1], y1 = y[i + 1], x2 = x[i + 2], y2 = y[i + 2];
        float a = (x0 * y1 + x1 * y2 + x2 * y0 - y1 * x2 - x1 * y0 - x0 * y2) / 2;
        area += a;
        sx += a * ((x0 + x1 + x2) / 3);
        sy += a * ((y0 + y1 + y2) / 3);
    }
    return {area, sx / area, sy / area};
}

}  // namespace wall
