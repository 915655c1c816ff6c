// The 30 colours that drawing entities name by number.
#pragma once

#include <array>

#include "drawing/DrawingDevice.h"

namespace wall {

constexpr int kColorCount = 30;

// Fixed for the life of the program; every canvas draws through it.
constexpr std::array<Rgb, kColorCount> ColorTable = {{
    {0, 0, 0},       {0, 0, 168},     {0, 168, 0},   {0, 168, 168},   {168, 0, 0},     {168, 0, 168},
    {168, 168, 0},   {168, 168, 168}, {84, 84, 84},  {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
    {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255},
    {255, 255, 255}, {255, 255, 255}, {0, 0, 0},     {255, 0, 0},     {0, 255, 0},     {0, 0, 255},
    {200, 200, 200}, {255, 255, 0},   {122, 0, 255}, {255, 0, 255},   {0, 255, 255},   {255, 255, 0},
}};

// Colours the sketches use.
constexpr short kLabelColour = 2;       // surcharge label
constexpr short kLoadColour = 21;       // loads and pressure arrows
constexpr short kDimensionColour = 22;  // dimensions and batter labels
constexpr short kOutlineColour = 24;    // wall outline
constexpr short kGroundColour = 28;     // ground surface
constexpr short kWaterColour = 3;       // water pressure and water levels (teal: seen on black and white)

// The colour of a number; a number outside the table (from a foreign drawing file) draws as colour 0.
inline Rgb TableColour(int index) {
    return index >= 0 && index < kColorCount ? ColorTable[static_cast<std::size_t>(index)] : ColorTable[0];
}

}  // namespace wall
