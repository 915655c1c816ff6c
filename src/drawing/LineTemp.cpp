// The line entity: record, drawing and bounding box.
#include <algorithm>
#include <cmath>

#include "drawing/Entities.h"

namespace wall {

bool CLineTemp::ReadWrite(DrawingFileStream& file) {
    // The record holds the first point, then the second: x1, y1, x2, y2.
    return ReadWriteCommon(file) && file.Io(m_fX1) && file.Io(m_fY1) && file.Io(m_fX2) && file.Io(m_fY2);
}

void CLineTemp::Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
                     int colourIndex) const {
    // The erased flag does not stop a line from drawing.
    if (!std::isfinite(m_fX1) || !std::isfinite(m_fY1) || !std::isfinite(m_fX2) || !std::isfinite(m_fY2))
        return;
    dc.SetPen(PenFor(colourMode, colourIndex));
    ApplyRopMode(dc, ropMode);
    DevicePoint a, b;
    view.WorldToDevice(m_fX1, m_fY1, a.x, a.y);
    view.WorldToDevice(m_fX2, m_fY2, b.x, b.y);
    dc.Line(a, b);
}

void CLineTemp::GetExtents(float& minX, float& minY, float& maxX, float& maxY) const {
    minX = std::min(m_fX1, m_fX2);
    maxX = std::max(m_fX1, m_fX2);
    minY = std::min(m_fY1, m_fY2);
    maxY = std::max(m_fY1, m_fY2);
}

}  // namespace wall
