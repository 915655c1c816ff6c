// The polyline entity: record, drawing as a polygon or an open path, bounding box.
#include <algorithm>
#include <cmath>

#include "drawing/Entities.h"

namespace wall {

bool CPlineTemp::ReadWrite(DrawingFileStream& file) {
    if (!ReadWriteCommon(file) || !file.Io(m_nClosed)) return false;
    int32_t count = static_cast<int32_t>(m_vertices.size());
    if (!file.Io(count)) return false;
    if (!file.writing()) {
        // Twelve bytes a vertex must still be there before anything is allocated.
        if (count < 0 || static_cast<std::size_t>(count) > file.remaining() / 12) return false;
        m_vertices.assign(static_cast<std::size_t>(count), {0, 0, 0});
    }
    for (auto& v : m_vertices)
        if (!(file.Io(v[0]) && file.Io(v[1]) && file.Io(v[2]))) return false;
    return true;
}

void CPlineTemp::Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
                      int colourIndex) const {
    if (m_nErased || m_vertices.empty()) return;
    if (m_nClosed && colourMode == kColourZero) return;
    std::vector<DevicePoint> pts;
    pts.reserve(m_vertices.size());
    for (const auto& v : m_vertices) {
        if (!std::isfinite(v[0]) || !std::isfinite(v[1])) return;
        DevicePoint p;
        view.WorldToDevice(v[0], v[1], p.x, p.y);
        pts.push_back(p);
    }
    dc.SetPen(PenFor(colourMode, colourIndex));
    dc.SetBrush(FillFor(colourMode, colourIndex));
    ApplyRopMode(dc, ropMode);
    if (!m_nClosed)
        dc.Polyline(pts);
    else if (colourMode == kHighlighted)
        dc.InvertPolygon(pts);
    else
        dc.Polygon(pts);
}

void CPlineTemp::GetExtents(float& minX, float& minY, float& maxX, float& maxY) const {
    minX = minY = 1e20f;
    maxX = maxY = -1e20f;
    for (const auto& v : m_vertices) {
        minX = std::min(minX, v[0]);
        maxX = std::max(maxX, v[0]);
        minY = std::min(minY, v[1]);
        maxY = std::max(maxY, v[1]);
    }
}

}  // namespace wall
