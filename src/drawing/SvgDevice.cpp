// SVG output: one element per drawing call, pixel coordinates, per-character text.
#include "drawing/SvgDevice.h"

#include <cmath>

#include "case/CaseFile.h"
#include "text/Format.h"

namespace wall {
namespace {

std::string Hex(Rgb c) {
    return Format("#%02x%02x%02x", c.r, c.g, c.b);
}

std::string Points(std::span<const DevicePoint> points) {
    std::string s;
    for (const DevicePoint& p : points) {
        if (!s.empty()) s += ' ';
        s += Format("%d,%d", p.x, p.y);
    }
    return s;
}

// Escapes XML's special characters and replaces control characters, which XML cannot hold.
std::string XmlText(std::string_view utf8) {
    std::string s;
    for (char ch : utf8) {
        switch (ch) {
            case '&':
                s += "&amp;";
                break;
            case '<':
                s += "&lt;";
                break;
            case '>':
                s += "&gt;";
                break;
            case '"':
                s += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20)
                    s += "\xEF\xBF\xBD";
                else
                    s += ch;
        }
    }
    return s;
}

constexpr double kPi = 3.14159265358979323846;

}  // namespace

void SvgDevice::BeginPicture(int width, int height) {
    m_svg = Format(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n",
        width, height, width, height);
    m_open = true;
}

int SvgDevice::EndPicture(std::string* reason) {
    if (!m_open) BeginPicture(0, 0);
    m_svg += "</svg>\n";
    m_open = false;
    if (m_path.empty()) return 0;
    return WriteFileAtomically(m_path, {reinterpret_cast<const uint8_t*>(m_svg.data()), m_svg.size()},
                               reason);
}

std::string SvgDevice::BlendAttribute() const {
    return m_rop == RasterOp::kInvert ? " style=\"mix-blend-mode:difference\"" : "";
}

std::string SvgDevice::StrokeAttributes() const {
    Rgb colour = m_rop == RasterOp::kInvert ? Rgb{255, 255, 255} : m_pen.colour;
    int width = m_pen.width < 1 ? 1 : m_pen.width;
    std::string s = Format(" stroke=\"%s\" stroke-width=\"%d\"", Hex(colour).c_str(), width);
    // As on Windows, only one-pixel pens are dashed or dotted.
    if (width == 1) {
        if (m_pen.style == kPenDash) s += " stroke-dasharray=\"18,6\"";
        if (m_pen.style == kPenDot) s += " stroke-dasharray=\"3,3\"";
        if (m_pen.style == kPenDashDot) s += " stroke-dasharray=\"9,6,3,6\"";
    }
    return s;
}

std::string SvgDevice::FillAttribute() const {
    if (m_brush.hollow) return " fill=\"none\"";
    Rgb colour = m_rop == RasterOp::kInvert ? Rgb{255, 255, 255} : m_brush.colour;
    return Format(" fill=\"%s\"", Hex(colour).c_str());
}

void SvgDevice::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    m_svg += Format("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\"/>\n", left, top,
                    right - left, bottom - top, Hex(colour).c_str());
}

void SvgDevice::Line(DevicePoint a, DevicePoint b) {
    m_svg += Format("<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\"%s%s/>\n", a.x, a.y, b.x, b.y,
                    StrokeAttributes().c_str(), BlendAttribute().c_str());
}

void SvgDevice::Arc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) {
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = std::abs(right - left) / 2.0, ry = std::abs(bottom - top) / 2.0;
    // Angles as seen on the device, counter-clockwise, with y pointing down.
    const double a0 = std::atan2(cy - start.y, start.x - cx);
    double a1 = std::atan2(cy - end.y, end.x - cx);
    double sweep = a1 - a0;
    while (sweep <= 0) sweep += 2 * kPi;  // equal radials draw the whole ellipse
    if (sweep >= 2 * kPi - 1e-9) {
        m_svg += Format("<ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\" fill=\"none\"%s%s/>\n", cx, cy, rx,
                        ry, StrokeAttributes().c_str(), BlendAttribute().c_str());
        return;
    }
    a1 = a0 + sweep;
    const double x0 = cx + rx * std::cos(a0), y0 = cy - ry * std::sin(a0);
    const double x1 = cx + rx * std::cos(a1), y1 = cy - ry * std::sin(a1);
    // Counter-clockwise on a y-down device is SVG's negative sweep direction.
    m_svg += Format("<path d=\"M%.2f,%.2f A%g,%g 0 %d 0 %.2f,%.2f\" fill=\"none\"%s%s/>\n", x0, y0, rx, ry,
                    sweep > kPi ? 1 : 0, x1, y1, StrokeAttributes().c_str(), BlendAttribute().c_str());
}

void SvgDevice::Ellipse(int left, int top, int right, int bottom) {
    m_svg += Format("<ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\"%s%s%s/>\n", (left + right) / 2.0,
                    (top + bottom) / 2.0, std::abs(right - left) / 2.0, std::abs(bottom - top) / 2.0,
                    FillAttribute().c_str(), StrokeAttributes().c_str(), BlendAttribute().c_str());
}

void SvgDevice::Polygon(std::span<const DevicePoint> points) {
    m_svg += Format("<polygon points=\"%s\" fill-rule=\"evenodd\"%s%s%s/>\n", Points(points).c_str(),
                    FillAttribute().c_str(), StrokeAttributes().c_str(), BlendAttribute().c_str());
}

void SvgDevice::InvertPolygon(std::span<const DevicePoint> points) {
    m_svg += Format(
        "<polygon points=\"%s\" fill-rule=\"evenodd\" fill=\"#ffffff\" stroke=\"none\" "
        "style=\"mix-blend-mode:difference\"/>\n",
        Points(points).c_str());
}

void SvgDevice::Polyline(std::span<const DevicePoint> points) {
    m_svg += Format("<polyline points=\"%s\" fill=\"none\"%s%s/>\n", Points(points).c_str(),
                    StrokeAttributes().c_str(), BlendAttribute().c_str());
}

void SvgDevice::Char(DevicePoint at, std::string_view utf8, bool doubleByte) {
    // The point is the cell's upper left corner; the baseline lies at the ascent of a CJK
    // monospaced face, 0.88 of the cell height. Such a face draws a single-byte character half an
    // em wide and a double-byte one a whole em, so one horizontal scale gives both their widths.
    const int bytes = doubleByte ? 2 : 1;
    const double height = m_font.height > 0 ? m_font.height : 1;
    const double scaleX = 2.0 * m_font.charWidth / height;
    std::string rotate = m_font.escapement ? Format(" rotate(%g)", -m_font.escapement / 10.0) : "";
    m_svg += Format(
        "<text transform=\"translate(%d,%d)%s scale(%g,1)\" x=\"0\" y=\"%g\" font-family=\"'Noto Sans Mono "
        "CJK "
        "SC', NSimSun, monospace\" font-size=\"%g\" font-weight=\"100\" textLength=\"%g\" "
        "lengthAdjust=\"spacingAndGlyphs\" fill=\"%s\">%s</text>\n",
        at.x, at.y, rotate.c_str(), scaleX, 0.88 * height, height, 0.5 * height * bytes,
        Hex(m_textColour).c_str(), XmlText(utf8).c_str());
}

}  // namespace wall
