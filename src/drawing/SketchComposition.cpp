// Composition of the preview and the loading sketch on a canvas, in millimetres.
#include "drawing/SketchComposition.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "analysis/geometry/WallOutline.h"
#include "drawing/ColorTable.h"
#include "drawing/TextBox.h"
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

CLineTemp* Outline(DrawingCanvas& canvas, Mm a, Mm b) {
    return canvas.AddLine(kOutlineColour, 3, a.x, a.y, b.x, b.y);
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

// Arrows of one set of pressure components at their point of application, measured from the toe,
// each appended to `arrows`. The largest arrow gets `Hr` (a third of the wall height); returns the
// scale k, or NaN when there is no pressure to scale.
float PressureArrows(DrawingCanvas& canvas, const WallOutline& o, float Ex, float Ey, float Zx, float Zy,
                     float Hr, int head, std::vector<ArrowParts>& arrows) {
    const float R = std::sqrt(Ex * Ex + Ey * Ey);
    const float larger = std::max(Ex, Ey);
    const float m = larger > R ? larger : R;
    if (!(std::fabs(R) > 1e-4f) || !std::isfinite(R)) return std::numeric_limits<float>::quiet_NaN();
    const float k = Hr / m;
    const Mm q = {o.x[4] * 1000 + Zx * 1000, o.y[4] * 1000 + Zy * 1000};
    if (std::fabs(Ey) > 1e-4f)
        arrows.push_back(canvas.AddArrow(q.x, q.y, Trunc(Ey * k), head, 90, kLoadColour, 1, "Ey"));
    if (std::fabs(Ex) > 1e-4f)
        arrows.push_back(canvas.AddArrow(q.x, q.y, Trunc(Ex * k), head, 0, kLoadColour, 1, "Ex"));
    // atan(Ey/Ex) with Ex = 0 is ±90°.
    const double slope =
        Ex != 0 ? std::atan(static_cast<double>(Ey) / Ex) : std::copysign(1.5707963267948966, Ey);
    if (std::fabs(Ex) > 1e-4f || std::fabs(Ey) > 1e-4f)
        arrows.push_back(canvas.AddArrow(q.x, q.y, Trunc(R * k), head,
                                         Trunc(static_cast<float>(slope * 180 / 3.1415998935699463)),
                                         kLoadColour, 1, "E"));
    return k;
}

// Label layout of the loading sketch. Every arrow label starts beside the free end of its arrow,
// on the side away from the wall, and moves on along its arrow until it is clear of the wall
// outline and of every text before it. Clearances are in millimetres, the label height being 400.
constexpr float kLabelGap = 120;      // from the arrow's end to the label's nearest edge
constexpr float kLabelClear = 100;    // kept free around every label
constexpr float kLabelStep = 100;     // one move along the arrow, or away from its end
constexpr int kStepsOut = 8;          // moves away from the end a start may take
constexpr int kStepsAlong = 25;       // moves back along the shaft a start beside it may take
constexpr float kTurnCost = 100;      // a start 30 degrees off the arrow counts as this much further
constexpr float kWallSideCost = 600;  // and one turned towards the wall as this much more
constexpr int kStepsPastLines = 15;   // moves tried while still keeping clear of the other lines
constexpr int kStepsPastLabels = 60;  // moves tried at all

struct Rect {
    float x0, y0, x1, y1;
};

struct Segment {
    WorldPoint a, b;
};

Rect Bounds(const TextBox& b) {
    return {b.MinX(), b.MinY(), b.MaxX(), b.MaxY()};
}

Rect Grown(Rect r, float by) {
    return {r.x0 - by, r.y0 - by, r.x1 + by, r.y1 + by};
}

bool Overlap(const Rect& r, const Rect& s) {
    return r.x0 < s.x1 && s.x0 < r.x1 && r.y0 < s.y1 && s.y0 < r.y1;
}

bool Finite(const Segment& s) {
    return std::isfinite(s.a.x) && std::isfinite(s.a.y) && std::isfinite(s.b.x) && std::isfinite(s.b.y);
}

Segment SegmentOf(const CLineTemp& l) {
    return {{l.m_fX1, l.m_fY1}, {l.m_fX2, l.m_fY2}};
}

// Whether the two segments cross or touch.
bool Cross(const Segment& s, const Segment& t) {
    auto turn = [](WorldPoint o, WorldPoint a, WorldPoint b) {
        const double v = (static_cast<double>(a.x) - o.x) * (static_cast<double>(b.y) - o.y) -
                         (static_cast<double>(a.y) - o.y) * (static_cast<double>(b.x) - o.x);
        return v > 0 ? 1 : v < 0 ? -1 : 0;
    };
    return turn(s.a, s.b, t.a) * turn(s.a, s.b, t.b) <= 0 && turn(t.a, t.b, s.a) * turn(t.a, t.b, s.b) <= 0;
}

// Whether the segment has a point in the rectangle: the segment clipped to each of its four sides.
bool Meets(const Segment& s, const Rect& r) {
    const double dx = static_cast<double>(s.b.x) - s.a.x, dy = static_cast<double>(s.b.y) - s.a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(s.a.x) - r.x0, static_cast<double>(r.x1) - s.a.x,
                         static_cast<double>(s.a.y) - r.y0, static_cast<double>(r.y1) - s.a.y};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else if (p[i] < 0) {
            t0 = std::max(t0, q[i] / p[i]);
        } else {
            t1 = std::min(t1, q[i] / p[i]);
        }
    }
    return t0 <= t1;
}

