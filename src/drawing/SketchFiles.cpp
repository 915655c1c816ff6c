// Sketch drawing names and the 1 % margin report picture.
#include "drawing/SketchFiles.h"

#include <cstring>

#include "drawing/EmfDevice.h"

namespace wall {

std::string SketchDrawingName(const std::string& dialogTitle) {
    return dialogTitle + "计算简图";
}

std::string LoadingSketchName(const WallCase& c) {
    if (c.soil.m_nTheory == kCoulomb || c.wallType == kShelf) return "1、按库伦土压力理论计算.kst";
    return "1、按朗肯土压力理论计算.kst";
}

CanvasPicture CanvasPictureEmf(DrawingCanvas& canvas, int left, int top, int right, int bottom) {
    canvas.SetDeviceRect(left, top, right, bottom);
    float minX = 1e20f, minY = 1e20f, maxX = -1e20f, maxY = -1e20f;
    if (canvas.GetExtents(minX, minY, maxX, maxY)) {
        const float dx = (maxX - minX) / 100, dy = (maxY - minY) / 100;
        const float xs[4] = {minX - dx, maxX + dx, minX - dx, maxX + dx};
        const float ys[4] = {minY - dy, minY - dy, maxY + dy, maxY + dy};
        // Each mark is drawn twice with the inverting operation, so it leaves nothing visible.
        for (int i = 0; i < 4; ++i)
            for (int twice = 0; twice < 2; ++twice) canvas.AddCircle(1, 1, 1, 1, 1, -1, xs[i], ys[i], 0, 0);
    }
    EmfDevice emf;
    emf.BeginPicture(right - left, bottom - top);
    canvas.Paint(emf, kRopCopy, kOneColour, 0);
    emf.EndPicture();
    CanvasPicture picture;
    picture.emf = emf.Bytes();
    int32_t bounds[4];
    std::memcpy(bounds, picture.emf.data() + 8, sizeof bounds);
    picture.widthPx = bounds[2] - bounds[0] + 1;
    picture.heightPx = bounds[3] - bounds[1] + 1;
    return picture;
}

}  // namespace wall
