// EMF records as published for the Enhanced Metafile format: header, objects, shapes, text, EOF.
#include "drawing/EmfDevice.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "case/CaseFile.h"

namespace wall {
namespace {

// Record types.
constexpr uint32_t EMR_HEADER = 1, EMR_POLYGON = 3, EMR_POLYLINE = 4, EMR_EOF = 14, EMR_SETMAPMODE = 17,
                   EMR_SETBKMODE = 18, EMR_SETPOLYFILLMODE = 19, EMR_SETROP2 = 20, EMR_SETTEXTALIGN = 22,
                   EMR_SETTEXTCOLOR = 24, EMR_MOVETOEX = 27, EMR_SELECTOBJECT = 37, EMR_CREATEPEN = 38,
                   EMR_CREATEBRUSHINDIRECT = 39, EMR_DELETEOBJECT = 40, EMR_ELLIPSE = 42, EMR_RECTANGLE = 43,
                   EMR_ARC = 45, EMR_LINETO = 54, EMR_EXTCREATEFONTINDIRECTW = 82, EMR_EXTTEXTOUTW = 84;
constexpr uint32_t kNullBrush = 0x80000005, kNullPen = 0x80000008;  // stock objects
constexpr uint32_t R2_NOT = 6, R2_COPYPEN = 13;
constexpr uint32_t kHeaderSize = 108;
constexpr uint32_t kHandles = 7;  // index 0 is reserved; pens 1-2, brushes 3-4, fonts 5-6

// Reference device: a 1920 x 1080 screen at 96 dpi.
constexpr int kRefWidthPx = 1920, kRefHeightPx = 1080, kRefWidthMm = 508, kRefHeightMm = 286;
constexpr double kHundredthsMmPerPixel = 2540.0 / 96.0;

uint32_t ColorRef(Rgb c) {
    return c.r | (c.g << 8) | (static_cast<uint32_t>(c.b) << 16);
}

void Put32(std::vector<uint8_t>& v, std::size_t at, uint32_t x) {
    std::memcpy(v.data() + at, &x, 4);
}

// UTF-8 (as GbkToUtf8 produces it) to UTF-16 code units.
std::u16string Utf16(std::string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        uint32_t cp = 0xFFFD;
        std::size_t n = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 6 && i + 1 < s.size()) {
            cp = ((c & 0x1Fu) << 6) | (s[i + 1] & 0x3F);
            n = 2;
        } else if ((c >> 4) == 14 && i + 2 < s.size()) {
            cp = ((c & 0x0Fu) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            n = 3;
        } else if ((c >> 3) == 30 && i + 3 < s.size()) {
            cp = ((c & 0x07u) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) |
                 (s[i + 3] & 0x3F);
            n = 4;
        }
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

bool SamePen(const Pen& a, const Pen& b) {
    return a.style == b.style && a.width == b.width && a.colour == b.colour;
}

bool SameFont(const Font& a, const Font& b) {
    return a.height == b.height && a.charWidth == b.charWidth && a.escapement == b.escapement &&
           a.weight == b.weight && a.fixedPitch == b.fixedPitch && a.face == b.face;
}

}  // namespace

void EmfDevice::Bounds::Add(int x0, int y0, int x1, int y1) {
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    if (empty()) {
        left = x0, top = y0, right = x1, bottom = y1;
        return;
    }
    left = std::min(left, x0);
    top = std::min(top, y0);
    right = std::max(right, x1);
    bottom = std::max(bottom, y1);
}

void EmfDevice::Begin(uint32_t type) {
    m_lastInvertEllipse = false;
    m_recordStart = m_records.size();
    U32(type);
    U32(0);  // size, set by End
}

void EmfDevice::U32(uint32_t v) {
    const auto* p = reinterpret_cast<const uint8_t*>(&v);
    m_records.insert(m_records.end(), p, p + 4);
}

void EmfDevice::End() {
    while (m_records.size() % 4) m_records.push_back(0);
    Put32(m_records, m_recordStart + 4, static_cast<uint32_t>(m_records.size() - m_recordStart));
    ++m_recordCount;
}

void EmfDevice::BeginPicture(int width, int height) {
    m_records.clear();
    m_file.clear();
    m_recordCount = 0;
    m_bounds = {};
    m_width = width;
    m_height = height;
    m_selPen.reset();
    m_selBrush.reset();
    m_selRop.reset();
    m_selFont.reset();
    m_selTextColour.reset();
    m_selNullPen = false;
    m_penSlot = m_brushSlot = m_fontSlot = 0;
    Begin(EMR_SETMAPMODE);
    U32(1);  // MM_TEXT: one logical unit is one pixel, y down
    End();
    Begin(EMR_SETBKMODE);
    U32(1);  // TRANSPARENT
    End();
    Begin(EMR_SETTEXTALIGN);
    U32(0);  // TA_LEFT | TA_TOP: text is placed by the upper left corner of its cell
    End();
    Begin(EMR_SETPOLYFILLMODE);
    U32(1);  // ALTERNATE
    End();
}

int EmfDevice::EndPicture(std::string* reason) {
    if (m_width == 0 && m_height == 0 && m_recordCount == 0) BeginPicture(0, 0);
    Bounds b = m_bounds;
    if (b.empty()) b = {0, 0, std::max(m_width - 1, 0), std::max(m_height - 1, 0)};
    const uint32_t total = kHeaderSize + static_cast<uint32_t>(m_records.size()) + 20;
    m_file.assign(kHeaderSize, 0);
    auto put = [&](std::size_t at, int32_t v) { Put32(m_file, at, static_cast<uint32_t>(v)); };
    put(0, EMR_HEADER);
    put(4, kHeaderSize);
    put(8, b.left);
    put(12, b.top);
    put(16, b.right);
    put(20, b.bottom);
    put(24, static_cast<int32_t>(std::lround(b.left * kHundredthsMmPerPixel)));
    put(28, static_cast<int32_t>(std::lround(b.top * kHundredthsMmPerPixel)));
    put(32, static_cast<int32_t>(std::lround((b.right + 1) * kHundredthsMmPerPixel)));
    put(36, static_cast<int32_t>(std::lround((b.bottom + 1) * kHundredthsMmPerPixel)));
    Put32(m_file, 40, 0x464D4520);  // " EMF"
    Put32(m_file, 44, 0x00010000);
    Put32(m_file, 48, total);
    Put32(m_file, 52, m_recordCount + 2);
    Put32(m_file, 56, kHandles);  // 16-bit handle count, then 16 reserved bits of 0
    put(72, kRefWidthPx);
    put(76, kRefHeightPx);
    put(80, kRefWidthMm);
    put(84, kRefHeightMm);
    put(100, kRefWidthMm * 1000);
    put(104, kRefHeightMm * 1000);
    m_file.insert(m_file.end(), m_records.begin(), m_records.end());
    const uint32_t eof[5] = {EMR_EOF, 20, 0, 16, 20};
    const auto* p = reinterpret_cast<const uint8_t*>(eof);
    m_file.insert(m_file.end(), p, p + sizeof eof);
    if (m_path.empty()) return 0;
    return WriteFileAtomically(m_path, m_file, reason);
}

void EmfDevice::SyncPen(bool nullPen) {
    if (nullPen) {
        if (!m_selNullPen) {
            Begin(EMR_SELECTOBJECT);
            U32(kNullPen);
            End();
            m_selNullPen = true;
        }
        return;
    }
    if (m_selPen && SamePen(*m_selPen, m_pen)) {
        if (m_selNullPen) {
            Begin(EMR_SELECTOBJECT);
            U32(m_penSlot);
            End();
            m_selNullPen = false;
        }
        return;
    }
    const uint32_t slot = m_penSlot == 1 ? 2 : 1;
    Begin(EMR_CREATEPEN);
    U32(slot);
    U32(static_cast<uint32_t>(m_pen.style >= kPenSolid && m_pen.style <= kPenDashDot ? m_pen.style
                                                                                     : kPenSolid));
    I32(m_pen.width);
    I32(0);
    U32(ColorRef(m_pen.colour));
    End();
    Begin(EMR_SELECTOBJECT);
    U32(slot);
    End();
    if (m_penSlot) {
        Begin(EMR_DELETEOBJECT);
        U32(m_penSlot);
        End();
    }
    m_penSlot = slot;
    m_selPen = m_pen;
    m_selNullPen = false;
}

void EmfDevice::SyncBrush(bool hollow) {
    Brush want = m_brush;
    want.hollow = hollow;
    if (m_selBrush && m_selBrush->hollow == want.hollow && (want.hollow || m_selBrush->colour == want.colour))
        return;
    if (want.hollow) {
        Begin(EMR_SELECTOBJECT);
        U32(kNullBrush);
        End();
        m_selBrush = want;
        return;
    }
    const uint32_t slot = m_brushSlot == 3 ? 4 : 3;
    Begin(EMR_CREATEBRUSHINDIRECT);
    U32(slot);
    U32(0);  // BS_SOLID
    U32(ColorRef(want.colour));
    U32(0);
    End();
    Begin(EMR_SELECTOBJECT);
    U32(slot);
    End();
    if (m_brushSlot) {
        Begin(EMR_DELETEOBJECT);
        U32(m_brushSlot);
        End();
    }
    m_brushSlot = slot;
    m_selBrush = want;
}

void EmfDevice::SyncRop(RasterOp op) {
    if (m_selRop == op) return;
    Begin(EMR_SETROP2);
    U32(op == RasterOp::kInvert ? R2_NOT : R2_COPYPEN);
    End();
    m_selRop = op;
}

void EmfDevice::SyncFont() {
    if (m_selFont && SameFont(*m_selFont, m_font)) return;
    const uint32_t slot = m_fontSlot == 5 ? 6 : 5;
    Begin(EMR_EXTCREATEFONTINDIRECTW);
    U32(slot);
    I32(m_font.height);
    I32(m_font.charWidth);
    I32(m_font.escapement);
    I32(0);  // orientation
    I32(m_font.weight);
    // italic, underline, strike-out, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_CHARACTER_PRECIS,
    // DEFAULT_QUALITY, FIXED_PITCH (or DEFAULT_PITCH)
    const uint8_t flags[8] = {0, 0, 0, 1, 4, 1, 0, static_cast<uint8_t>(m_font.fixedPitch ? 1 : 0)};
    m_records.insert(m_records.end(), flags, flags + 8);
    std::u16string face = Utf16(m_font.face);
    face.resize(32, u'\0');
    face[31] = u'\0';
    for (char16_t ch : face) {
        m_records.push_back(static_cast<uint8_t>(ch & 0xFF));
        m_records.push_back(static_cast<uint8_t>(ch >> 8));
    }
    End();
    Begin(EMR_SELECTOBJECT);
    U32(slot);
    End();
    if (m_fontSlot) {
        Begin(EMR_DELETEOBJECT);
        U32(m_fontSlot);
        End();
    }
    m_fontSlot = slot;
    m_selFont = m_font;
}

void EmfDevice::SyncTextColour() {
    if (m_selTextColour == m_textColour) return;
    Begin(EMR_SETTEXTCOLOR);
    U32(ColorRef(m_textColour));
    End();
    m_selTextColour = m_textColour;
}

void EmfDevice::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    // A rectangle without a pen covers [left, right) x [top, bottom) less one pixel, so it is
    // drawn one pixel larger.
    SyncPen(true);
    Brush saved = m_brush;
    m_brush = {false, colour};
    SyncBrush(false);
    m_brush = saved;
    SyncRop(RasterOp::kCopy);
    Begin(EMR_RECTANGLE);
    I32(left);
    I32(top);
    I32(right + 1);
    I32(bottom + 1);
    End();
    m_bounds.Add(left, top, right - 1, bottom - 1);
}

void EmfDevice::Line(DevicePoint a, DevicePoint b) {
    SyncPen();
    SyncRop(m_rop);
    Begin(EMR_MOVETOEX);
    I32(a.x);
    I32(a.y);
    End();
    Begin(EMR_LINETO);
    I32(b.x);
    I32(b.y);
    End();
    const int half = std::max(m_pen.width, 1) / 2;
    m_bounds.Add(std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
                 std::max(a.y, b.y) + half);
}

void EmfDevice::Arc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) {
    SyncPen();
    SyncRop(m_rop);
    Begin(EMR_ARC);
    for (int v : {left, top, right, bottom, start.x, start.y, end.x, end.y}) I32(v);
    End();
    m_bounds.Add(left, top, right, bottom);
}

