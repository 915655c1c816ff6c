// The overall slip's sketch.
#include "drawing/SlipSketch.h"

#include <cmath>

#include "analysis/geometry/WallOutline.h"
#include "drawing/ColorTable.h"
#include "drawing/SketchComposition.h"
#include "text/Format.h"

namespace wall {

void ComposeSlipSketch(DrawingCanvas& canvas, const WallCase& c, const OverallResult& r) {
    canvas.RemoveAll();
    AddGroundAndSurcharge(canvas, c.soil, 800, false);
    const WallOutline o = BuildWallOutline(c);
    for (int i = 0; i < 8; ++i) {
        const int j = (i + 1) % 8;
        canvas.AddLine(kOutlineColour, 3, o.x[i] * 1000, o.y[i] * 1000, o.x[j] * 1000, o.y[j] * 1000);
    }
    const SlipGround g = SlipGroundOf(c);
    // The top of the section across its whole width, the ground in front included.
    const int n = 160;
    for (int i = 0; i < n; ++i) {
        const double xa = g.xMin + (g.xMax - g.xMin) * i / n, xb = g.xMin + (g.xMax - g.xMin) * (i + 1) / n;
        if (xa >= o.x[4] && xb <= o.x[0]) continue;  // the wall draws itself
        canvas.AddLine(kGroundColour, 1, static_cast<float>(xa * 1000), static_cast<float>(g.top(xa) * 1000),
                       static_cast<float>(xb * 1000), static_cast<float>(g.top(xb) * 1000));
    }
    if (!r.found) return;
    const SlipCircle& k = r.circle;
    // The arc where it runs below the top, as short chords.
    const int m = 240;
    for (int i = 0; i < m; ++i) {
        const double a0 = 3.14159265358979 * (1 + static_cast<double>(i) / m);
        const double a1 = 3.14159265358979 * (1 + static_cast<double>(i + 1) / m);
        const double x0 = k.xc + k.R * std::cos(a0), y0 = k.yc + k.R * std::sin(a0);
        const double x1 = k.xc + k.R * std::cos(a1), y1 = k.yc + k.R * std::sin(a1);
        if (x0 < g.xMin || x1 > g.xMax || y0 > g.top(x0) || y1 > g.top(x1)) continue;
        canvas.AddLine(kLoadColour, 3, static_cast<float>(x0 * 1000), static_cast<float>(y0 * 1000),
                       static_cast<float>(x1 * 1000), static_cast<float>(y1 * 1000));
    }
    // The centre, a radius to the circle's lowest point, and the factor.
    const float cx = static_cast<float>(k.xc * 1000), cy = static_cast<float>(k.yc * 1000);
    // Marks and text in proportion to the section's width, which the picture is fitted to.
    const float width = static_cast<float>((g.xMax - g.xMin) * 1000);
    const float mark = width / 80;
    canvas.AddLine(kLoadColour, 1, cx - mark, cy, cx + mark, cy);
    canvas.AddLine(kLoadColour, 1, cx, cy - mark, cx, cy + mark);
    canvas.AddLine(kDimensionColour, 1, cx, cy, cx, static_cast<float>((k.yc - k.R) * 1000));
    const float text = width / 40;
    canvas.AddText(kLoadColour, cx + mark, cy + mark, 0, 0, text, text / 2, 1,
                   Format("K=%.2f，R=%.2f m", static_cast<double>(r.F), k.R), 3, 1);
}

}  // namespace wall
