// Entity drawing by raster and colour mode, and bounding boxes, against hand-worked cases.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RecordingDevice.h"
#include "drawing/ColorTable.h"
#include "drawing/Entities.h"

namespace wall {
namespace {

CLineTemp Line(int16_t style, int16_t width = 1, int16_t colour = 24) {
    CLineTemp l;
    l.m_nPenStyle = style;
    l.m_nPenWidth = width;
    l.m_nColour = colour;
    l.m_fX1 = 10, l.m_fY1 = 20, l.m_fX2 = 110, l.m_fY2 = 20;
    return l;
}

TEST(Entities, LinePenByColourMode) {
    struct Row {
        const char* name;
        int16_t style;
        int colourMode;
        int expectedStyle;
        int expectedWidth;
        Rgb expectedColour;
    };
    // Colour modes as the entity drawing rules list them; colour 24 is (200, 200, 200), 21 (255, 0, 0).
    const Row rows[] = {
        {"own", kPenDash, kOwnColours, kPenDash, 2, {200, 200, 200}},
        {"highlight dot -> dash-dot", kPenDot, kHighlighted, kPenDashDot, 2, {200, 200, 200}},
        {"highlight solid -> dot", kPenSolid, kHighlighted, kPenDot, 2, {200, 200, 200}},
        {"highlight dash-dot -> dot", kPenDashDot, kHighlighted, kPenDot, 2, {200, 200, 200}},
        {"one colour", kPenSolid, kOneColour, kPenSolid, 2, {255, 0, 0}},
        {"one colour, four times wide", kPenSolid, kOneColourWide, kPenSolid, 8, {255, 0, 0}},
        {"colour zero", kPenSolid, kColourZero, kPenSolid, 2, {0, 0, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingDevice dc;
        Line(r.style, 2).Draw(dc, UnitView(), kRopCopy, r.colourMode, 21);
        ASSERT_EQ(dc.calls.size(), 1u);
        EXPECT_EQ(dc.calls[0].pen.style, r.expectedStyle);
        EXPECT_EQ(dc.calls[0].pen.width, r.expectedWidth);
        EXPECT_EQ(dc.calls[0].pen.colour, r.expectedColour);
        // (10, 20) and (110, 20) on a 1000-high device with y flipped.
        EXPECT_EQ(dc.calls[0].points[0], (DevicePoint{10, 980}));
        EXPECT_EQ(dc.calls[0].points[1], (DevicePoint{110, 980}));
    }
}

TEST(Entities, RasterModes) {
    struct Row {
        int ropMode;
        RasterOp before, after;
    };
    // 0 copies, 1 inverts, anything else leaves the device's operation as it was.
    const Row rows[] = {{0, RasterOp::kInvert, RasterOp::kCopy},
                        {1, RasterOp::kCopy, RasterOp::kInvert},
                        {7, RasterOp::kInvert, RasterOp::kInvert},
                        {7, RasterOp::kCopy, RasterOp::kCopy}};
    for (const Row& r : rows) {
        RecordingDevice dc;
        dc.SetRasterOp(r.before);
        Line(kPenSolid).Draw(dc, UnitView(), r.ropMode, kOwnColours, 0);
        ASSERT_EQ(dc.calls.size(), 1u);
        EXPECT_EQ(dc.calls[0].rop, r.after) << "ropMode " << r.ropMode;
    }
}

TEST(Entities, CircleDrawing) {
    CCircleTemp c;
    c.m_fCx = 100, c.m_fCy = 100, c.m_fR = 0.2f;  // less than a pixel: drawn with radius 1
    c.m_nColour = 1;
    c.m_nFillColour = 12;
    {
        RecordingDevice dc;
        c.Draw(dc, UnitView(), kRopCopy, kOwnColours, 0);
        ASSERT_EQ(dc.calls.size(), 1u);
        EXPECT_EQ(dc.calls[0].points[0], (DevicePoint{99, 899}));
        EXPECT_EQ(dc.calls[0].points[1], (DevicePoint{101, 901}));
        EXPECT_TRUE(dc.calls[0].brush.hollow);  // filled 0: outline only
    }
    {
        CCircleTemp filled = c;
        filled.m_nFilled = 1;
        filled.m_nDrawFlag = -1;
        RecordingDevice dc;
        filled.Draw(dc, UnitView(), kRopCopy, kOwnColours, 0);
        ASSERT_EQ(dc.calls.size(), 1u);
        EXPECT_FALSE(dc.calls[0].brush.hollow);
        EXPECT_EQ(dc.calls[0].brush.colour, (Rgb{255, 0, 0}));
        EXPECT_EQ(dc.calls[0].rop, RasterOp::kInvert);  // draw flag -1 inverts
    }
    for (auto change : {+[](CCircleTemp& x) { x.m_nFilled = -1; }, +[](CCircleTemp& x) { x.m_nErased = 1; },
                        +[](CCircleTemp& x) { x.m_fR = std::numeric_limits<float>::infinity(); }}) {
        CCircleTemp hidden = c;
        change(hidden);
        RecordingDevice dc;
        hidden.Draw(dc, UnitView(), kRopCopy, kOwnColours, 0);
        EXPECT_TRUE(dc.calls.empty());
    }
}

TEST(Entities, PolylineDrawing) {
    CPlineTemp p;
    p.m_vertices = {{0, 0, 0}, {100, 0, 0}, {100, 100, 0}};
    p.m_nColour = 24;
    struct Row {
        int closed;
        int colourMode;
        const char* expected;  // nullptr: nothing drawn
    };
    const Row rows[] = {
        {1, kOwnColours, "polygon"},  {1, kOneColour, "polygon"}, {1, kOneColourWide, "polygon"},
        {1, kHighlighted, "invert"},  {1, kColourZero, nullptr},  {0, kColourZero, "polyline"},
        {0, kOwnColours, "polyline"},
    };
    for (const Row& r : rows) {
        p.m_nClosed = r.closed;
        RecordingDevice dc;
        p.Draw(dc, UnitView(), kRopCopy, r.colourMode, 5);
        if (!r.expected) {
            EXPECT_TRUE(dc.calls.empty()) << "closed polyline in colour mode 99 is invisible";
            continue;
        }
        ASSERT_EQ(dc.calls.size(), 1u);
        EXPECT_EQ(dc.calls[0].what, r.expected) << r.closed << " " << r.colourMode;
        EXPECT_EQ(dc.calls[0].points.size(), 3u);
        if (r.colourMode == kColourZero) {
            EXPECT_EQ(dc.calls[0].pen.colour, (Rgb{0, 0, 0}));
        }
    }
}

TEST(Entities, ArcDrawingAndExtents) {
    CArcTemp a;
    a.m_fCx = 500, a.m_fCy = 500, a.m_fR = 100;
    // From 3π/2 through 0 to π/2: the right half of the circle.
    a.m_fStart = 4.712389f;
    a.m_fEnd = 1.5707964f;
    float x0, y0, x1, y1;
    a.GetExtents(x0, y0, x1, y1);
    EXPECT_NEAR(x1, 600, 1e-3);  // M + r(1, 0) is in the box
    EXPECT_NEAR(x0, 500, 1e-3);  // M + r(-1, 0) is not
    EXPECT_NEAR(y0, 400, 1e-3);
    EXPECT_NEAR(y1, 600, 1e-3);

    RecordingDevice dc;
    a.Draw(dc, UnitView(), kRopCopy, kOwnColours, 0);
    ASSERT_EQ(dc.calls.size(), 1u);
    EXPECT_EQ(dc.calls[0].points[0], (DevicePoint{400, 400}));
    EXPECT_EQ(dc.calls[0].points[1], (DevicePoint{600, 600}));
    // Start at the bottom (device y 600), end at the top (device y 400); r·cos of ±90° truncates
    // to 0 and is drawn as 1 pixel.
    EXPECT_EQ(dc.calls[0].points[2], (DevicePoint{501, 600}));
    EXPECT_EQ(dc.calls[0].points[3], (DevicePoint{501, 400}));

    struct Row {
        float start, end, minX, maxX, minY, maxY;
    };
    // Hand-worked boxes for a unit circle at the origin.
    const Row rows[] = {
        {0.1f, 3.0f, std::cos(3.0f), std::cos(0.1f), std::sin(0.1f), 1},               // sweeps π/2 only
        {1.0f, 1.0f, std::cos(1.0f), std::cos(1.0f), std::sin(1.0f), std::sin(1.0f)},  // no quadrant point
        {0.5f, 6.0f, -1, std::cos(6.0f), -1, 1},  // sweeps π/2, π and 3π/2; the end point is rightmost
    };
    for (const Row& r : rows) {
        CArcTemp u;
        u.m_fR = 1;
        u.m_fStart = r.start;
        u.m_fEnd = r.end;
        u.GetExtents(x0, y0, x1, y1);
        EXPECT_NEAR(x0, r.minX, 1e-5) << r.start << ".." << r.end;
        EXPECT_NEAR(x1, r.maxX, 1e-5);
        EXPECT_NEAR(y0, r.minY, 1e-5);
        EXPECT_NEAR(y1, r.maxY, 1e-5);
    }
}

TEST(Entities, TextExtents) {
    struct Row {
        const char* bytes;
        float gap;
        float expectedLength;  // n·width + (n - 1)·gap
    };
    const Row rows[] = {
        {"BP=10.0", 0, 7 * 250.0f}, {"BP=10.0", 40, 7 * 250.0f + 6 * 40}, {"\xBC\xC6", 10, 510}};
    for (const Row& r : rows) {
        CTextTemp t;
        t.m_fX = 100, t.m_fY = 200;
        t.m_fHeight = 400;
        t.m_fCharWidth = 250;
        t.m_fGap = r.gap;
        t.m_strText = r.bytes;
        float x0, y0, x1, y1;
        t.GetExtents(x0, y0, x1, y1);
        EXPECT_FLOAT_EQ(x0, 100);
        EXPECT_FLOAT_EQ(x1, 100 + r.expectedLength);
        EXPECT_FLOAT_EQ(y0, 200);
        EXPECT_FLOAT_EQ(y1, 600);
        // Turned to 90°, the text runs up from (x, y) and its height lies towards -x.
        t.m_fDirection = 90;
        t.GetExtents(x0, y0, x1, y1);
        EXPECT_NEAR(x0, -300, 1e-2);
        EXPECT_NEAR(x1, 100, 1e-2);
        EXPECT_NEAR(y1, 200 + r.expectedLength, 1e-2);
    }
}

TEST(Entities, TextDrawsCharacterByCharacter) {
    CTextTemp t;
    t.m_fX = 100, t.m_fY = 100;
    t.m_fHeight = 40;
    t.m_fCharWidth = 20;
    t.m_fGap = 10;
    t.m_fGlyphAngle = 45.06f;
    t.m_nColour = 21;
    // "计" (GBK BC C6), then 'A', then a high byte followed by a low one: two single outputs.
    t.m_strText = std::string(
        "\xBC\xC6"
        "A\xB0"
        "B");
    RecordingDevice dc;
    t.Draw(dc, UnitView(), kRopCopy, kOwnColours, 0);
    ASSERT_EQ(dc.calls.size(), 4u);
    EXPECT_EQ(dc.calls[0].text, "计");
    EXPECT_TRUE(dc.calls[0].doubleByte);
    EXPECT_EQ(dc.calls[1].text, "A");
    EXPECT_FALSE(dc.calls[2].doubleByte);
    EXPECT_EQ(dc.calls[3].text, "B");
    // Upper left corner of the first character: (100, 100 + 40) -> device (100, 860). The double-
    // byte character advances 2·20 + 10 = 50, each single byte 20 + 5 = 25.
    EXPECT_EQ(dc.calls[0].points[0], (DevicePoint{100, 860}));
    EXPECT_EQ(dc.calls[1].points[0], (DevicePoint{150, 860}));
    EXPECT_EQ(dc.calls[2].points[0], (DevicePoint{175, 860}));
    EXPECT_EQ(dc.calls[3].points[0], (DevicePoint{200, 860}));
    EXPECT_EQ(dc.calls[0].font.height, 40);
    EXPECT_EQ(dc.calls[0].font.charWidth, 20);
    EXPECT_EQ(dc.calls[0].font.escapement, 450);  // trunc(45.06·10)
    EXPECT_EQ(dc.calls[0].font.weight, 50);
    EXPECT_TRUE(dc.calls[0].font.fixedPitch);
    EXPECT_EQ(dc.calls[0].textColour, (Rgb{255, 0, 0}));

    RecordingDevice inverted;
    t.Draw(inverted, UnitView(), kRopInvert, kOwnColours, 0);
    EXPECT_EQ(inverted.calls[0].textColour, (Rgb{0, 0, 0}));  // inverting text is drawn in colour 0

    t.m_nErased = 1;
    RecordingDevice none;
    t.Draw(none, UnitView(), kRopCopy, kOwnColours, 0);
    EXPECT_TRUE(none.calls.empty());
}

TEST(Entities, NonFiniteGeometryDrawsNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    CLineTemp l = Line(kPenSolid);
    l.m_fY2 = nan;
    CTextTemp t;
    t.m_strText = "x";
    t.m_fX = std::numeric_limits<float>::infinity();
    CPlineTemp p;
    p.m_vertices = {{0, 0, 0}, {nan, 1, 0}};
    CArcTemp a;
    a.m_fR = 1;
    a.m_fEnd = nan;
    RecordingDevice dc;
    for (const CEntityTemp* e : std::initializer_list<const CEntityTemp*>{&l, &t, &p, &a})
        e->Draw(dc, UnitView(), kRopCopy, kOwnColours, 0);
    EXPECT_TRUE(dc.calls.empty());
}

}  // namespace
}  // namespace wall
