// Composite constructions of the canvas: aligned text, arrows, rows of load arrows, dimensions.
#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/DrawingCanvas.h"
#include "drawing/TextBox.h"
#include "text/Format.h"
#include "text/Gbk.h"

namespace wall {
namespace {

constexpr double kRadPerDeg = 0.017453292222222222;

// trunc(v) as an int; NaN and out-of-range values (degenerate input) give 0 or the limit.
int Trunc(double v) {
    if (std::isnan(v)) return 0;
    if (v >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

}  // namespace

CTextTemp* DrawingCanvas::AddText(int colour, float x, float y, float angle, float /*ignored*/, float height,
                                  float charWidth, float gap, std::string_view text, int hAlign, int vAlign) {
    auto t = std::make_unique<CTextTemp>();
    t->m_strText = Utf8ToGbk(text);
    // The stored point is the lower left corner; the gap does not enter the alignment.
    const WorldPoint corner =
        AlignedTextCorner(x, y, angle, height, t->m_strText.size(), charWidth, hAlign, vAlign);
    t->m_fX = corner.x;
    t->m_fY = corner.y;
    t->m_nColour = static_cast<int16_t>(colour);
    t->m_nFillColour = 1;
    t->m_nPenWidth = 1;
    t->m_nPenStyle = 1;
    t->m_nAttribute = 1;
    t->m_nDrawFlag = 1;
    t->m_fDirection = angle;
    t->m_fGlyphAngle = angle;
    t->m_fHeight = height;
    t->m_fCharWidth = charWidth;
    t->m_fGap = gap;
    m_texts.push_back(std::move(t));
    return m_texts.back().get();
}

ArrowParts DrawingCanvas::AddArrow(float x, float y, int length, int headLength, int angle, int colour,
                                   int width, std::string_view label) {
    const short c = static_cast<short>(colour), w = static_cast<short>(width);
    CLineTemp* shaft = AddPolarLine(c, w, x, y, length, angle);
    const float tx = shaft->m_fX2, ty = shaft->m_fY2;
    // A fan of 21 lines within ±10° of the shaft reads as a solid head pointing at (x, y).
    for (int i = -10; i <= 10; ++i) AddPolarLine(c, w, x, y, headLength, angle + i);
    CTextTemp* text = AddText(colour, tx, ty + 180, 0, 0, 400, 250, 0, label, 2, 2);
    return {shaft, text};
}

void DrawingCanvas::AddLoadArrows(int colour, float x1, float y1, float x2, float y2, float arrowLength,
                                  float headLength, float angle, int count, std::string_view label,
                                  int textHeight) {
    if (count < 1) return;
    const double L = std::hypot(static_cast<double>(x2) - x1, static_cast<double>(y2) - y1);
    // The arc tangent of the slope: the row runs from P1 towards +x.
    const double phi = std::atan((static_cast<double>(y2) - y1) / (static_cast<double>(x2) - x1));
    const double step = L / count;
    for (int i = 0; i <= count; ++i)
        AddArrow(static_cast<float>(x1 + i * step * std::cos(phi)),
                 static_cast<float>(y1 + i * step * std::sin(phi)), Trunc(arrowLength), Trunc(headLength),
                 Trunc(angle), colour, 1, "");
    const double a = angle * kRadPerDeg;
    const double dx = arrowLength * std::cos(a), dy = arrowLength * std::sin(a);
    AddLine(static_cast<short>(colour), 1, static_cast<float>(x1 + dx), static_cast<float>(y1 + dy),
            static_cast<float>(x2 + dx), static_cast<float>(y2 + dy));
    // The label centred over the row, but clear of the row's start by a text height and a half: a row
    // starting at the wall would put a wide label over the wall top's dimension.
    const double half = L / 2, width = static_cast<double>(label.size()) * textHeight / 2;
    const double along = std::max(half, std::min(width / 2 + 1.5 * textHeight, L));
    const double mx = x1 + along * std::cos(phi), my = y1 + along * std::sin(phi);
    AddText(2, static_cast<float>(mx + dx), static_cast<float>(my + dy), angle - 90, 1,
            static_cast<float>(textHeight), static_cast<float>(textHeight / 2), 0, label, 2, 1);
}

void DrawingCanvas::AddDimension(int colour, int offset, int distance, int overshoot, float x1, float y1,
                                 float x2, float y2, float textHeight, std::string_view text) {
    const short c = static_cast<short>(colour);
    const double alpha = std::atan2(static_cast<double>(y2) - y1, static_cast<double>(x2) - x1) + 1.5707963;
    const double nx = std::cos(alpha), ny = std::sin(alpha);
    struct Ends {
        double ax, ay, bx, by, cx, cy;
    };
    auto ends = [&](float px, float py) {
        Ends e;
        e.ax = px + offset * nx;
        e.ay = py + offset * ny;
        e.bx = e.ax + distance * nx;
        e.by = e.ay + distance * ny;
        e.cx = e.bx + overshoot * nx;
        e.cy = e.by + overshoot * ny;
        return e;
    };
    const Ends e1 = ends(x1, y1), e2 = ends(x2, y2);
    auto f = [](double v) { return static_cast<float>(v); };
    AddLine(c, 1, f(e1.bx), f(e1.by), f(e2.bx), f(e2.by));
    AddLine(c, 1, f(e1.ax), f(e1.ay), f(e1.cx), f(e1.cy));
    AddLine(c, 1, f(e2.ax), f(e2.ay), f(e2.cx), f(e2.cy));
    // Oblique ticks of half-length |overshoot|, at most 50.
    const double t = std::min(std::abs(overshoot), 50);
    for (const Ends* e : {&e1, &e2})
        AddLine(c, 2, f(e->bx + t * std::cos(alpha - 0.78539815)),
                f(e->by + t * std::sin(alpha - 0.78539815)), f(e->bx + t * std::cos(alpha + 2.35619445)),
                f(e->by + t * std::sin(alpha + 2.35619445)));
    std::string label(text);
    if (label.empty())
        label = Format("%d", Trunc(std::hypot(static_cast<double>(x2) - x1, static_cast<double>(y2) - y1)));
    AddText(colour, f((e1.bx + e2.bx) / 2), f((e1.by + e2.by) / 2),
            f((alpha + 1.5707963) * 57.295780490442965), 0, textHeight, textHeight * 0.5f, 0, label, 2, 1);
}

}  // namespace wall
