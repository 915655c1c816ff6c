// A drawing device for tests that records every call with the state it was drawn in.
#pragma once

#include <string>
#include <vector>

#include "drawing/DrawingDevice.h"
#include "drawing/ViewTransform.h"

namespace wall {

struct RecordedCall {
    std::string what;  // "line", "arc", "ellipse", "polygon", "invert", "polyline", "char", "fill"
    std::vector<DevicePoint> points;
    Pen pen;
    Brush brush;
    RasterOp rop = RasterOp::kCopy;
    Font font;
    Rgb textColour;
    std::string text;
    bool doubleByte = false;
};

class RecordingDevice : public DrawingDevice {
  public:
    void SetPen(const Pen& pen) override { m_pen = pen; }
    void SetBrush(const Brush& brush) override { m_brush = brush; }
    void SetRasterOp(RasterOp op) override { m_rop = op; }
    void SetFont(const Font& font) override { m_font = font; }
    void SetTextColour(Rgb colour) override { m_text = colour; }
    void FillRect(int l, int t, int r, int b, Rgb) override { Add("fill", {{l, t}, {r, b}}); }
    void Line(DevicePoint a, DevicePoint b) override { Add("line", {a, b}); }
    void Arc(int l, int t, int r, int b, DevicePoint s, DevicePoint e) override {
        Add("arc", {{l, t}, {r, b}, s, e});
    }
    void Ellipse(int l, int t, int r, int b) override { Add("ellipse", {{l, t}, {r, b}}); }
    void Polygon(std::span<const DevicePoint> p) override { Add("polygon", {p.begin(), p.end()}); }
    void InvertPolygon(std::span<const DevicePoint> p) override { Add("invert", {p.begin(), p.end()}); }
    void Polyline(std::span<const DevicePoint> p) override { Add("polyline", {p.begin(), p.end()}); }
    void Char(DevicePoint at, std::string_view utf8, bool doubleByte) override {
        Add("char", {at});
        calls.back().text = std::string(utf8);
        calls.back().doubleByte = doubleByte;
    }

    std::vector<RecordedCall> calls;

  private:
    void Add(const char* what, std::vector<DevicePoint> pts) {
        calls.push_back({what, std::move(pts), m_pen, m_brush, m_rop, m_font, m_text, {}, false});
    }
    Pen m_pen;
    Brush m_brush;
    RasterOp m_rop = RasterOp::kCopy;
    Font m_font;
    Rgb m_text;
};

// A transform of one world unit a pixel on a 1000-pixel-high device: (x, y) -> (x, 1000 - y).
inline ViewTransform UnitView() {
    ViewTransform v;
    v.deviceWidth = 1000;
    v.deviceHeight = 1000;
    return v;
}

}  // namespace wall