void EmfDevice::Ellipse(int left, int top, int right, int bottom) {
    SyncPen();
    SyncBrush(m_brush.hollow);
    SyncRop(m_rop);
    m_bounds.Add(left, top, right, bottom);
    const int32_t box[4] = {left, top, right, bottom};
    if (m_rop == RasterOp::kInvert && m_lastInvertEllipse &&
        std::memcmp(m_records.data() + m_lastStart + 8, box, sizeof box) == 0) {
        m_records.resize(m_lastStart);
        --m_recordCount;
        m_lastInvertEllipse = false;
        return;
    }
    Begin(EMR_ELLIPSE);
    for (int v : box) I32(v);
    End();
    if (m_rop == RasterOp::kInvert) {
        m_lastInvertEllipse = true;
        m_lastStart = m_recordStart;
    }
}

void EmfDevice::PointsRecord(uint32_t type, std::span<const DevicePoint> points) {
    Bounds box;
    for (const DevicePoint& p : points) box.Add(p.x, p.y, p.x, p.y);
    Begin(type);
    for (int v : {box.left, box.top, box.right, box.bottom}) I32(v);
    U32(static_cast<uint32_t>(points.size()));
    for (const DevicePoint& p : points) {
        I32(p.x);
        I32(p.y);
    }
    End();
    if (!box.empty()) m_bounds.Add(box.left, box.top, box.right, box.bottom);
}

