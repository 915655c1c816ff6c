// The two sketches of a case: the dialog's preview and the report's loading sketch.
#pragma once

#include "analysis/KernelBlock.h"
#include "case/WallCase.h"
#include "drawing/DrawingCanvas.h"

namespace wall {

// Ground surface (one line per slope segment) and the strip surcharge as a row of load arrows of
// length `arrowLength`; with `dimensions` each segment's run and rise are dimensioned. World
// units are millimetres, the origin the top back corner of the wall.
void AddGroundAndSurcharge(DrawingCanvas& canvas, const CSoil& soil, float arrowLength, bool dimensions);

// Recomposes the preview from scratch: ground with slope dimensions, surcharge, and the outline
// (built into `kb` first) with its dimensions and batter labels.
void ComposePreview(DrawingCanvas& canvas, const WallCase& c, KernelBlock& kb);

// Fits the canvas to a width x height device and paints it on black, as the dialog shows it.
void PaintPreview(DrawingCanvas& canvas, DrawingDevice& dc, int width, int height);

// Recomposes the loading sketch: ground and surcharge without dimensions, the outline, arrows for
// the earth-pressure components at their point of application and the weight arrow. W is not
// drawn. A shelf wall adds the lower wall's pressures from `kb`. With no earth pressure at all the
// weight arrow takes a third of the wall height.
void ComposeReportSketch(DrawingCanvas& canvas, const WallCase& c, KernelBlock& kb, float Ex, float Ey,
                         float Zx, float Zy, float W, float Zw);

}  // namespace wall
