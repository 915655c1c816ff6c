// Composition of the preview and the loading sketch on a canvas, in millimetres.
#include "drawing/SketchComposition.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/geometry/WallOutline.h"
#include "drawing/ColorTable.h"
#include "text/Format.h"

namespace wall {
namespace {

// Degrees as the sketches convert them, with pi taken as 3.1416.
float Deg(double v) {
    return static_cast<float>(v * 180 / 3.1416);
}

int Trunc(float v) {
    if (!std::isfinite(v)) return 0;
    if (v >= static_cast<float>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (v <= static_cast<float>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

struct Mm {
    float x, y;
};

Mm Vertex(const WallOutline& o, int i) {
    return {o.x[i] * 1000, o.y[i] * 1000};
}

void Outline(DrawingCanvas& canvas, Mm a, Mm b) {
    canvas.AddLine(kOutlineColour, 3, a.x, a.y, b.x, b.y);
}

void Dimension(DrawingCanvas& canvas, int offset, int distance, int overshoot, Mm a, Mm b) {
    canvas.AddDimension(kDimensionColour, offset, distance, overshoot, a.x, a.y, b.x, b.y, 600, "");
}

void BatterLabel(DrawingCanvas& canvas, float x, float y, float angle, const std::string& label) {
    canvas.AddText(kDimensionColour, x, y, angle, 0, 600, 300, 1, label, 2, 1);
}

Mm Mid(Mm a, Mm b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// Arrows of one set of pressure components at their point of application, measured from the toe.
// The largest arrow gets `Hr` (a third of the wall height); returns the scale k, or NaN when there
// is no pressure to scale.
float PressureArrows(DrawingCanvas& canvas, const WallOutline& o, float Ex, float Ey, float Zx, float Zy,
                     float Hr, int head) {
    const float R = std::sqrt(Ex * Ex + Ey * Ey);
    const float larger = std::max(Ex, Ey);
    const float m = larger > R ? larger : R;
    if (!(std::fabs(R) > 1e-4f) || !std::isfinite(R)) return std::numeric_limits<float>::quiet_NaN();
    const float k = Hr / m;
    const Mm q = {o.x[4] * 1000 + Zx * 1000, o.y[4] * 1000 + Zy * 1000};
    if (std::fabs(Ey) > 1e-4f) canvas.AddArrow(q.x, q.y, Trunc(Ey * k), head, 90, kLoadColour, 1, "Ey");
    if (std::fabs(Ex) > 1e-4f) canvas.AddArrow(q.x, q.y, Trunc(Ex * k), head, 0, kLoadColour, 1, "Ex");
    // atan(Ey/Ex) with Ex = 0 is ±90°.
    const double slope =
        Ex != 0 ? std::atan(static_cast<double>(Ey) / Ex) : std::copysign(1.5707963267948966, Ey);
    if (std::fabs(Ex) > 1e-4f || std::fabs(Ey) > 1e-4f)
        canvas.AddArrow(q.x, q.y, Trunc(R * k), head,
                        Trunc(static_cast<float>(slope * 180 / 3.1415998935699463)), kLoadColour, 1, "E");
    return k;
}

}  // namespace

void AddGroundAndSurcharge(DrawingCanvas& canvas, const CSoil& soil, float arrowLength, bool dimensions) {
    const int segments = std::clamp(soil.m_nSlopeSegs, 0, kSlopeRowsMax);
    const float D = soil.m_fLoadOffset * 1000;
    float x = 0, y = 0;
    bool placed = false;
    for (int i = 0; i < segments; ++i) {
        // Table values as the slope page shows them.
        const float b = AsShown(soil.m_afSlope[i][kSlopeRun]) * 1000;
        const float h = AsShown(soil.m_afSlope[i][kSlopeRise]) * 1000;
        canvas.AddLine(kGroundColour, 1, x, y, x + b, y + h);
        if (dimensions) {
            if (b > 0)
                canvas.AddDimension(kDimensionColour, -100, -500, -200, x + b, y + h + 800, x, y + h + 800,
                                    600, "");
            if (h > 0)
                canvas.AddDimension(kDimensionColour, -100, -500, -200, x + b, y, x + b, y + h, 600, "");
        }
        x += b;
        y += h;
        // The surcharge is looked for only in the first segment ending beyond its start.
        if (placed || !(x > D)) continue;
        placed = true;
        if (!(soil.m_fLoadWidth > 0 && soil.m_fLoadPressure > 0)) continue;
        const double phi = std::atan(static_cast<double>(h) / b);
        const double s = D - (x - b);
        const float sx = D, sy = static_cast<float>(y - h + s * std::tan(phi));
        const float ex = static_cast<float>(D + soil.m_fLoadWidth * 1000 * std::cos(phi));
        const float ey = static_cast<float>(sy + soil.m_fLoadWidth * 1000 * std::sin(phi));
        canvas.AddLoadArrows(kLoadColour, sx, sy, ex, ey, arrowLength, 400, Deg(phi) + 90, 5,
                             "BP=" + Format("%0.1f", soil.m_fLoadPressure), 600);
    }
}

void ComposePreview(DrawingCanvas& canvas, const WallCase& c) {
    canvas.RemoveAll();
    AddGroundAndSurcharge(canvas, c.soil, 600, true);
    const WallOutline outline = BuildWallOutline(c);
    const CRetainingWall& w = c.wall;
    const int type = c.wallType;
    Mm p[8];
    for (int i = 0; i < 8; ++i) p[i] = Vertex(outline, i);

    Outline(canvas, p[0], p[1]);
    if (w.m_fTopWidth > 0) Dimension(canvas, -100, -500, -200, p[0], p[1]);
    // Overall height on the front side.
    if (w.m_fHeight > 0) {
        float x = p[4].x < p[1].x ? p[4].x : p[1].x;
        Dimension(canvas, -600, -500, -200, {x, p[1].y}, {x, p[4].y});
    }
    Outline(canvas, p[1], p[2]);
    if (type != kCantilever && type != kCounterfort) {
        const float mf = w.m_fFrontSlope;
        const float angle = mf >= 0 ? 90 - Deg(std::atan(mf)) : 270 - Deg(std::atan(mf));
        const Mm at = Mid(p[1], p[2]);
        BatterLabel(canvas, at.x, at.y, angle, Format("%d:%0.2f", 1, std::fabs(mf)));
    }
    Outline(canvas, p[2], p[3]);
    Outline(canvas, p[3], p[4]);
    if (w.m_fToeWidth > 0) Dimension(canvas, -100, -400, -200, p[2], {p[3].x, p[2].y});
    if (w.m_fToeHeight > 0) Dimension(canvas, -100, -400, -200, p[3], p[4]);
    // The inner toe height, on the wall side of the face foot.
    if (type == kSemiGravity && w.m_fHeelHeight > 0)
        Dimension(canvas, 100, 400, 200, p[2], {p[2].x, p[2].y - w.m_fHeelHeight * 1000});
    Outline(canvas, p[4], p[5]);
    if (type == kGravity || type == kShelf) {
        const float n = w.m_fBaseSlope;
        const double steep = n != 0 ? std::atan(1.0 / n) : 1.5707963267948966;  // atan(1/0) = pi/2
        const float angle = (n > 1e-6f || std::fabs(n) < 1e-6f) ? Deg(steep) + 270 : Deg(steep) + 90;
        const Mm at = Mid(p[4], p[5]);
        BatterLabel(canvas, at.x, at.y, angle, Format("%0.2f:%d", std::fabs(n), 1));
    }
    Outline(canvas, p[0], p[7]);
    if (type != kCounterfort) {
        const float mb = w.m_fBackSlope;
        const float angle = mb < 0 ? Deg(std::atan(mb)) + 90 : Deg(std::atan(mb)) + 270;
        BatterLabel(canvas, p[7].x / 2, p[7].y / 2.5f, angle, Format("%d:%0.2f", 1, std::fabs(mb)));
    }
    Outline(canvas, p[6], p[7]);
    Outline(canvas, p[5], p[6]);
    if (w.m_fHeelWidth > 0) Dimension(canvas, -100, -400, -200, p[6], p[7]);
    if (type == kGravity || type == kCantilever || type == kCounterfort) {
        if (w.m_fHeelHeight > 0) Dimension(canvas, -100, -400, -200, p[5], p[6]);
    } else if (type == kShelf) {
        // The upper wall height at the platform edge, then the lower back batter.
        if (w.m_fHeelHeight > 0) Dimension(canvas, -100, -400, -200, {p[6].x, p[7].y}, {p[6].x, p[0].y});
        const float m2 = w.m_fLowerBackSlope;
        const Mm at = Mid(p[5], p[6]);
        BatterLabel(canvas, at.x, at.y, Deg(std::atan(m2)) - 90, Format("%d:%0.2f", 1, std::fabs(m2)));
    }
    // The counterfort's edge.
    if (type == kCounterfort) Outline(canvas, p[6], p[0]);
}

void PaintPreview(DrawingCanvas& canvas, DrawingDevice& dc, int width, int height) {
    dc.FillRect(0, 0, width, height, Rgb{0, 0, 0});
    canvas.SetDeviceRect(0, 0, width, height);
    canvas.Paint(dc, kRopCopy, kOwnColours, 0);
}

void ComposeReportSketch(DrawingCanvas& canvas, const WallCase& c, const SketchLoads& loads) {
    canvas.RemoveAll();
    AddGroundAndSurcharge(canvas, c.soil, 800, false);
    const WallOutline outline = BuildWallOutline(c);
    const float Hd = c.wall.m_fHeight * 1000;
    Mm p[8];
    for (int i = 0; i < 8; ++i) p[i] = Vertex(outline, i);
    Outline(canvas, p[0], p[1]);
    Outline(canvas, p[1], p[2]);
    Outline(canvas, p[2], p[3]);
    Outline(canvas, p[3], p[4]);
    Outline(canvas, p[4], p[5]);
    Outline(canvas, p[0], p[7]);
    Outline(canvas, p[6], p[7]);
    Outline(canvas, p[5], p[6]);
    if (c.wallType == kCounterfort) Outline(canvas, p[6], p[0]);

    const float Hr = Hd / 3;
    const int head = Trunc(Hr / 7);
    const SketchLoads& l = loads;
    float k = PressureArrows(canvas, outline, l.Ex, l.Ey, l.Zx, l.Zy, Hr, head);
    float R = std::sqrt(l.Ex * l.Ex + l.Ey * l.Ey);
    if (l.hasLower) {
        k = PressureArrows(canvas, outline, l.lowerEx, l.lowerEy, l.lowerZx, l.lowerZy, Hr, head);
        R = std::sqrt(l.lowerEx * l.lowerEx + l.lowerEy * l.lowerEy);
    }
    // R·k is the third of the wall height; without any pressure to scale it is taken directly.
    const int weightLength = std::isfinite(k) ? Trunc(R * k) : Trunc(Hr);
    canvas.AddArrow(p[3].x + l.Zw * 1000, -Hd / 2, weightLength, head, 90, kLoadColour, 1, "W");
}

}  // namespace wall
