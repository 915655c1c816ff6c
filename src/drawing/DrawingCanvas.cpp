// Canvas lists, plain add operations, extents, fit and paint.
#include "drawing/DrawingCanvas.h"

#include <cmath>

namespace wall {
namespace {

constexpr double kRadPerDeg = 0.017453292222222222;

template <class T>
void ClearBackwards(DrawingCanvas::List<T>& list) {
    while (!list.empty()) list.pop_back();
}

template <class T>
void Widen(const DrawingCanvas::List<T>& list, float& minX, float& minY, float& maxX, float& maxY,
           bool& any) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        float x0, y0, x1, y1;
        (*it)->GetExtents(x0, y0, x1, y1);
        // A degenerate entity is skipped here as it is when painting, so it cannot spoil the fit.
        if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) continue;
        any = true;
        if (x0 < minX) minX = x0;
        if (y0 < minY) minY = y0;
        if (x1 > maxX) maxX = x1;
        if (y1 > maxY) maxY = y1;
    }
}

template <class T>
void PaintBackwards(const DrawingCanvas::List<T>& list, DrawingDevice& dc, const ViewTransform& view, int rop,
                    int mode, int index) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->Draw(dc, view, rop, mode, index);
}

}  // namespace

void DrawingCanvas::RemoveAll() {
    ClearBackwards(m_lines);
    ClearBackwards(m_circles);
    ClearBackwards(m_arcs);
    ClearBackwards(m_texts);
    ClearBackwards(m_polylines);
}

CLineTemp* DrawingCanvas::AddLine(short colour, short width, float x1, float y1, float x2, float y2) {
    auto line = std::make_unique<CLineTemp>();
    line->m_nColour = colour;
    line->m_nFillColour = 1;
    line->m_nPenWidth = width;
    line->m_nPenStyle = kPenSolid;
    line->m_nAttribute = 1;
    line->m_fX1 = x1;
    line->m_fY1 = y1;
    line->m_fX2 = x2;
    line->m_fY2 = y2;
    m_lines.push_back(std::move(line));
    return m_lines.back().get();
}

CLineTemp* DrawingCanvas::AddPolarLine(short colour, short width, float x, float y, int length, int angle) {
    double a = angle * kRadPerDeg;
    return AddLine(colour, width, x, y, static_cast<float>(x + length * std::cos(a)),
                   static_cast<float>(y + length * std::sin(a)));
}

CCircleTemp* DrawingCanvas::AddCircle(short colour, short fillColour, short width, short style,
                                      short attribute, int drawFlag, float cx, float cy, float r,
                                      int filled) {
    auto circle = std::make_unique<CCircleTemp>();
    circle->m_nColour = colour;
    circle->m_nFillColour = fillColour;
    circle->m_nPenWidth = width;
    circle->m_nPenStyle = style;
    circle->m_nAttribute = attribute;
    circle->m_nDrawFlag = drawFlag;
    circle->m_fCx = cx;
    circle->m_fCy = cy;
    circle->m_fR = r;
    circle->m_nFilled = filled;
    m_circles.push_back(std::move(circle));
    return m_circles.back().get();
}

bool DrawingCanvas::GetExtents(float& minX, float& minY, float& maxX, float& maxY) const {
    bool any = false;
    Widen(m_lines, minX, minY, maxX, maxY, any);
    Widen(m_circles, minX, minY, maxX, maxY, any);
    Widen(m_arcs, minX, minY, maxX, maxY, any);
    Widen(m_texts, minX, minY, maxX, maxY, any);
    return any;
}

void DrawingCanvas::SetDeviceRect(int left, int top, int right, int bottom) {
    m_view.deviceWidth = right - left;
    m_view.deviceHeight = bottom - top;
    FitToDevice();
}

void DrawingCanvas::FitToDevice() {
    float minX = 1e20f, minY = 1e20f, maxX = -1e20f, maxY = -1e20f;
    if (!GetExtents(minX, minY, maxX, maxY)) return;
    // A device smaller than its margins still gets a positive drawing area.
    float W = static_cast<float>(m_view.deviceWidth - 20);
    float H = static_cast<float>(m_view.deviceHeight - 20);
    if (W < 1) W = 1;
    if (H < 1) H = 1;
    const float ex = maxX - minX, ey = maxY - minY;
    if (ex <= 0 && ey <= 0) {
        // A single point: one world unit a pixel, the point in the middle.
        m_view.scale = 1;
        m_view.originX = minX - (W * 0.5f + 10);
        m_view.originY = minY - (H * 0.5f + 10);
        return;
    }
    const float sx = ex / W, sy = ey / H;
    float scale = sy;
    if (sy < sx) scale = sx;
    m_view.scale = scale;
    if (sx > sy) {
        // ey may be 0 here: a flat drawing sits on the middle line.
        float freeH = ey > 0 ? H - W / (ex / ey) : H;
        m_view.originX = minX - 10 * scale;
        m_view.originY = minY - (freeH * 0.5f + 10) * scale;
    } else {
        float aspect = ex / ey;
        m_view.originX = minX - ((W - H * aspect) * 0.5f + 10) * scale;
        m_view.originY = minY - 10 * scale;
    }
}

void DrawingCanvas::Paint(DrawingDevice& dc, int ropMode, int colourMode, int colourIndex) const {
    PaintBackwards(m_lines, dc, m_view, ropMode, colourMode, colourIndex);
    PaintBackwards(m_circles, dc, m_view, ropMode, colourMode, colourIndex);
    PaintBackwards(m_arcs, dc, m_view, ropMode, colourMode, colourIndex);
    PaintBackwards(m_texts, dc, m_view, ropMode, colourMode, colourIndex);
    PaintBackwards(m_polylines, dc, m_view, ropMode, colourMode, colourIndex);
}

}  // namespace wall
