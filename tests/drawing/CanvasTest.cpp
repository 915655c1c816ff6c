// Canvas transform, fit, paint order and constructions against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RecordingDevice.h"
#include "drawing/DrawingCanvas.h"

namespace wall {
namespace {

TEST(Canvas, FitToDevice) {
    struct Row {
        const char* name;
        float x1, y1, x2, y2;
        // Expected device points of the two ends on a 220 x 220 device (drawing area 200 x 200).
        DevicePoint a, b;
        float scale;
    };
    const Row rows[] = {
        // 1000 x 500: sx = 5 > sy = 2.5, scale 5; origin (0 - 50, 0 - ((200 - 100)·0.5 + 10)·5) =
        // (-50, -300). (0, 0) -> (10, 220 - 60); (1000, 500) -> (210, 220 - 160).
        {"width governs", 0, 0, 1000, 500, {10, 160}, {210, 60}, 5},
        // 200 x 200: sx = sy = 1 takes the height branch: origin (-10, -10).
        {"equal scales", 0, 0, 200, 200, {10, 210}, {210, 10}, 1},
        // 500 x 1000: scale 5, origin (0 - ((200 - 100)·0.5 + 10)·5, -50) = (-300, -50).
        {"height governs", 0, 0, 500, 1000, {60, 210}, {160, 10}, 5},
        // Zero width: sx = 0, sy = 0.5, aspect 0; origin x = 5 - (100 + 10)·0.5 = -50.
        {"zero width", 5, 0, 5, 100, {110, 210}, {110, 10}, 0.5f},
        // Zero height: the width governs and the line sits on the middle row.
        {"zero height", 0, 7, 100, 7, {10, 110}, {210, 110}, 0.5f},
        // A single point: one unit a pixel, in the middle.
        {"single point", 3, 3, 3, 3, {110, 110}, {110, 110}, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        DrawingCanvas canvas;
        canvas.AddLine(1, 1, r.x1, r.y1, r.x2, r.y2);
        canvas.SetDeviceRect(0, 0, 220, 220);
        EXPECT_FLOAT_EQ(canvas.View().scale, r.scale);
        DevicePoint a, b;
        canvas.WorldToDevice(r.x1, r.y1, a.x, a.y);
        canvas.WorldToDevice(r.x2, r.y2, b.x, b.y);
        EXPECT_EQ(a, r.a);
        EXPECT_EQ(b, r.b);
        EXPECT_TRUE(std::isfinite(canvas.View().originX) && std::isfinite(canvas.View().originY));
    }
}

TEST(Canvas, EmptyOrPolylineOnlyCanvasKeepsTheTransform) {
    DrawingCanvas canvas;
    canvas.AddLine(1, 1, 0, 0, 1000, 500);
    canvas.SetDeviceRect(0, 0, 220, 220);
    const ViewTransform before = canvas.View();
    canvas.RemoveAll();
    float x0 = 1e20f, y0 = 1e20f, x1 = -1e20f, y1 = -1e20f;
    EXPECT_FALSE(canvas.GetExtents(x0, y0, x1, y1));
    auto pl = std::make_unique<CPlineTemp>();
    pl->m_vertices = {{0, 0, 0}, {5, 5, 0}};
    canvas.Polylines().push_back(std::move(pl));
    canvas.SetDeviceRect(0, 0, 500, 300);
    EXPECT_EQ(canvas.View().scale, before.scale);
    EXPECT_EQ(canvas.View().originX, before.originX);
    EXPECT_EQ(canvas.View().deviceWidth, 500);
}

TEST(Canvas, NonFiniteEntitiesAreLeftOutOfTheFit) {
    DrawingCanvas canvas;
    canvas.AddLine(1, 1, 0, 0, 200, 200);
    canvas.AddLine(1, 1, 0, 0, std::numeric_limits<float>::infinity(), 1);
    canvas.AddLine(1, 1, std::numeric_limits<float>::quiet_NaN(), 0, 1, 1);
    canvas.SetDeviceRect(0, 0, 220, 220);
    EXPECT_FLOAT_EQ(canvas.View().scale, 1);
    RecordingDevice dc;
    canvas.Paint(dc, 0, 0, 0);
    EXPECT_EQ(dc.calls.size(), 1u);
}

TEST(Canvas, WorldLengthToDeviceIsNeverZero) {
    DrawingCanvas canvas;
    canvas.AddLine(1, 1, 0, 0, 1000, 500);
    canvas.SetDeviceRect(0, 0, 220, 220);  // 5 units a pixel
    EXPECT_EQ(canvas.WorldLengthToDevice(1), 1);
    EXPECT_EQ(canvas.WorldLengthToDevice(0), 1);
    EXPECT_EQ(canvas.WorldLengthToDevice(24.9f), 4);
    EXPECT_EQ(canvas.WorldLengthToDevice(-12), -2);
}

TEST(Canvas, PaintOrder) {
    DrawingCanvas canvas;
    canvas.AddText(1, 0, 0, 0, 0, 10, 5, 0, "a", 3, 1);
    canvas.AddLine(1, 1, 0, 0, 1, 1);
    canvas.AddLine(1, 1, 0, 0, 2, 2);
    canvas.AddCircle(1, 1, 1, 0, 1, 0, 0, 0, 5, 0);
    canvas.SetDeviceRect(0, 0, 220, 220);
    RecordingDevice dc;
    canvas.Paint(dc, 0, 0, 0);
    // Lines (last first), then circles, then texts.
    ASSERT_EQ(dc.calls.size(), 4u);
    EXPECT_EQ(dc.calls[0].what, "line");
    EXPECT_GT(dc.calls[0].points[1].x, dc.calls[1].points[1].x);
    EXPECT_EQ(dc.calls[2].what, "ellipse");
    EXPECT_EQ(dc.calls[3].what, "char");
}

TEST(Canvas, AddTextAlignment) {
    struct Row {
        const char* text;
        float angle;
        int h, v;
        float dx, dy;  // shift of the stored point from (1000, 1000); width 100, height 400
    };
    const Row rows[] = {
        {"计算", 0, 2, 1, -200, 0},  // 4 bytes, centred: back by 2·width
        {"计算", 0, 1, 1, -400, 0},  // right end
        {"计算", 0, 3, 1, 0, 0},     // left end on the baseline: no shift
        {"ab", 0, 3, 3, 0, -400},    // left end, top: down by the height
        {"ab", 0, 2, 2, -100, -200},
        {"ab", 90, 1, 3, 400, -200},  // along +y: back by n·width in y, height towards +x
        {"ab", 0, 0, 3, 0, 0},        // hAlign outside 1..3: unshifted
        {"ab", 0, 2, 4, 0, 0},        // vAlign outside 1..3: unshifted
    };
    for (const Row& r : rows) {
        DrawingCanvas canvas;
        CTextTemp* t = canvas.AddText(5, 1000, 1000, r.angle, 77, 400, 100, 30, r.text, r.h, r.v);
        EXPECT_NEAR(t->m_fX, 1000 + r.dx, 1e-3) << r.text << " " << r.h << r.v;
        EXPECT_NEAR(t->m_fY, 1000 + r.dy, 1e-3) << r.text << " " << r.h << r.v;
        EXPECT_EQ(t->m_fDirection, r.angle);
        EXPECT_EQ(t->m_fGlyphAngle, r.angle);
        EXPECT_EQ(t->m_nPenStyle, 1);
        EXPECT_EQ(t->m_nDrawFlag, 1);
        EXPECT_EQ(t->m_fGap, 30);
    }
}

TEST(Canvas, ArrowAndLoadArrows) {
    DrawingCanvas canvas;
    canvas.AddArrow(100, 200, 1000, 300, 90, 21, 1, "W");
    ASSERT_EQ(canvas.Lines().size(), 22u);
    // Shaft up to (100, 1200); label centred 180 above it.
    EXPECT_NEAR(canvas.Lines()[0]->m_fY2, 1200, 1e-3);
    EXPECT_NEAR(canvas.Lines()[1]->m_fX2, 100 + 300 * std::cos(80 * 3.14159265 / 180), 1e-2);
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_NEAR(canvas.Texts()[0]->m_fX, 100 - 125, 1e-3);   // 1 byte · 250 / 2
    EXPECT_NEAR(canvas.Texts()[0]->m_fY, 1380 - 200, 1e-3);  // middle: half of 400 down

    DrawingCanvas load;
    load.AddLoadArrows(21, 0, 0, 5000, 0, 600, 400, 90, 5, "BP=10.0", 600);
    // 6 arrows of 22 lines and one empty text, the tail line and the label: 133 lines, 7 texts.
    EXPECT_EQ(load.Lines().size(), 133u);
    EXPECT_EQ(load.Texts().size(), 7u);
    const CLineTemp& tail = *load.Lines()[132];
    EXPECT_NEAR(tail.m_fY1, 600, 1e-3);
    EXPECT_NEAR(tail.m_fX2, 5000, 1e-3);
    const CTextTemp& label = *load.Texts()[6];
    EXPECT_EQ(label.m_nColour, 2);
    EXPECT_EQ(label.m_fCharWidth, 300);  // 600/2
    EXPECT_EQ(label.m_fDirection, 0);    // 90 - 90
    EXPECT_NEAR(label.m_fX, 2500 - 3.5f * 300, 1e-2);
    EXPECT_NEAR(label.m_fY, 600, 1e-3);

    for (int count : {0, -3}) {
        DrawingCanvas none;
        none.AddLoadArrows(21, 0, 0, 5000, 0, 600, 400, 90, count, "BP=10.0", 600);
        EXPECT_TRUE(none.Lines().empty() && none.Texts().empty());
    }
}

TEST(Canvas, Dimensions) {
    struct Row {
        int overshoot;
        float halfTick;
    };
    // Tick half-length |overshoot|, at most 50.
    for (Row r : {Row{-200, 50}, Row{-30, 30}, Row{200, 50}, Row{0, 0}}) {
        DrawingCanvas canvas;
        canvas.AddDimension(22, -100, -500, r.overshoot, 0, 0, 999.9f, 0, 600, "");
        ASSERT_EQ(canvas.Lines().size(), 5u);
        for (int i = 3; i < 5; ++i) {
            const CLineTemp& tick = *canvas.Lines()[i];
            EXPECT_NEAR(std::hypot(tick.m_fX2 - tick.m_fX1, tick.m_fY2 - tick.m_fY1), 2 * r.halfTick, 1e-2);
            EXPECT_EQ(tick.m_nPenWidth, 2);
        }
        // The measured length truncated: 999.9 -> "999".
        ASSERT_EQ(canvas.Texts().size(), 1u);
        EXPECT_EQ(canvas.Texts()[0]->m_strText, "999");
    }
    // P1 (0, 0) to P2 (1000, 0): normal (0, 1); offset -100 and distance -500 put the dimension line
    // at y = -600, extension lines from -100 to -800; the text reads from P2 to P1 (180°).
    DrawingCanvas canvas;
    canvas.AddDimension(22, -100, -500, -200, 0, 0, 1000, 0, 600, "");
    const auto& L = canvas.Lines();
    EXPECT_NEAR(L[0]->m_fY1, -600, 1e-3);
    EXPECT_NEAR(L[0]->m_fX2, 1000, 1e-3);
    EXPECT_NEAR(L[1]->m_fY1, -100, 1e-3);
    EXPECT_NEAR(L[1]->m_fY2, -800, 1e-3);
    EXPECT_NEAR(canvas.Texts()[0]->m_fDirection, 180, 1e-3);
    EXPECT_EQ(canvas.Texts()[0]->m_strText, "1000");
    DrawingCanvas named;
    named.AddDimension(22, 0, 0, 0, 0, 0, 10, 0, 600, "B");
    EXPECT_EQ(named.Texts()[0]->m_strText, "B");
}

}  // namespace
}  // namespace wall
