// Attributes shared by all entities: the record's common part, pens and brushes by colour mode.
#include "drawing/ColorTable.h"
#include "drawing/Entities.h"

namespace wall {

bool CEntityTemp::ReadWriteCommon(DrawingFileStream& file) {
    return file.Io(m_nColour) && file.Io(m_nFillColour) && file.Io(m_nPenWidth) && file.Io(m_nPenStyle) &&
           file.Io(m_nAttribute) && file.Io(m_nErased);
}

Pen CEntityTemp::PenFor(int colourMode, int colourIndex) const {
    Pen pen{m_nPenStyle, m_nPenWidth, TableColour(m_nColour)};
    switch (colourMode) {
        case kHighlighted:
            pen.style = m_nPenStyle == kPenDot ? kPenDashDot : kPenDot;
            break;
        case kOneColour:
            pen.colour = TableColour(colourIndex);
            break;
        case kOneColourWide:
            pen.colour = TableColour(colourIndex);
            pen.width = m_nPenWidth * 4;
            break;
        case kColourZero:
            pen.colour = TableColour(0);
            break;
        default:
            break;
    }
    return pen;
}

Brush CEntityTemp::FillFor(int colourMode, int colourIndex) const {
    Brush brush{false, TableColour(m_nFillColour)};
    if (colourMode == kOneColour || colourMode == kOneColourWide) brush.colour = TableColour(colourIndex);
    if (colourMode == kColourZero) brush.colour = TableColour(0);
    return brush;
}

void ApplyRopMode(DrawingDevice& dc, int ropMode) {
    if (ropMode == kRopCopy) dc.SetRasterOp(RasterOp::kCopy);
    if (ropMode == kRopInvert) dc.SetRasterOp(RasterOp::kInvert);
}

}  // namespace wall
