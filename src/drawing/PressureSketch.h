// The earth-pressure diagram along a back, drawn beside the loading sketch.
#pragma once

#include "analysis/PressureDiagram.h"
#include "drawing/DrawingCanvas.h"

namespace wall {

// Recomposes `canvas` as the diagram: the back as a vertical line of its height, the soil's pressure
// hatched off it, the surcharge's band stacked on the soil and the water's on both, each boundary
// value written beside its ordinate and each depth where the diagram changes beside the back. World
// units are millimetres with the back's top at the origin; the widest ordinate takes half the
// height. An empty diagram draws the back alone.
void ComposePressureDiagram(DrawingCanvas& canvas, const PressureDiagram& diagram);

}  // namespace wall
