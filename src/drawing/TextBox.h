// The box a text covers in world units, as the sketches lay their labels out with it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "drawing/Entities.h"

namespace wall {

struct WorldPoint {
    float x = 0, y = 0;
};

// The rectangle a text covers: corners counter-clockwise from the lower left corner of the first
// character, along the baseline and up the height.
struct TextBox {
    std::array<WorldPoint, 4> corner;
    // The axis-parallel bounds of the four corners.
    float MinX() const;
    float MinY() const;
    float MaxX() const;
    float MaxY() const;
};

// Share of the height a single-byte (Latin) character is taken to be wide; a double-byte (CJK)
// character is as wide as the text is high.
constexpr float kLatinWidthRatio = 0.65f;

// Estimated width of the GBK bytes `gbk` in a text of `height`: the glyphs as the ratios above
// say, or the stored spacing when that is wider.
float EstimatedTextWidth(std::string_view gbk, float height, float charWidth = 0, float gap = 0);

// The lower left corner of a text aligned on (x, y) as DrawingCanvas::AddText stores it: hAlign 1
// right end, 2 centre, 3 left end; vAlign 1 baseline, 2 middle, 3 top; the alignment measures the
// length as `bytes` times `charWidth`. Other alignments give (x, y).
WorldPoint AlignedTextCorner(float x, float y, float angle, float height, std::size_t bytes, float charWidth,
                             int hAlign, int vAlign);

// The box of a text entity: from its stored corner, direction and height, with the estimated width.
TextBox TextBoxOf(const CTextTemp& text);

// The box of the UTF-8 `text` as AddText would place it with these arguments.
TextBox TextBoxAt(float x, float y, float angle, float height, float charWidth, float gap,
                  std::string_view text, int hAlign, int vAlign);

}  // namespace wall
