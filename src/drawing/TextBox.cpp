// Text boxes: the estimated extent of a text in world units.
#include "drawing/TextBox.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "text/Gbk.h"

namespace wall {
namespace {

constexpr double kRadPerDeg = 0.017453292222222222;

}  // namespace

float TextBox::MinX() const {
    return std::min({corner[0].x, corner[1].x, corner[2].x, corner[3].x});
}
float TextBox::MinY() const {
    return std::min({corner[0].y, corner[1].y, corner[2].y, corner[3].y});
}
float TextBox::MaxX() const {
    return std::max({corner[0].x, corner[1].x, corner[2].x, corner[3].x});
}
float TextBox::MaxY() const {
    return std::max({corner[0].y, corner[1].y, corner[2].y, corner[3].y});
}

float EstimatedTextWidth(std::string_view gbk, float height, float charWidth, float gap) {
    float glyphs = 0, spacing = 0;
    for (std::size_t i = 0; i < gbk.size();) {
        // A lead byte followed by a second high byte is one double-byte character, as drawn.
        const bool wide = i + 1 < gbk.size() && static_cast<uint8_t>(gbk[i]) >= 0x80 &&
                          static_cast<uint8_t>(gbk[i + 1]) >= 0x80;
        glyphs += wide ? height : kLatinWidthRatio * height;
        spacing += wide ? 2 * charWidth : charWidth;
        i += wide ? 2 : 1;
        if (i < gbk.size()) spacing += wide ? gap : 0.5f * gap;
    }
    return std::max(glyphs, spacing);
}

WorldPoint AlignedTextCorner(float x, float y, float angle, float height, std::size_t bytes, float charWidth,
                             int hAlign, int vAlign) {
    const double theta = angle * kRadPerDeg;
    const double n = static_cast<double>(bytes);
    double fh = 0, fv = 0;
    if (hAlign >= 1 && hAlign <= 3 && vAlign >= 1 && vAlign <= 3) {
        fh = hAlign == 1 ? 1.0 : hAlign == 2 ? 0.5 : 0.0;
        fv = vAlign == 1 ? 0.0 : vAlign == 2 ? 0.5 : 1.0;
    }
    return {static_cast<float>(x - fh * n * charWidth * std::cos(theta) + fv * height * std::sin(theta)),
            static_cast<float>(y - fh * n * charWidth * std::sin(theta) - fv * height * std::cos(theta))};
}

TextBox TextBoxOf(const CTextTemp& text) {
    const float w = EstimatedTextWidth(text.m_strText, text.m_fHeight, text.m_fCharWidth, text.m_fGap);
    const double theta = text.m_fDirection * kRadPerDeg;
    const float c = static_cast<float>(std::cos(theta)), s = static_cast<float>(std::sin(theta));
    const float h = text.m_fHeight;
    const float x = text.m_fX, y = text.m_fY;
    return {
        {{{x, y}, {x + w * c, y + w * s}, {x + w * c - h * s, y + w * s + h * c}, {x - h * s, y + h * c}}}};
}

TextBox TextBoxAt(float x, float y, float angle, float height, float charWidth, float gap,
                  std::string_view text, int hAlign, int vAlign) {
    CTextTemp t;
    t.m_strText = Utf8ToGbk(text);
    const WorldPoint at =
        AlignedTextCorner(x, y, angle, height, t.m_strText.size(), charWidth, hAlign, vAlign);
    t.m_fX = at.x;
    t.m_fY = at.y;
    t.m_fDirection = angle;
    t.m_fHeight = height;
    t.m_fCharWidth = charWidth;
    t.m_fGap = gap;
    return TextBoxOf(t);
}

}  // namespace wall