void EmfDevice::Polygon(std::span<const DevicePoint> points) {
    SyncPen();
    SyncBrush(m_brush.hollow);
    SyncRop(m_rop);
    PointsRecord(EMR_POLYGON, points);
}

void EmfDevice::InvertPolygon(std::span<const DevicePoint> points) {
    // The inverting operation applies to the brush as well: an unoutlined polygon filled under it
    // inverts exactly its region.
    SyncPen(true);
    Brush saved = m_brush;
    m_brush = {false, Rgb{0, 0, 0}};
    SyncBrush(false);
    m_brush = saved;
    SyncRop(RasterOp::kInvert);
    PointsRecord(EMR_POLYGON, points);
}

void EmfDevice::Polyline(std::span<const DevicePoint> points) {
    SyncPen();
    SyncRop(m_rop);
    PointsRecord(EMR_POLYLINE, points);
}

void EmfDevice::Char(DevicePoint at, std::string_view utf8, bool doubleByte) {
    std::u16string text = Utf16(utf8);
    if (text.empty()) return;
    SyncFont();
    SyncTextColour();
    const int advance = (doubleByte ? 2 : 1) * m_font.charWidth;
    // Bounds of the rotated character cell.
    const double a = m_font.escapement * 3.14159265358979323846 / 1800.0;
    const double c = std::cos(a), s = std::sin(a);
    const double xs[4] = {0, advance * c, advance * c + m_font.height * s, m_font.height * s};
    const double ys[4] = {0, -advance * s, -advance * s + m_font.height * c, m_font.height * c};
    Bounds box;
    for (int i = 0; i < 4; ++i) {
        int x = at.x + static_cast<int>(std::floor(xs[i])), y = at.y + static_cast<int>(std::floor(ys[i]));
        box.Add(x, y, x, y);
    }
    Begin(EMR_EXTTEXTOUTW);
    for (int v : {box.left, box.top, box.right, box.bottom}) I32(v);
    U32(1);  // GM_COMPATIBLE
    const float scale = static_cast<float>(kHundredthsMmPerPixel);
    uint32_t bits;
    std::memcpy(&bits, &scale, 4);
    U32(bits);
    U32(bits);
    I32(at.x);
    I32(at.y);
    U32(static_cast<uint32_t>(text.size()));
    const uint32_t offString = 76;
    const uint32_t stringBytes = static_cast<uint32_t>((text.size() * 2 + 3) / 4 * 4);
    U32(offString);
    U32(0);                              // options
    for (int i = 0; i < 4; ++i) I32(0);  // clipping rectangle, unused
    U32(offString + stringBytes);        // offDx
    for (char16_t ch : text) {
        m_records.push_back(static_cast<uint8_t>(ch & 0xFF));
        m_records.push_back(static_cast<uint8_t>(ch >> 8));
    }
    while ((m_records.size() - m_recordStart) % 4) m_records.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) I32(i + 1 == text.size() ? advance : 0);
    End();
    m_bounds.Add(box.left, box.top, box.right, box.bottom);
}

}  // namespace wall
