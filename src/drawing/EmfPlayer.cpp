// The EMF device's records mapped back onto drawing calls.
#include "drawing/EmfPlayer.h"

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "text/Utf8Text.h"

namespace wall {
namespace {

constexpr uint32_t EMR_HEADER = 1, EMR_POLYGON = 3, EMR_POLYLINE = 4, EMR_EOF = 14, EMR_SETROP2 = 20,
                   EMR_SETTEXTCOLOR = 24, EMR_MOVETOEX = 27, EMR_SELECTOBJECT = 37, EMR_CREATEPEN = 38,
                   EMR_CREATEBRUSHINDIRECT = 39, EMR_ELLIPSE = 42, EMR_RECTANGLE = 43, EMR_ARC = 45,
                   EMR_LINETO = 54, EMR_EXTCREATEFONTINDIRECTW = 82, EMR_EXTTEXTOUTW = 84;
constexpr uint32_t kStockObject = 0x80000000u, kNullBrush = kStockObject | 5, kNullPen = kStockObject | 8;
constexpr uint32_t R2_NOT = 6;

class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    bool Has(std::size_t at, std::size_t n) const { return at <= m_bytes.size() && n <= m_bytes.size() - at; }
    uint32_t U32(std::size_t at) const {
        uint32_t v = 0;
        if (Has(at, 4)) std::memcpy(&v, m_bytes.data() + at, 4);
        return v;
    }
    int I32(std::size_t at) const { return static_cast<int32_t>(U32(at)); }
    uint16_t U16(std::size_t at) const {
        return Has(at, 2) ? static_cast<uint16_t>(m_bytes[at] | (m_bytes[at + 1] << 8)) : 0;
    }
    uint8_t U8(std::size_t at) const { return Has(at, 1) ? m_bytes[at] : 0; }

  private:
    std::span<const uint8_t> m_bytes;
};

Rgb FromColorRef(uint32_t c) {
    return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
            static_cast<uint8_t>((c >> 16) & 0xFF)};
}

bool IsEmf(const Reader& r) {
    return r.U32(0) == EMR_HEADER && r.U32(40) == 0x464D4520 && r.U32(4) >= 88;
}

}  // namespace

EmfBounds ReadEmfBounds(std::span<const uint8_t> bytes) {
    Reader r(bytes);
    if (!IsEmf(r)) return {};
    return {r.I32(8), r.I32(12), r.I32(16), r.I32(20)};
}