class LabelLayout {
  public:
    LabelLayout(std::vector<Segment> wall, std::vector<Segment> lines, std::vector<Rect> texts)
        : m_wall(std::move(wall)), m_lines(std::move(lines)), m_taken(std::move(texts)) {}

    // Moves `label` beside the tail of the arrow from `tip`, its box clear of the wall and of the
    // labels placed before; it rather turns off the arrow towards the direction `side`. With
    // `besideTail` the label keeps to the side of the wall lines the tail is on.
    void Place(CTextTemp& label, WorldPoint tip, WorldPoint tail, WorldPoint side, bool besideTail) {
        if (!Finite({tip, tail}) || !std::isfinite(side.x) || !std::isfinite(side.y)) return;
        label.m_fX = label.m_fY = 0;
        const Rect box = Bounds(TextBoxOf(label));  // with the corner at the origin
        const float a = (box.x1 - box.x0) / 2, b = (box.y1 - box.y0) / 2;
        // Along the arrow from tip to tail; a shaft too short to have a direction counts as upwards.
        float ux = tail.x - tip.x, uy = tail.y - tip.y;
        const float length = std::hypot(ux, uy);
        if (length > 1) {
            ux /= length;
            uy /= length;
        } else {
            ux = 0;
            uy = 1;
        }
        // Across the arrow, towards `side`.
        float nx = -uy, ny = ux;
        if (nx * side.x + ny * side.y < 0) nx = -nx, ny = -ny;

        // Where the label may start: centred on a ray from the tail, past the end of the arrow or
        // turned from it, first away from the wall, the nearest edge kLabelGap and some steps off.
        struct Start {
            WorldPoint centre;
            float cost;
        };
        std::vector<Start> starts;
        for (int turn = 0; turn <= 6; ++turn) {
            for (int way : {1, -1}) {
                if ((turn == 0 || turn == 6) && way < 0) continue;  // straight on and straight back once
                const double t = way * turn * 3.141592653589793 / 6;
                const float dx = static_cast<float>(ux * std::cos(t) + nx * std::sin(t));
                const float dy = static_cast<float>(uy * std::cos(t) + ny * std::sin(t));
                const float edge = kLabelGap + a * std::fabs(dx) + b * std::fabs(dy);
                for (int step = 0; step <= kStepsOut; ++step) {
                    const float d = edge + step * kLabelStep;
                    const float cost = step * kLabelStep + turn * kTurnCost + (way < 0 ? kWallSideCost : 0);
                    starts.push_back({{tail.x + d * dx, tail.y + d * dy}, cost});
                }
            }
        }
        // Or beside the shaft, slid back from the tail along it.
        for (int way : {1, -1}) {
            const float sx = way * nx, sy = way * ny;
            const float edge = kLabelGap + a * std::fabs(sx) + b * std::fabs(sy);
            for (int step = 1; step * kLabelStep <= length && step <= kStepsAlong; ++step) {
                const float cost = step * kLabelStep + 3 * kTurnCost + (way < 0 ? kWallSideCost : 0);
                starts.push_back({{tail.x + edge * sx - step * kLabelStep * ux,
                                   tail.y + edge * sy - step * kLabelStep * uy},
                                  cost});
            }
        }
        std::stable_sort(starts.begin(), starts.end(),
                         [](const Start& p, const Start& q) { return p.cost < q.cost; });
        // The box centred on `centre` moved `step` steps along the arrow.
        auto at = [&](WorldPoint centre, int step) {
            const float x = centre.x + step * kLabelStep * ux, y = centre.y + step * kLabelStep * uy;
            return Rect{x - a, y - b, x + a, y + b};
        };
        // From the first start clear of the wall (and of the other lines, while that is possible),
        // the label moves along its arrow until it is clear of the texts too.
        auto offWall = [&](const Rect& r) {
            const Segment sight = {tail, {(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2}};
            return ClearOf(m_wall, r) &&
                   (!besideTail || std::none_of(m_wall.begin(), m_wall.end(),
                                                [&](const Segment& w) { return Cross(w, sight); }));
        };
        for (bool keepOffLines : {true, false}) {
            for (const Start& start : starts) {
                const Rect first = at(start.centre, 0);
                if (!offWall(first) || (keepOffLines && !ClearOf(m_lines, first))) continue;
                const int steps = keepOffLines ? kStepsPastLines : kStepsPastLabels;
                for (int step = 0; step <= steps; ++step) {
                    const Rect r = at(start.centre, step);
                    if (offWall(r) && ClearOfTexts(r) && (!keepOffLines || ClearOf(m_lines, r)))
                        return Put(label, box, r);
                }
            }
        }
        Put(label, box, at(starts.front().centre, 0));
    }

  private:
    static bool ClearOf(const std::vector<Segment>& segments, const Rect& r) {
        const Rect around = Grown(r, kLabelClear);
        return std::none_of(segments.begin(), segments.end(),
                            [&](const Segment& s) { return Meets(s, around); });
    }

    bool ClearOfTexts(const Rect& r) const {
        const Rect around = Grown(r, kLabelClear);
        return std::none_of(m_taken.begin(), m_taken.end(),
                            [&](const Rect& t) { return Overlap(t, around); });
    }

    // Moves the label, whose box is `atOrigin` with its corner at the origin, to have the box `r`.
    void Put(CTextTemp& label, const Rect& atOrigin, const Rect& r) {
        label.m_fX = r.x0 - atOrigin.x0;
        label.m_fY = r.y0 - atOrigin.y0;
        m_taken.push_back(r);
    }

    std::vector<Segment> m_wall;
    std::vector<Segment> m_lines;
    std::vector<Rect> m_taken;
};

// An arrow whose label is laid out, the direction its label rather turns to, and whether the label
// keeps to the side of the wall lines the arrow's tail is on.
struct LabelledArrow {
    ArrowParts parts;
    WorldPoint side;
    bool besideTail = false;
};

// Lays out the labels of `arrows` in order, clear of the `wall` lines, of the canvas's other texts
// and, where it can, of its other lines.
void LayOutArrowLabels(DrawingCanvas& canvas, const std::vector<const CLineTemp*>& wall,
                       const std::vector<LabelledArrow>& arrows) {
    std::vector<Segment> outline, lines;
    for (const auto& l : canvas.Lines()) {
        const Segment s = SegmentOf(*l);
        if (!Finite(s)) continue;
        (std::find(wall.begin(), wall.end(), l.get()) != wall.end() ? outline : lines).push_back(s);
    }
    std::vector<Rect> texts;
    for (const auto& t : canvas.Texts()) {
        const bool ours = std::any_of(arrows.begin(), arrows.end(),
                                      [&](const LabelledArrow& a) { return a.parts.label == t.get(); });
        if (!ours && !t->m_strText.empty()) texts.push_back(Bounds(TextBoxOf(*t)));
    }
    LabelLayout layout(std::move(outline), std::move(lines), std::move(texts));
    for (const LabelledArrow& arrow : arrows) {
        const ArrowParts& a = arrow.parts;
        if (a.shaft && a.label && !a.label->m_strText.empty())
            layout.Place(*a.label, {a.shaft->m_fX1, a.shaft->m_fY1}, {a.shaft->m_fX2, a.shaft->m_fY2},
                         arrow.side, arrow.besideTail);
    }
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
                             "q=" + Format("%0.1f kPa", soil.m_fLoadPressure), 600);
    }
}

