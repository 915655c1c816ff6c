// The two sketches of a case: the dialog's preview and the report's loading sketch.
#pragma once

#include <array>

#include "case/WallCase.h"
#include "drawing/DrawingCanvas.h"

namespace wall {

// The loads a loading sketch draws: whole-wall values, kN/m and m from the toe.
struct SketchLoads {
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
    float W = 0, Zw = 0;
    // Shelf wall only: the lower-wall pressure, drawn in place of the upper one's scale.
    bool hasLower = false;
    float lowerEx = 0, lowerEy = 0, lowerZx = 0, lowerZy = 0;
    // The seismic combination's inertia forces, horizontal towards the toe at their masses' centroids.
    struct Inertia {
        float F = 0, x = 0, y = 0;
        const char* label = "";
    };
    int inertiaCount = 0;
    std::array<Inertia, 3> inertia{};
};

// Ground surface (one line per slope segment) and the strip surcharge as a row of load arrows of
// length `arrowLength`; with `dimensions` each segment's run and rise are dimensioned. World
// units are millimetres, the origin the top back corner of the wall.
void AddGroundAndSurcharge(DrawingCanvas& canvas, const CSoil& soil, float arrowLength, bool dimensions);

// Recomposes the preview from scratch: ground with slope dimensions, surcharge, and the case's
// outline with its dimensions and batter labels.
void ComposePreview(DrawingCanvas& canvas, const WallCase& c);

// Fits the canvas to a width x height device and paints it on black, as the dialog shows it.
void PaintPreview(DrawingCanvas& canvas, DrawingDevice& dc, int width, int height);

// Recomposes the loading sketch: ground and surcharge without dimensions, the outline, arrows for
// the earth-pressure components at their point of application and the weight arrow. W is not
// drawn. A shelf wall adds the lower wall's pressures. With no earth pressure at all the weight
// arrow takes a third of the wall height. Each arrow's label stands beside its free end, clear of
// the outline and of the other texts (see TextBox.h for the boxes compared).
void ComposeReportSketch(DrawingCanvas& canvas, const WallCase& c, const SketchLoads& loads);

}  // namespace wall
