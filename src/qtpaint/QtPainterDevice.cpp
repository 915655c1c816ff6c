// Drawing-device calls mapped onto QPainter.
#include "qtpaint/QtPainterDevice.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace wallui {
namespace {

QColor ToColour(wall::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

Qt::PenStyle ToPenStyle(int style) {
    switch (style) {
        case wall::kPenDash:
            return Qt::DashLine;
        case wall::kPenDot:
            return Qt::DotLine;
        case wall::kPenDashDot:
            return Qt::DashDotLine;
        default:
            return Qt::SolidLine;
    }
}

QPolygon ToPolygon(std::span<const wall::DevicePoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const wall::DevicePoint& p : points) polygon << QPoint(p.x, p.y);
    return polygon;
}

QRect BoxOf(int left, int top, int right, int bottom) {
    return QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                 QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
}

}  // namespace

ArcAngles ArcAnglesOf(int left, int top, int right, int bottom, wall::DevicePoint start,
                      wall::DevicePoint end) {
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    // Device y points down; angles are measured as seen, counter-clockwise from +x.
    auto angle = [&](wall::DevicePoint p) { return std::atan2(cy - p.y, p.x - cx) * 180.0 / M_PI; };
    const double a0 = angle(start);
    double span = angle(end) - a0;
    while (span <= 0) span += 360.0;
    while (span > 360.0) span -= 360.0;
    return {static_cast<int>(std::lround(a0 * 16)), static_cast<int>(std::lround(span * 16))};
}

QtPainterDevice::QtPainterDevice(QPainter& painter, const QFont& fallback)
    : painter_(painter), fallback_(fallback) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    SetFont(font_);
}

QtPainterDevice::~QtPainterDevice() {
    painter_.restore();
}

void QtPainterDevice::SetPen(const wall::Pen& pen) {
    QPen p(ToColour(pen.colour));
    p.setWidth(std::max(pen.width, 0));  // width 0 is Qt's one-pixel cosmetic pen
    p.setStyle(ToPenStyle(pen.style));
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(p);
}

void QtPainterDevice::SetBrush(const wall::Brush& brush) {
    if (brush.hollow)
        painter_.setBrush(Qt::NoBrush);
    else
        painter_.setBrush(ToColour(brush.colour));
}

void QtPainterDevice::SetRasterOp(wall::RasterOp op) {
    painter_.setCompositionMode(op == wall::RasterOp::kInvert ? QPainter::RasterOp_NotDestination
                                                              : QPainter::CompositionMode_SourceOver);
}

void QtPainterDevice::SetFont(const wall::Font& font) {
    font_ = font;
    qfont_ = QFont(QString::fromStdString(font.face));
    if (!QFontInfo(qfont_).exactMatch()) qfont_ = fallback_;
    qfont_.setPixelSize(std::max(font.height, 1));
    qfont_.setWeight(font.weight < 100 ? QFont::Thin
                                       : static_cast<QFont::Weight>(std::min(font.weight, 900)));
}

void QtPainterDevice::SetTextColour(wall::Rgb colour) {
    textColour_ = ToColour(colour);
}

void QtPainterDevice::FillRect(int left, int top, int right, int bottom, wall::Rgb colour) {
    const QPainter::CompositionMode mode = painter_.compositionMode();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), ToColour(colour));
    painter_.setCompositionMode(mode);
}

void QtPainterDevice::Line(wall::DevicePoint from, wall::DevicePoint to) {
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtPainterDevice::Arc(int left, int top, int right, int bottom, wall::DevicePoint start,
                          wall::DevicePoint end) {
    const ArcAngles a = ArcAnglesOf(left, top, right, bottom, start, end);
    painter_.drawArc(BoxOf(left, top, right, bottom), a.start16, a.span16);
}

void QtPainterDevice::Ellipse(int left, int top, int right, int bottom) {
    painter_.drawEllipse(BoxOf(left, top, right, bottom));
}

void QtPainterDevice::Polygon(std::span<const wall::DevicePoint> points) {
    painter_.drawPolygon(ToPolygon(points), Qt::OddEvenFill);
}

void QtPainterDevice::InvertPolygon(std::span<const wall::DevicePoint> points) {
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::white);
    painter_.drawPolygon(ToPolygon(points), Qt::OddEvenFill);
    painter_.restore();
}

void QtPainterDevice::Polyline(std::span<const wall::DevicePoint> points) {
    painter_.drawPolyline(ToPolygon(points));
}

void QtPainterDevice::Char(wall::DevicePoint at, std::string_view utf8, bool doubleByte) {
    const QString ch = QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
    if (ch.isEmpty()) return;
    QFontMetricsF metrics(qfont_);
    const double cellWidth = font_.charWidth * (doubleByte ? 2.0 : 1.0);
    const double advance = metrics.horizontalAdvance(ch);
    const double glyphHeight = metrics.ascent() + metrics.descent();
    if (advance <= 0 || glyphHeight <= 0 || cellWidth <= 0) return;
    painter_.save();
    painter_.translate(at.x, at.y);
    // The escapement turns counter-clockwise as seen; Qt's rotation turns clockwise on a y-down device.
    painter_.rotate(-font_.escapement / 10.0);
    // Stretch the glyph to the cell the drawing asks for: its width and its height.
    painter_.scale(cellWidth / advance, font_.height / glyphHeight);
    painter_.setFont(qfont_);
    painter_.setPen(textColour_);
    painter_.drawText(QPointF(0, metrics.ascent()), ch);
    painter_.restore();
}

}  // namespace wallui
