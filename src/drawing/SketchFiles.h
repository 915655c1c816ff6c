// Names of the sketch drawings, and the report picture of a canvas.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "case/WallCase.h"
#include "drawing/DrawingCanvas.h"

namespace wall {

// The sketch drawing's name: the dialog title followed by "计算简图", without an extension.
std::string SketchDrawingName(const std::string& dialogTitle);

// The loading sketch's name: Coulomb (and always a shelf wall) or Rankine.
std::string LoadingSketchName(const WallCase& c);

// The picture of a canvas for the report: an enhanced metafile.
struct CanvasPicture {
    std::vector<uint8_t> emf;
    int widthPx = 0;  // size of the picture's bounds, pixels of a 96 dpi reference device
    int heightPx = 0;
};

// Fits the canvas to the sketch rectangle, adds the eight invisible corner marks that put the
// picture's bounds 1 % beyond the drawing on every side (they stay on the canvas until it is
// recomposed), and paints it in colour 0 on a transparent (white) page.
CanvasPicture CanvasPictureEmf(DrawingCanvas& canvas, int left, int top, int right, int bottom);

}  // namespace wall
