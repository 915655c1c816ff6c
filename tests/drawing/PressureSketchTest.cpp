// The pressure diagram beside the loading sketch: the default cantilever's Rankine diagram (soil 0 to
// 45.43 kPa over 7.54 m, the strip's 3.54 kPa down to 1.99 m) drawn to scale with its boundary values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/PressureSketch.h"

namespace wall {
namespace {

TEST(PressureSketch, OrdinatesToScaleAndBoundaryValuesWritten) {
    PressureDiagram d;
    d.Add(0, 0, 3.54f);
    d.Add(1.99f, 11.99f, 3.54f);
    d.Add(1.99f, 11.99f, 0);
    d.Add(7.54f, 45.43f, 0);
    DrawingCanvas canvas;
    ComposePressureDiagram(canvas, d);

    // The widest ordinate, 45.43 kPa at the foot, takes half the height: 3770 mm.
    float right = 0, bottom = 0;
    for (const auto& l : canvas.Lines()) {
        right = std::max({right, l->m_fX1, l->m_fX2});
        bottom = std::min({bottom, l->m_fY1, l->m_fY2});
    }
    EXPECT_NEAR(right, 3770, 1);
    EXPECT_NEAR(bottom, -7540, 1);

    std::vector<std::string> texts;
    for (const auto& t : canvas.Texts()) texts.push_back(t->m_strText);
    for (const char* value : {"3.5", "15.5/12.0", "45.4", "z=0.00", "z=1.99", "z=7.54"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), value), texts.end()) << value;
}

TEST(PressureSketch, EmptyOrZeroDiagramDrawsTheBackAlone) {
    DrawingCanvas canvas;
    ComposePressureDiagram(canvas, PressureDiagram{});
    EXPECT_EQ(canvas.Lines().size(), 0u);
    PressureDiagram zero;
    zero.Add(0, 0, 0);
    zero.Add(3, 0, 0);
    ComposePressureDiagram(canvas, zero);
    EXPECT_EQ(canvas.Lines().size(), 1u);
}

}  // namespace
}  // namespace wall
