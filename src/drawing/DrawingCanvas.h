// A retained vector drawing in world units: entity lists, composite constructions, fit and paint.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/DrawingDevice.h"
#include "drawing/DrawingFileStream.h"
#include "drawing/Entities.h"
#include "drawing/ViewTransform.h"

namespace wall {

// Outcome of writing or reading a drawing file. `cause` is the file error's cause number (0 none);
// `message` is what the user is shown, `detail` the path and the system's reason.
struct DrawingIoResult {
    int cause = 0;
    std::string message;
    std::string detail;
    std::string reason;  // the cause in words, without the path
    bool ok() const { return cause == 0 && message.empty(); }
};

// The parts of an arrow a composition may move or measure.
struct ArrowParts {
    CLineTemp* shaft = nullptr;
    CTextTemp* label = nullptr;
};

// Owns its entities. World y points up; one device unit is one pixel of the target rectangle.
// Texts are given in UTF-8 and kept as the GBK bytes of the drawing file.
class DrawingCanvas {
  public:
    template <class T>
    using List = std::vector<std::unique_ptr<T>>;

    DrawingCanvas() = default;
    DrawingCanvas(const DrawingCanvas&) = delete;
    DrawingCanvas& operator=(const DrawingCanvas&) = delete;
    DrawingCanvas(DrawingCanvas&&) = default;
    DrawingCanvas& operator=(DrawingCanvas&&) = default;

    // Deletes every entity.
    void RemoveAll();

    // Solid line of pen width `width` pixels, fill colour 1, attribute 1.
    CLineTemp* AddLine(short colour, short width, float x1, float y1, float x2, float y2);
    // Line from (x, y) of `length` at `angle` degrees counter-clockwise from +x.
    CLineTemp* AddPolarLine(short colour, short width, float x, float y, int length, int angle);
    CCircleTemp* AddCircle(short colour, short fillColour, short width, short style, short attribute,
                           int drawFlag, float cx, float cy, float r, int filled);
    // Text aligned on (x, y): hAlign 1 right end, 2 centre, 3 left end; vAlign 1 baseline,
    // 2 middle, 3 top; alignment uses the GBK byte length. The fifth argument is not used.
    CTextTemp* AddText(int colour, float x, float y, float angle, float ignored, float height,
                       float charWidth, float gap, std::string_view text, int hAlign, int vAlign);
    // Arrow pointing at (x, y): a shaft of `length` at `angle` degrees, a head fanned from 21
    // lines, and `label` centred above the far end of the shaft. Returns the shaft (from (x, y) to
    // the tail) and the label, for a composition that lays its labels out itself.
    ArrowParts AddArrow(float x, float y, int length, int headLength, int angle, int colour, int width,
                        std::string_view label);
    // count + 1 arrows along (x1, y1)-(x2, y2), the line joining their tails and a label in
    // colour 2. A count below 1 adds nothing.
    void AddLoadArrows(int colour, float x1, float y1, float x2, float y2, float arrowLength,
                       float headLength, float angle, int count, std::string_view label, int textHeight);
    // Linear dimension of (x1, y1)-(x2, y2): extension lines, dimension line, oblique ticks and
    // the text (the measured length with "%d" when `text` is empty), reading from P2 to P1.
    void AddDimension(int colour, int offset, int distance, int overshoot, float x1, float y1, float x2,
                      float y2, float textHeight, std::string_view text);

    // Widens the four values by the boxes of every line, circle, arc and text (not polylines);
    // true when at least one was found. Boxes with a non-finite value are left out.
    bool GetExtents(float& minX, float& minY, float& maxX, float& maxY) const;
    // Device size from the rectangle, then FitToDevice.
    void SetDeviceRect(int left, int top, int right, int bottom);
    // Uniform scale and origin that fit the extents into the device with a 10-pixel margin,
    // centred along the axis with room to spare. An empty canvas keeps the transform.
    void FitToDevice();
    void WorldToDevice(float x, float y, int& dx, int& dy) const { m_view.WorldToDevice(x, y, dx, dy); }
    int WorldLengthToDevice(float length) const { return m_view.WorldLengthToDevice(length); }
    const ViewTransform& View() const { return m_view; }

    // Draws lines, circles, arcs, texts and polylines, each list from its last element to its first.
    void Paint(DrawingDevice& dc, int ropMode, int colourMode, int colourIndex) const;

    // Writing: drops erased entities, then writes the drawing file. Reading: appends the file's
    // entities; false (with the canvas unchanged) when the bytes are not a whole drawing file.
    bool Serialize(DrawingFileStream& ar);
    // Writes the drawing file atomically; the message of a failure is its cause number.
    DrawingIoResult SaveToFile(const std::filesystem::path& path);

    List<CLineTemp>& Lines() { return m_lines; }
    List<CCircleTemp>& Circles() { return m_circles; }
    List<CArcTemp>& Arcs() { return m_arcs; }
    List<CTextTemp>& Texts() { return m_texts; }
    List<CPlineTemp>& Polylines() { return m_polylines; }
    const List<CLineTemp>& Lines() const { return m_lines; }
    const List<CCircleTemp>& Circles() const { return m_circles; }
    const List<CArcTemp>& Arcs() const { return m_arcs; }
    const List<CTextTemp>& Texts() const { return m_texts; }
    const List<CPlineTemp>& Polylines() const { return m_polylines; }

  private:
    List<CLineTemp> m_lines;
    List<CCircleTemp> m_circles;
    List<CArcTemp> m_arcs;
    List<CTextTemp> m_texts;
    List<CPlineTemp> m_polylines;
    ViewTransform m_view;
};

// Reads a drawing file into `canvas` (appending). A malformed file is refused with a message and
// leaves the canvas unchanged. `name` names the file in messages.
DrawingIoResult DecodeDrawing(std::span<const uint8_t> bytes, const std::string& name, DrawingCanvas& canvas);
DrawingIoResult ReadDrawingFile(const std::filesystem::path& path, DrawingCanvas& canvas);

}  // namespace wall
