// The loads an analysis hands to its loading sketch.
#pragma once

namespace wall {

// Whole-wall values at the moment the sketch is composed (before the section check overwrites
// them). The sketch rebuilds the outline from the case itself.
struct SketchLoads {
    float Ex = 0, Ey = 0, Zx = 0, Zy = 0;
    float W = 0, Zw = 0;
    // Shelf wall only: the lower-wall pressure.
    bool hasLower = false;
    float lowerEx = 0, lowerEy = 0, lowerZx = 0, lowerZy = 0;
};

}  // namespace wall
