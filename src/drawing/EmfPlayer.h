// Reading back the enhanced metafiles the EMF device writes: the report's pictures, replayed on
// another device (the PDF's painter) as the drawing calls that made them.
#pragma once

#include <cstdint>
#include <span>

#include "drawing/DrawingDevice.h"

namespace wall {

// The picture's bounds in device pixels, inclusive, from the metafile's header.
struct EmfBounds {
    int left = 0, top = 0, right = -1, bottom = -1;
};

// The bounds, or nothing (right < left) when `bytes` is not a metafile.
EmfBounds ReadEmfBounds(std::span<const uint8_t> bytes);

// Replays the records of the kinds the EMF device writes; other records are skipped, and a record
// that runs past the end stops the replay. Returns false when `bytes` is not a metafile.
bool PlayEmf(std::span<const uint8_t> bytes, DrawingDevice& device);

}  // namespace wall
