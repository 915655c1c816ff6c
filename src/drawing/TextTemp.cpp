// The text entity: record, character-by-character drawing and bounding box.
#include <algorithm>
#include <cmath>

#include "drawing/ColorTable.h"
#include "drawing/Entities.h"
#include "text/Gbk.h"

namespace wall {
namespace {

constexpr double kRadPerDeg = 0.017453292222222222;

// Largest text a record may hold; any real label is a few dozen bytes.
constexpr int32_t kMaxTextBytes = 1 << 20;

}  // namespace

bool CTextTemp::ReadWrite(DrawingFileStream& file) {
    if (!ReadWriteCommon(file)) return false;
    if (!(file.Io(m_fX) && file.Io(m_fY) && file.Io(m_fDirection) && file.Io(m_fGlyphAngle) &&
          file.Io(m_fHeight) && file.Io(m_fCharWidth) && file.Io(m_fGap)))
        return false;
    uint8_t reserved = 0;  // written as 0, ignored when read
    if (!file.Io(reserved)) return false;
    int32_t n = GetLength();
    if (!file.Io(n)) return false;
    if (!file.writing() && (n < 0 || n > kMaxTextBytes)) return false;
    return file.IoBytes(m_strText, static_cast<std::size_t>(n));
}

void CTextTemp::Draw(DrawingDevice& dc, const ViewTransform& view, int ropMode, int colourMode,
                     int colourIndex) const {
    if (m_nErased) return;
    for (float v : {m_fX, m_fY, m_fDirection, m_fGlyphAngle, m_fHeight, m_fCharWidth, m_fGap})
        if (!std::isfinite(v)) return;
    int colour = m_nColour;
    if (colourMode == kOneColour || colourMode == kOneColourWide) colour = colourIndex;
    if (colourMode == kColourZero) colour = 0;
    ApplyRopMode(dc, ropMode);

    const float theta = static_cast<float>(m_fDirection * kRadPerDeg);
    const float c = std::cos(theta), s = std::sin(theta);
    // Characters are placed from the upper left corner of the first one.
    float x = m_fX - m_fHeight * s;
    float y = m_fY + m_fHeight * c;

    Font font;
    font.height = view.WorldLengthToDevice(m_fHeight);
    font.charWidth = view.WorldLengthToDevice(m_fCharWidth);
    float tenths = m_fGlyphAngle * 10;
    font.escapement = std::fabs(tenths) < 1e9f ? static_cast<int>(tenths) : 0;
    dc.SetFont(font);
    dc.SetTextColour(ropMode == kRopInvert ? TableColour(0) : TableColour(colour));

    const std::string& t = m_strText;
    for (std::size_t i = 0; i < t.size();) {
        DevicePoint at;
        view.WorldToDevice(x, y, at.x, at.y);
        bool wide =
            i + 1 < t.size() && static_cast<uint8_t>(t[i]) >= 0x80 && static_cast<uint8_t>(t[i + 1]) >= 0x80;
        std::size_t len = wide ? 2 : 1;
        dc.Char(at, GbkToUtf8(std::string_view(t).substr(i, len)), wide);
        // The spacing follows the stored widths, not the font's own metrics.
        float advance = wide ? 2 * m_fCharWidth + m_fGap : m_fCharWidth + 0.5f * m_fGap;
        x += advance * c;
        y += advance * s;
        i += len;
    }
}

void CTextTemp::GetExtents(float& minX, float& minY, float& maxX, float& maxY) const {
    const float n = static_cast<float>(GetLength());
    const float L = (n - 1) * m_fGap + n * m_fCharWidth;
    const float theta = static_cast<float>(m_fDirection * kRadPerDeg);
    const float dx = std::cos(theta), dy = std::sin(theta);
    const float ux = -m_fHeight * dy, uy = m_fHeight * dx;
    const float xs[4] = {m_fX, m_fX + L * dx, m_fX + L * dx + ux, m_fX + ux};
    const float ys[4] = {m_fY, m_fY + L * dy, m_fY + L * dy + uy, m_fY + uy};
    minX = *std::min_element(xs, xs + 4);
    maxX = *std::max_element(xs, xs + 4);
    minY = *std::min_element(ys, ys + 4);
    maxY = *std::max_element(ys, ys + 4);
}

}  // namespace wall