bool PlayEmf(std::span<const uint8_t> bytes, DrawingDevice& device) {
    Reader r(bytes);
    if (!IsEmf(r)) return false;
    // Objects by handle slot: pens, brushes and fonts, as created.
    std::array<std::optional<Pen>, 16> pens;
    std::array<std::optional<Brush>, 16> brushes;
    std::array<std::optional<Font>, 16> fonts;
    Pen pen;
    Brush brush;
    bool nullPen = false;
    RasterOp rop = RasterOp::kCopy;
    DevicePoint current;
    std::vector<DevicePoint> points;
    auto slot = [](uint32_t h) { return h < 16 ? static_cast<int>(h) : -1; };
    // A pen-less shape is drawn with the brush's colour as its pen would only thicken it by a
    // pixel; a null pen is a hollow outline of width zero in white.
    auto selectPen = [&] { device.SetPen(nullPen ? Pen{kPenSolid, 0, brush.colour} : pen); };

    for (std::size_t at = r.U32(4); r.Has(at, 8);) {
        const uint32_t type = r.U32(at), size = r.U32(at + 4);
        if (size < 8 || size % 4 || !r.Has(at, size)) break;
        const std::size_t d = at + 8;  // the record's data
        switch (type) {
            case EMR_EOF:
                return true;
            case EMR_SETROP2:
                rop = r.U32(d) == R2_NOT ? RasterOp::kInvert : RasterOp::kCopy;
                device.SetRasterOp(rop);
                break;
            case EMR_SETTEXTCOLOR:
                device.SetTextColour(FromColorRef(r.U32(d)));
                break;
            case EMR_CREATEPEN:
                if (int s = slot(r.U32(d)); s >= 0)
                    pens[s] = Pen{static_cast<int>(r.U32(d + 4)), r.I32(d + 8), FromColorRef(r.U32(d + 16))};
                break;
            case EMR_CREATEBRUSHINDIRECT:
                if (int s = slot(r.U32(d)); s >= 0)
                    brushes[s] = Brush{r.U32(d + 4) != 0, FromColorRef(r.U32(d + 8))};
                break;
            case EMR_EXTCREATEFONTINDIRECTW:
                if (int s = slot(r.U32(d)); s >= 0) {
                    Font f;
                    f.height = r.I32(d + 4);
                    f.charWidth = r.I32(d + 8);
                    f.escapement = r.I32(d + 12);
                    f.weight = r.I32(d + 20);
                    f.fixedPitch = (r.U8(d + 31) & 3) == 1;
                    std::u16string face;
                    for (int i = 0; i < 32; ++i) {
                        const char16_t c = r.U16(d + 32 + 2 * i);
                        if (c == 0) break;
                        face.push_back(c);
                    }
                    f.face = Utf16ToUtf8(face);
                    fonts[s] = f;
                }
                break;
            case EMR_SELECTOBJECT: {
                const uint32_t h = r.U32(d);
                if (h == kNullPen) {
                    nullPen = true;
                    selectPen();
                } else if (h == kNullBrush) {
                    brush.hollow = true;
                    device.SetBrush(brush);
                } else if (int s = slot(h); s >= 0) {
                    if (pens[s]) {
                        pen = *pens[s];
                        nullPen = false;
                        selectPen();
                    } else if (brushes[s]) {
                        brush = *brushes[s];
                        device.SetBrush(brush);
                        if (nullPen) selectPen();
                    } else if (fonts[s]) {
                        device.SetFont(*fonts[s]);
                    }
                }
                break;
            }
            case EMR_MOVETOEX:
                current = {r.I32(d), r.I32(d + 4)};
                break;
            case EMR_LINETO: {
                const DevicePoint to{r.I32(d), r.I32(d + 4)};
                device.Line(current, to);
                current = to;
                break;
            }
            case EMR_RECTANGLE: {
                const int left = r.I32(d), top = r.I32(d + 4), right = r.I32(d + 8), bottom = r.I32(d + 12);
                if (nullPen && !brush.hollow) {
                    // The EMF device writes a background one pixel larger than its fill.
                    device.FillRect(left, top, right - 1, bottom - 1, brush.colour);
                } else {
                    const DevicePoint corners[4] = {
                        {left, top}, {right, top}, {right, bottom}, {left, bottom}};
                    device.Polygon(corners);
                }
                break;
            }
            case EMR_ARC:
                device.Arc(r.I32(d), r.I32(d + 4), r.I32(d + 8), r.I32(d + 12),
                           {r.I32(d + 16), r.I32(d + 20)}, {r.I32(d + 24), r.I32(d + 28)});
                break;
            case EMR_ELLIPSE:
                device.Ellipse(r.I32(d), r.I32(d + 4), r.I32(d + 8), r.I32(d + 12));
                break;
            case EMR_POLYGON:
            case EMR_POLYLINE: {
                const uint32_t n = r.U32(d + 16);
                if (!r.Has(d + 20, static_cast<std::size_t>(n) * 8)) break;
                points.clear();
                for (uint32_t i = 0; i < n; ++i)
                    points.push_back({r.I32(d + 20 + 8 * i), r.I32(d + 24 + 8 * i)});
                if (type == EMR_POLYLINE)
                    device.Polyline(points);
                else if (rop == RasterOp::kInvert && nullPen)
                    device.InvertPolygon(points);
                else
                    device.Polygon(points);
                break;
            }
            case EMR_EXTTEXTOUTW: {
                // EMRTEXT after the bounds, graphics mode and scales: reference point, count,
                // string offset (from the record's start), options, clip, dx offset.
                const std::size_t t = d + 28;
                const DevicePoint ref{r.I32(t), r.I32(t + 4)};
                const uint32_t count = r.U32(t + 8), offString = r.U32(t + 12);
                if (count == 0 || count > 64 || !r.Has(at + offString, count * 2)) break;
                std::u16string text;
                for (uint32_t i = 0; i < count; ++i) text.push_back(r.U16(at + offString + 2 * i));
                // Any character beyond ASCII takes two bytes in the drawing file, as in GBK.
                device.Char(ref, Utf16ToUtf8(text), !(text.size() == 1 && text[0] < 0x80));
                break;
            }
            default:
                break;
        }
        at += size;
    }
    return true;
}

}  // namespace wall
