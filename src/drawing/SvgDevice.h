// SVG back end of the drawing device, for export and viewing.
#pragma once

#include <filesystem>
#include <string>

#include "drawing/DrawingDevice.h"

namespace wall {

// Builds an SVG document in memory; with a path, EndPicture also writes it there atomically.
// The inverting raster operation is rendered as a white "difference" blend, which inverts the
// colours below as the Windows operation does.
class SvgDevice : public DrawingDevice {
  public:
    SvgDevice() = default;
    explicit SvgDevice(std::filesystem::path path) : m_path(std::move(path)) {}

    void BeginPicture(int width, int height) override;
    int EndPicture(std::string* reason = nullptr) override;
    // The document, complete after EndPicture.
    const std::string& Svg() const { return m_svg; }

    void SetPen(const Pen& pen) override { m_pen = pen; }
    void SetBrush(const Brush& brush) override { m_brush = brush; }
    void SetRasterOp(RasterOp op) override { m_rop = op; }
    void SetFont(const Font& font) override { m_font = font; }
    void SetTextColour(Rgb colour) override { m_textColour = colour; }

    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Line(DevicePoint from, DevicePoint to) override;
    void Arc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const DevicePoint> points) override;
    void InvertPolygon(std::span<const DevicePoint> points) override;
    void Polyline(std::span<const DevicePoint> points) override;
    void Char(DevicePoint at, std::string_view utf8, bool doubleByte) override;

  private:
    std::string StrokeAttributes() const;
    std::string FillAttribute() const;
    std::string BlendAttribute() const;

    std::filesystem::path m_path;
    std::string m_svg;
    bool m_open = false;
    Pen m_pen;
    Brush m_brush;
    RasterOp m_rop = RasterOp::kCopy;
    Font m_font;
    Rgb m_textColour;
};

}  // namespace wall
