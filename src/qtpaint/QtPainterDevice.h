// The drawing device over a QPainter: the dialog's sketch area, the PDF report's pictures, and
// pictures rendered by Qt.
#pragma once

#include <QColor>
#include <QFont>

#include "drawing/DrawingDevice.h"

class QPainter;

namespace wallui {

// Paints a canvas on whatever the painter paints on (widget, QImage, QPixmap). Lines are drawn
// without anti-aliasing, as on a Windows device context; inversion uses the painter's raster
// operations, which need a raster paint device.
class QtPainterDevice final : public wall::DrawingDevice {
  public:
    // `fallback` draws the characters of a face that is not installed; it should hold every glyph.
    QtPainterDevice(QPainter& painter, const QFont& fallback);
    ~QtPainterDevice() override;

    void SetPen(const wall::Pen& pen) override;
    void SetBrush(const wall::Brush& brush) override;
    void SetRasterOp(wall::RasterOp op) override;
    void SetFont(const wall::Font& font) override;
    void SetTextColour(wall::Rgb colour) override;

    void FillRect(int left, int top, int right, int bottom, wall::Rgb colour) override;
    void Line(wall::DevicePoint from, wall::DevicePoint to) override;
    void Arc(int left, int top, int right, int bottom, wall::DevicePoint start,
             wall::DevicePoint end) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const wall::DevicePoint> points) override;
    void InvertPolygon(std::span<const wall::DevicePoint> points) override;
    void Polyline(std::span<const wall::DevicePoint> points) override;
    void Char(wall::DevicePoint at, std::string_view utf8, bool doubleByte) override;

  private:
    QPainter& painter_;
    QFont fallback_;
    wall::Font font_;
    QFont qfont_;
    QColor textColour_ = Qt::black;
};

// The arc of a box from the radial through `start` to the radial through `end`, counter-clockwise
// as seen: start angle and span in sixteenths of a degree, as QPainter::drawArc takes them. Equal
// radials give the whole ellipse.
struct ArcAngles {
    int start16;
    int span16;
};
ArcAngles ArcAnglesOf(int left, int top, int right, int bottom, wall::DevicePoint start,
                      wall::DevicePoint end);

}  // namespace wallui
