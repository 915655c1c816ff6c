// Enhanced Metafile back end of the drawing device: the vector picture of the report.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "drawing/DrawingDevice.h"

namespace wall {

// Records the drawing calls as EMF records in memory; EndPicture completes the header and, with a
// path, writes the file atomically. As for a metafile made without given bounds, the picture's
// bounds are those of what was drawn. The reference device is a 96 dpi screen.
class EmfDevice : public DrawingDevice {
  public:
    EmfDevice() = default;
    explicit EmfDevice(std::filesystem::path path) : m_path(std::move(path)) {}

    void BeginPicture(int width, int height) override;
    int EndPicture(std::string* reason = nullptr) override;
    // The metafile's bytes, complete after EndPicture.
    const std::vector<uint8_t>& Bytes() const { return m_file; }

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
    struct Bounds {
        int left = 0, top = 0, right = -1, bottom = -1;
        bool empty() const { return right < left; }
        void Add(int x0, int y0, int x1, int y1);
    };

    // Record assembly.
    void Begin(uint32_t type);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void End();

    // Select the requested state into the metafile when it differs from what is selected.
    void SyncPen(bool nullPen = false);
    void SyncBrush(bool hollow);
    void SyncRop(RasterOp op);
    void SyncFont();
    void SyncTextColour();
    void PointsRecord(uint32_t type, std::span<const DevicePoint> points);

    std::filesystem::path m_path;
    std::vector<uint8_t> m_records;  // everything after the header, before EOF
    std::vector<uint8_t> m_file;
    std::size_t m_recordStart = 0;
    // The last record was an inverting ellipse: a second identical one undoes it, so both are
    // left out (only their bounds count). Renderers without the inverting operation would
    // otherwise show such marks.
    bool m_lastInvertEllipse = false;
    std::size_t m_lastStart = 0;
    uint32_t m_recordCount = 0;
    Bounds m_bounds;
    int m_width = 0, m_height = 0;

    Pen m_pen;
    Brush m_brush;
    RasterOp m_rop = RasterOp::kCopy;
    Font m_font;
    Rgb m_textColour;

    // What the metafile has selected; objects alternate between two handle slots per kind.
    std::optional<Pen> m_selPen;
    bool m_selNullPen = false;
    std::optional<Brush> m_selBrush;
    std::optional<RasterOp> m_selRop;
    std::optional<Font> m_selFont;
    std::optional<Rgb> m_selTextColour;
    uint32_t m_penSlot = 0, m_brushSlot = 0, m_fontSlot = 0;
};

}  // namespace wall
