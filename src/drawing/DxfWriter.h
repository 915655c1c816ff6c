// A canvas as a DXF drawing (AutoCAD 2000, AC1015, ASCII) in millimetres, for CAD programs.
#pragma once

#include <filesystem>
#include <string>

#include "drawing/DrawingCanvas.h"

namespace wall {

// Layers of the DXF drawing. Texts always go on kDxfTexts; every other entity goes by its colour:
// the outline, ground, dimension and load colours of ColorTable.h name their layers, anything else
// (a foreign drawing file's colours) goes on layer "0".
constexpr const char* kDxfOutline = "OUTLINE";
constexpr const char* kDxfGround = "GROUND";
constexpr const char* kDxfDimensions = "DIMENSIONS";
constexpr const char* kDxfLoads = "LOADS";
constexpr const char* kDxfTexts = "TEXTS";

// The text style of every text: SimSun (simsun.ttc), which holds the Chinese characters.
constexpr const char* kDxfTextStyle = "WALL_CJK";

// The layer of an entity of canvas colour `colour`.
const char* DxfLayerOf(int colour, bool isText);

// The AutoCAD colour index (1 to 9) nearest to a canvas colour; black and white are 7, which CAD
// programs draw in the contrast colour of the background.
int DxfColourOf(int colour);

// The whole DXF file of the canvas. World units are millimetres. Texts are written in the GBK code
// page ($DWGCODEPAGE ANSI_936), centred on the box the canvas draws them in.
std::string CanvasToDxf(const DrawingCanvas& canvas);

// Writes the DXF file atomically. Returns the file error's cause number (0 on success) and fills
// `reason` with the system's text on failure.
int WriteDxfFile(const DrawingCanvas& canvas, const std::filesystem::path& path,
                 std::string* reason = nullptr);

}  // namespace wall