// The x of the back (P0, P7, P6, P5 in turn) at a height y, or of its foot below it.
float BackAt(const Mm* p, float y) {
    const int order[4] = {0, 7, 6, 5};
    for (int i = 1; i < 4; ++i) {
        const Mm a = p[order[i - 1]], b = p[order[i]];
        if ((y <= a.y && y >= b.y) || (y >= a.y && y <= b.y))
            return a.y == b.y ? std::max(a.x, b.x) : a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
    }
    return p[5].x;
}

// The water-level mark: ▽ standing on the level at x, with two short lines under it.
void WaterMark(DrawingCanvas& canvas, float x, float y, float size) {
    canvas.AddLine(kWaterColour, 1, x - size, y + 1.5f * size, x + size, y + 1.5f * size);
    canvas.AddLine(kWaterColour, 1, x - size, y + 1.5f * size, x, y);
    canvas.AddLine(kWaterColour, 1, x + size, y + 1.5f * size, x, y);
    canvas.AddLine(kWaterColour, 1, x - 0.6f * size, y - 0.4f * size, x + 0.6f * size, y - 0.4f * size);
    canvas.AddLine(kWaterColour, 1, x - 0.3f * size, y - 0.8f * size, x + 0.3f * size, y - 0.8f * size);
}

// Layer boundaries behind the wall, each with the number of the layer below it, the water table
// behind with its mark, and the water in front: only where the case has them.
void AddLayersAndWater(DrawingCanvas& canvas, const WallCase& c, const Mm* p) {
    const float H = c.wall.m_fHeight * 1000, reach = 0.6f * H, text = H / 20;
    double depth = 0;
    const int layers = LayersInUse(c.soil);
    for (int r = 0; r + 1 < layers; ++r) {
        depth += AsShown(c.soil.m_afLayer[r][kLayerThickness]);
        const float y = static_cast<float>(-depth * 1000);
        if (!(y > p[5].y)) break;
        const float x = BackAt(p, y);
        canvas.AddLine(kGroundColour, 1, x, y, x + reach, y);
        canvas.AddText(kDimensionColour, x + reach, y - text / 4, 0, 0, text, text / 2, 1,
                       Format("第%d层", r + 2), 1, 3);
    }
    const CaseSettings& s = c.settings;
    if (s.HasWaterBehind() && -s.waterBehind * 1000 > p[5].y) {
        const float y = -s.waterBehind * 1000, x = BackAt(p, y);
        canvas.AddLine(kWaterColour, 1, x, y, x + reach, y);
        WaterMark(canvas, x + reach * 0.7f, y, text / 2);
    }
    if (s.HasWaterFront() && s.waterFront > 0) {
        const float y = p[4].y + s.waterFront * 1000, x = std::min(p[4].x, p[2].x);
        canvas.AddLine(kWaterColour, 1, x - reach / 2, y, x, y);
        WaterMark(canvas, x - reach / 4, y, text / 2);
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
    AddLayersAndWater(canvas, c, p);
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
    std::vector<const CLineTemp*> wall = {
        Outline(canvas, p[0], p[1]), Outline(canvas, p[1], p[2]), Outline(canvas, p[2], p[3]),
        Outline(canvas, p[3], p[4]), Outline(canvas, p[4], p[5]), Outline(canvas, p[0], p[7]),
        Outline(canvas, p[6], p[7]), Outline(canvas, p[5], p[6]),
    };
    if (c.wallType == kCounterfort) wall.push_back(Outline(canvas, p[6], p[0]));
    AddLayersAndWater(canvas, c, p);

    const float Hr = Hd / 3;
    const int head = Trunc(Hr / 7);
    const SketchLoads& l = loads;
    std::vector<ArrowParts> arrows;
    float k = PressureArrows(canvas, outline, l.Ex, l.Ey, l.Zx, l.Zy, Hr, head, arrows);
    float R = std::sqrt(l.Ex * l.Ex + l.Ey * l.Ey);
    if (l.hasLower) {
        k = PressureArrows(canvas, outline, l.lowerEx, l.lowerEy, l.lowerZx, l.lowerZy, Hr, head, arrows);
        R = std::sqrt(l.lowerEx * l.lowerEx + l.lowerEy * l.lowerEy);
    }
    // R·k is the third of the wall height; without any pressure to scale it is taken directly.
    const int weightLength = std::isfinite(k) ? Trunc(R * k) : Trunc(Hr);
    const ArrowParts weight =
        canvas.AddArrow(p[3].x + l.Zw * 1000, -Hd / 2, weightLength, head, 90, kLoadColour, 1, "W");

    // Pressure labels turn away from the middle of the wall. The weight stands within the wall: its
    // label turns to the front (-x), away from the pressures on the back, and stays on its side of
    // the wall lines. (The tail of a short pressure arrow may lie just within the wall.)
    Mm centre = {0, 0};
    for (const Mm& v : p) centre = {centre.x + v.x / 8, centre.y + v.y / 8};
    std::vector<LabelledArrow> labelled;
    for (const ArrowParts& a : arrows)
        labelled.push_back({a, {a.shaft->m_fX2 - centre.x, a.shaft->m_fY2 - centre.y}});
    labelled.push_back({weight, {-1, 0}, true});
    // The inertia forces at the scale of the pressures, pointing to the toe from the fill's side.
    for (int i = 0; i < l.inertiaCount; ++i) {
        const SketchLoads::Inertia& f = l.inertia[static_cast<size_t>(i)];
        // Never shorter than a shaft beyond its head, so that a small force still reads as an arrow.
        const int length = std::max(std::isfinite(k) ? Trunc(f.F * k) : Trunc(Hr / 2), 3 * head);
        const ArrowParts a = canvas.AddArrow(p[4].x + f.x * 1000, p[4].y + f.y * 1000, length, head, 0,
                                             kLoadColour, 1, f.label);
        labelled.push_back({a, {1, 0}});
    }
    LayOutArrowLabels(canvas, wall, labelled);
}

}  // namespace wall
