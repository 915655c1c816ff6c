// The circle entity: record, drawing and bounding box.
#include <cmath>

#include "drawing/Entities.h"

namespace wall {

bool CCircleTemp::ReadWrite(DrawingFileStream& file) {
    return ReadWriteCommon(file) && file.Io(m_nFilled) && file.Io(m_fCx) && file.Io(m_fCy) && file.Io(m_fR);
}

void CCircleTemp::Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
                       int colourIndex) const {
    if (m_nFilled == -1 || m_nErased) return;
    if (!std::isfinite(m_fCx) || !std::isfinite(m_fCy) || !std::isfinite(m_fR)) return;
    dc.SetPen(PenFor(colourMode, colourIndex));
    Brush brush = FillFor(colourMode, colourIndex);
    ApplyRopMode(dc, ropMode);
    if (m_nDrawFlag == -1) dc.SetRasterOp(RasterOp::kInvert);
    if (m_nFilled == 0) brush.hollow = true;
    dc.SetBrush(brush);
    int cx, cy;
    view.WorldToDevice(m_fCx, m_fCy, cx, cy);
    int r = view.WorldLengthToDevice(m_fR);
    dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
}

void CCircleTemp::GetExtents(float& minX, float& minY, float& maxX, float& maxY) const {
    minX = m_fCx - m_fR;
    minY = m_fCy - m_fR;
    maxX = m_fCx + m_fR;
    maxY = m_fCy + m_fR;
}

}  // namespace wall
