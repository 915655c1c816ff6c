// The report's sketch of the overall slip: the wall, the ground and the critical circle.
#pragma once

#include "analysis/OverallStability.h"
#include "case/WallCase.h"
#include "drawing/DrawingCanvas.h"

namespace wall {

// Recomposes the canvas: the ground behind with its surcharge, the wall's outline, the ground in front at
// the embedment, the base level, the critical circle's arc within the ground with its centre and a radius,
// and the factor beside the centre. World units are millimetres in the outline's frame.
void ComposeSlipSketch(DrawingCanvas& canvas, const WallCase& c, const OverallResult& r);

}  // namespace wall
