// The five drawing entities: lines, circles, arcs, texts and polylines, in world units.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drawing/DrawingDevice.h"
#include "drawing/DrawingFileStream.h"
#include "drawing/ViewTransform.h"

namespace wall {

// Colour modes of Draw.
enum ColourMode : int {
    kOwnColours = 0,     // the entity's own attributes
    kHighlighted = 1,    // pen style 3 if it was 2, otherwise 2
    kOneColour = 2,      // pen and fill in colour `colourIndex`
    kOneColourWide = 4,  // as 2 with four times the pen width
    kColourZero = 99,    // pen and fill in colour 0
};

// Raster modes of Draw: 0 copy, 1 invert, anything else leaves the device's setting alone.
enum RopMode : int { kRopCopy = 0, kRopInvert = 1 };

// Common attributes of every entity. Entities with a non-finite coordinate or length (from
// degenerate input) draw nothing.
class CEntityTemp {
  public:
    virtual ~CEntityTemp() = default;

    // Writes the entity's drawing-file record when the stream writes, reads it when it reads;
    // false when the record is cut short or malformed.
    virtual bool ReadWrite(DrawingFileStream& file) = 0;
    virtual void Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
                      int colourIndex) const = 0;

    int32_t m_nErased = 0;  // non-zero: texts, circles and polylines are not drawn, saving drops it
    int16_t m_nColour = 0;  // pen and text colour, index into ColorTable
    int16_t m_nFillColour = 0;
    int16_t m_nPenWidth = 1;   // device pixels
    int16_t m_nPenStyle = 0;   // PenStyle
    int16_t m_nAttribute = 0;  // stored, not interpreted
    int32_t m_nDrawFlag = 0;   // -1: a circle draws inverting; not in the file

  protected:
    // The 14-byte common part of every record.
    bool ReadWriteCommon(DrawingFileStream& file);
    Pen PenFor(int colourMode, int colourIndex) const;
    Brush FillFor(int colourMode, int colourIndex) const;
};

// Sets the raster operation after ropMode.
void ApplyRopMode(DrawingDevice& dc, int ropMode);

class CLineTemp : public CEntityTemp {
  public:
    bool ReadWrite(DrawingFileStream& file) override;
    void Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
              int colourIndex) const override;
    void GetExtents(float& minX, float& minY, float& maxX, float& maxY) const;

    float m_fX1 = 0, m_fX2 = 0, m_fY1 = 0, m_fY2 = 0;
};

class CCircleTemp : public CEntityTemp {
  public:
    bool ReadWrite(DrawingFileStream& file) override;
    void Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
              int colourIndex) const override;
    void GetExtents(float& minX, float& minY, float& maxX, float& maxY) const;

    float m_fCx = 0, m_fCy = 0, m_fR = 0;
    int32_t m_nFilled = 0;  // 0 outline only, 1 filled with the fill colour, -1 never drawn
};

class CArcTemp : public CCircleTemp {
  public:
    bool ReadWrite(DrawingFileStream& file) override;
    void Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
              int colourIndex) const override;
    void GetExtents(float& minX, float& minY, float& maxX, float& maxY) const;

    float m_fStart = 0, m_fEnd = 0;  // radians, counter-clockwise from +x
};

class CTextTemp : public CEntityTemp {
  public:
    bool ReadWrite(DrawingFileStream& file) override;
    void Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
              int colourIndex) const override;
    void GetExtents(float& minX, float& minY, float& maxX, float& maxY) const;
    // Byte length of the text.
    int32_t GetLength() const { return static_cast<int32_t>(m_strText.size()); }

    float m_fX = 0, m_fY = 0;  // lower left corner of the first character
    float m_fDirection = 0;    // baseline direction, degrees
    float m_fGlyphAngle = 0;   // rotation of the characters, degrees
    float m_fHeight = 0, m_fCharWidth = 0, m_fGap = 0;
    uint8_t m_cReserved = 0;
    std::string m_strText;  // GBK bytes, as in the drawing file
};

class CPlineTemp : public CEntityTemp {
  public:
    bool ReadWrite(DrawingFileStream& file) override;
    void Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
              int colourIndex) const override;
    void GetExtents(float& minX, float& minY, float& maxX, float& maxY) const;

    int32_t m_nClosed = 0;
    std::vector<std::array<float, 3>> m_vertices;  // x, y and a third value nothing reads
};

}  // namespace wall
