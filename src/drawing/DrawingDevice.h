// The drawing device: what a canvas paints on (SVG, EMF, a Qt painter), in pixels with y down.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace wall {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A point of the device: pixels, x to the right, y down.
struct DevicePoint {
    int x = 0, y = 0;
    bool operator==(const DevicePoint&) const = default;
};

// Pen styles as stored in drawing files.
enum PenStyle : int { kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3 };

struct Pen {
    int style = kPenSolid;  // PenStyle; other values draw solid
    int width = 1;          // pixels, not scaled with the drawing; 0 draws one pixel wide
    Rgb colour;
};

struct Brush {
    bool hollow = true;  // true: shapes are not filled
    Rgb colour;
};

// How a pen, brush or text combines with what is already there.
enum class RasterOp {
    kCopy,    // paint in the pen's colour
    kInvert,  // invert the destination; the colour does not matter
};

// The drawing font. Each character is drawn on its own at a point the entity computes, so the
// device needs no text layout: only glyphs of this height and width, rotated by the escapement.
struct Font {
    int height = 12;     // character cell height, pixels
    int charWidth = 6;   // average width of a single-byte character, pixels; double-byte ones are twice
    int escapement = 0;  // rotation of the characters, tenths of a degree counter-clockwise
    int weight = 50;     // lighter than the lightest named weight (100)
    bool fixedPitch = true;
    std::string face = "NSimSun";  // the fixed-pitch face of SimSun
};

// Everything a canvas and its entities draw with. State (pen, brush, font, text colour, raster
// operation) stays selected until changed, as on a Windows device context.
class DrawingDevice {
  public:
    virtual ~DrawingDevice() = default;

    // Starts a picture of width x height pixels. File and memory devices need it; a device that
    // paints into a window ignores it.
    virtual void BeginPicture(int width, int height) {
        (void)width;
        (void)height;
    }
    // Ends the picture; a file device writes its file (atomically). Returns the file error's cause
    // number, 0 on success, and fills `reason` with the system's text on failure.
    virtual int EndPicture(std::string* reason = nullptr) {
        (void)reason;
        return 0;
    }

    virtual void SetPen(const Pen& pen) = 0;
    virtual void SetBrush(const Brush& brush) = 0;
    virtual void SetRasterOp(RasterOp op) = 0;
    virtual void SetFont(const Font& font) = 0;
    virtual void SetTextColour(Rgb colour) = 0;

    // Fills a rectangle with a colour, ignoring pen, brush and raster operation (backgrounds).
    virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    virtual void Line(DevicePoint from, DevicePoint to) = 0;
    // The arc of the ellipse inscribed in the box, counter-clockwise as seen on the device, from
    // the radial through `start` to the radial through `end`.
    virtual void Arc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) = 0;
    // Ellipse inscribed in the box, outlined with the pen and filled with the brush.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Closed polygon, outlined with the pen and filled with the brush (alternate fill rule).
    virtual void Polygon(std::span<const DevicePoint> points) = 0;
    // Inverts the region of a polygon (alternate fill rule); nothing is outlined.
    virtual void InvertPolygon(std::span<const DevicePoint> points) = 0;
    // Open path through the points in order.
    virtual void Polyline(std::span<const DevicePoint> points) = 0;
    // One character (UTF-8) whose cell's upper left corner is at `at`, rotated about that point by
    // the font's escapement, with a transparent background. `doubleByte` says whether it takes two
    // bytes in the drawing file, and so twice the font's character width.
    virtual void Char(DevicePoint at, std::string_view utf8, bool doubleByte) = 0;
};

// The file device for a path chosen by its extension (".svg", ".emf", case-insensitive), or null
// for any other extension. The file is written by EndPicture.
std::unique_ptr<DrawingDevice> DeviceForFile(const std::filesystem::path& path);

}  // namespace wall
