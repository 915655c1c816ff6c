// The arc entity: record, drawing and bounding box (widened by the quadrant points it sweeps).
#include <algorithm>
#include <cmath>

#include "drawing/Entities.h"

namespace wall {

bool CArcTemp::ReadWrite(DrawingFileStream& file) {
    return CCircleTemp::ReadWrite(file) && file.Io(m_fStart) && file.Io(m_fEnd);
}

void CArcTemp::Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
                    int colourIndex) const {
    // Like a line, an arc draws whatever its erased and filled flags say.
    for (float v : {m_fCx, m_fCy, m_fR, m_fStart, m_fEnd})
        if (!std::isfinite(v)) return;
    dc.SetPen(PenFor(colourMode, colourIndex));
    ApplyRopMode(dc, ropMode);
    int mx, my;
    view.WorldToDevice(m_fCx, m_fCy, mx, my);
    int r = view.WorldLengthToDevice(m_fR);
    int sx = view.WorldLengthToDevice(m_fR * std::cos(m_fStart));
    int sy = view.WorldLengthToDevice(m_fR * std::sin(m_fStart));
    int ex = view.WorldLengthToDevice(m_fR * std::cos(m_fEnd));
    int ey = view.WorldLengthToDevice(m_fR * std::sin(m_fEnd));
    // Device y runs down, so the world's sines are subtracted.
    dc.Arc(mx - r, my - r, mx + r, my + r, {mx + sx, my - sy}, {mx + ex, my - ey});
}

void CArcTemp::GetExtents(float& minX, float& minY, float& maxX, float& maxY) const {
    float sx = m_fCx + m_fR * std::cos(m_fStart), sy = m_fCy + m_fR * std::sin(m_fStart);
    float ex = m_fCx + m_fR * std::cos(m_fEnd), ey = m_fCy + m_fR * std::sin(m_fEnd);
    minX = std::min(sx, ex);
    maxX = std::max(sx, ex);
    minY = std::min(sy, ey);
    maxY = std::max(sy, ey);
    constexpr float kQuarter = 1.5707963f;
    const float q[4] = {0, kQuarter, 2 * kQuarter, 3 * kQuarter};
    const float px[4] = {m_fCx + m_fR, m_fCx, m_fCx - m_fR, m_fCx};
    const float py[4] = {m_fCy, m_fCy + m_fR, m_fCy, m_fCy - m_fR};
    for (int i = 0; i < 4; ++i) {
        bool inside = false;
        if (m_fStart < m_fEnd) inside = m_fStart < q[i] && q[i] < m_fEnd;
        if (m_fStart > m_fEnd) inside = q[i] > m_fStart || q[i] < m_fEnd;
        if (!inside) continue;
        minX = std::min(minX, px[i]);
        maxX = std::max(maxX, px[i]);
        minY = std::min(minY, py[i]);
        maxY = std::max(maxY, py[i]);
    }
}

}  // namespace wall
