// Preview and loading-sketch compositions, sketch names, and the 1 % margin report picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "analysis/geometry/WallOutline.h"
#include "case/CaseDefaults.h"
#include "drawing/SketchComposition.h"
#include "drawing/SketchFiles.h"

namespace wall {
namespace {

// Lines starting at (x, y) with the given length and direction (degrees), within half a unit.
int CountLinesFrom(const DrawingCanvas& canvas, float x, float y, float length, double angle) {
    const double a = angle * 3.14159265358979 / 180;
    int n = 0;
    for (const auto& l : canvas.Lines())
        if (std::fabs(l->m_fX1 - x) < 0.5 && std::fabs(l->m_fY1 - y) < 0.5 &&
            std::fabs(l->m_fX2 - (x + length * std::cos(a))) < 0.5 &&
            std::fabs(l->m_fY2 - (y + length * std::sin(a))) < 0.5)
            ++n;
    return n;
}

const CTextTemp* FindText(const DrawingCanvas& canvas, const std::string& gbk) {
    for (const auto& t : canvas.Texts())
        if (t->m_strText == gbk) return t.get();
    return nullptr;
}

int CountTexts(const DrawingCanvas& canvas, const std::string& gbk) {
    int n = 0;
    for (const auto& t : canvas.Texts()) n += t->m_strText == gbk;
    return n;
}

TEST(ReportSketch, PressureArrowsScaleToAThirdOfTheHeight) {
    WallCase c = DefaultCase(kCantilever);
    c.wall.m_fHeight = 6;
    DrawingCanvas canvas;
    const WallOutline o = BuildWallOutline(c);
    // Ex 30, Ey 40, H 6: R = 50, Hr = 2000, k = 40: arrows 1200 (Ex), 1600 (Ey), 2000 (E), head
    // trunc(2000/7) = 285, E at trunc(atan(4/3)·180/3.1416) = 53°.
    ComposeReportSketch(canvas, c, SketchLoads{30, 40, 1.0f, 2.0f, 150, 1.5f});
    const float qx = o.x[4] * 1000 + 1000, qy = o.y[4] * 1000 + 2000;
    EXPECT_EQ(CountLinesFrom(canvas, qx, qy, 1600, 90), 1);
    EXPECT_EQ(CountLinesFrom(canvas, qx, qy, 1200, 0), 1);
    EXPECT_EQ(CountLinesFrom(canvas, qx, qy, 2000, 53), 1);
    EXPECT_EQ(CountLinesFrom(canvas, qx, qy, 285, 63), 1);  // the head's outer line of the E arrow
    ASSERT_NE(FindText(canvas, "Ey"), nullptr);
    ASSERT_NE(FindText(canvas, "Ex"), nullptr);
    ASSERT_NE(FindText(canvas, "E"), nullptr);
    // W: a third of the height, pointing down at x3 + Zw at mid-height.
    EXPECT_EQ(CountLinesFrom(canvas, o.x[3] * 1000 + 1500, -3000, 2000, 90), 1);
    // No dimensions or labels: the only texts are the arrow labels and the surcharge's.
    EXPECT_EQ(FindText(canvas, "2700"), nullptr);
}

TEST(ReportSketch, SpecialPressures) {
    WallCase c = DefaultCase(kGravity);  // H = 10: Hr = 3333.33
    c.soil.m_fLoadPressure = 0;          // no surcharge texts
    struct Row {
        const char* name;
        float Ex, Ey;
        int ey, ex, e;  // expected label counts
    };
    const Row rows[] = {
        {"Ey = 0: no Ey arrow, E horizontal", 25, 0, 0, 1, 1},
        {"no pressure: no pressure arrows", 0, 0, 0, 0, 0},
        {"Ex = 0: E vertical", 0, 25, 1, 0, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        DrawingCanvas canvas;
        const WallOutline o = BuildWallOutline(c);
        ComposeReportSketch(canvas, c, SketchLoads{r.Ex, r.Ey, 1, 1, 100, 2});
        EXPECT_EQ(CountTexts(canvas, "Ey"), r.ey);
        EXPECT_EQ(CountTexts(canvas, "Ex"), r.ex);
        EXPECT_EQ(CountTexts(canvas, "E"), r.e);
        // W is a third of the height in every case: trunc(10000/3) = 3333.
        EXPECT_EQ(CountLinesFrom(canvas, o.x[3] * 1000 + 2000, -5000, 3333, 90), 1);
        if (r.Ey == 0 && r.Ex > 0) {
            const float qx = o.x[4] * 1000 + 1000, qy = o.y[4] * 1000 + 1000;
            EXPECT_EQ(CountLinesFrom(canvas, qx, qy, 3333, 0), 2);  // Ex and E coincide
        }
    }
}

TEST(ReportSketch, ShelfWallHasSixPressureArrows) {
    WallCase c = DefaultCase(kShelf);
    const WallOutline o = BuildWallOutline(c);
    SketchLoads loads{30, 8, 1.5f, 4, 200, 1.2f};
    loads.hasLower = true;
    loads.lowerEx = 60, loads.lowerEy = 10, loads.lowerZx = 2, loads.lowerZy = 1;
    DrawingCanvas canvas;
    ComposeReportSketch(canvas, c, loads);
    EXPECT_EQ(CountTexts(canvas, "Ex"), 2);
    EXPECT_EQ(CountTexts(canvas, "Ey"), 2);
    EXPECT_EQ(CountTexts(canvas, "E"), 2);
    EXPECT_EQ(CountTexts(canvas, "W"), 1);
    // Lower set: R = sqrt(3700) = 60.83, k = 2333.33/60.83: Ex arrow trunc(60·k) = 2301.
    EXPECT_EQ(CountLinesFrom(canvas, o.x[4] * 1000 + 2000, o.y[4] * 1000 + 1000, 2301, 0), 1);
}

TEST(ReportSketch, DegenerateOutlineStillComposes) {
    WallCase c = DefaultCase(kGravity);
    c.wall.m_fBackSlope = 1;
    c.wall.m_fBaseSlope = 1;  // the heel cannot meet the base
    DrawingCanvas canvas;
    ComposeReportSketch(canvas, c, SketchLoads{std::nanf(""), 3, 1, 1, 1, std::nanf("")});
    canvas.SetDeviceRect(0, 0, 300, 300);
    EXPECT_TRUE(std::isfinite(canvas.View().scale) && canvas.View().scale > 0);
}

TEST(Preview, BatterLabels) {
    struct Row {
        const char* name;
        int type;
        float mf, mb, n;
        const char* label;
        float angle;
    };
    const Row rows[] = {
        // Front batter 0: "1:0.00" at 90 - deg(atan 0) = 90.
        {"front batter 0", kGravity, 0, 0.25f, 0.25f, "1:0.00", 90},
        // Base counter-slope 0: deg(atan(1/0)) + 270 = 90·π/3.1416 + 270 = 359.99975.
        {"base slope 0", kGravity, 0.25f, 0.25f, 0, "0.00:1", 359.99975f},
        // Base slope 0.25: atan(4) = 75.96376°, ·π/3.1416 = 75.96354 + 270.
        {"base slope 0.25", kGravity, 0.25f, 0.3f, 0.25f, "0.25:1", 345.96354f},
        // Negative base slope -0.2: atan(-5) = -78.69007°, scaled -78.68984, + 90.
        {"negative base slope", kShelf, 0.05f, 0.31f, -0.2f, "0.20:1", 11.31016f},
        // Back batter 0.3: atan 0.3 = 16.69924°, scaled 16.69919, + 270.
        {"back batter", kSemiGravity, 0.25f, 0.3f, 0, "1:0.30", 286.69919f},
        // Negative front batter -0.1: 270 - deg(atan(-0.1)) = 270 + 5.71057.
        {"negative front batter", kGravity, -0.1f, 0.25f, 0.25f, "1:0.10", 275.71057f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        WallCase c = DefaultCase(r.type);
        c.wall.m_fFrontSlope = r.mf;
        c.wall.m_fBackSlope = r.mb;
        c.wall.m_fBaseSlope = r.n;
        DrawingCanvas canvas;
        ComposePreview(canvas, c);
        const CTextTemp* t = FindText(canvas, r.label);
        ASSERT_NE(t, nullptr);
        EXPECT_NEAR(t->m_fDirection, r.angle, 2e-3);
        EXPECT_EQ(t->m_nColour, 22);
        EXPECT_EQ(t->m_fHeight, 600);
        EXPECT_EQ(t->m_fGap, 1);
    }
}

TEST(Preview, NoBatterLabelsWhereTheTypeHasNone) {
    WallCase c = DefaultCase(kCounterfort);
    c.wall.m_fBackSlope = 0.3f;
    DrawingCanvas canvas;
    ComposePreview(canvas, c);
    for (const auto& t : canvas.Texts()) EXPECT_EQ(t->m_strText.find(':'), std::string::npos) << t->m_strText;
    // The counterfort's edge P6-P0 is drawn: 9 outline lines of width 3.
    int outline = 0;
    for (const auto& l : canvas.Lines()) outline += l->m_nColour == 24;
    EXPECT_EQ(outline, 9);
}

TEST(Preview, DimensionsOfTheDefaultGravityWall) {
    DrawingCanvas canvas;
    ComposePreview(canvas, DefaultCase(kGravity));
    // Top width 2000, height 10000, slope run 5000 and rise 1000; no toe or heel dimensions.
    for (const char* t : {"2000", "10000", "5000", "1000", "q=10.0 kPa", "1:0.25", "0.25:1"})
        EXPECT_NE(FindText(canvas, t), nullptr) << t;
    EXPECT_EQ(canvas.Texts().size(), 4u + 3 + 7);  // 4 dimensions, 3 labels, the surcharge's 7
}

TEST(Preview, SurchargePlacement) {
    struct Row {
        const char* name;
        float run1, rise1, run2, rise2;
        int segments;
        float offset, pressure;
        bool drawn;
        float sx, sy;  // start of the surcharge
    };
    const Row rows[] = {
        // Distance 0 on a first segment with b > 0: starts at the wall's top back corner.
        {"distance 0", 5, 1, 0, 0, 1, 0, 10, true, 0, 0},
        // Distance 2 m on a 5 m run rising 1 m: s = 2000, S = (2000, 2000·0.2 = 400).
        {"inside the first segment", 5, 1, 0, 0, 1, 2, 10, true, 2000, 400},
        // A vertical step (b = 0) never carries it: placed on the next segment, at its start.
        {"vertical step first", 0, 1, 5, 0, 2, 0, 10, true, 0, 1000},
        // Beyond the end of the last segment: nothing.
        {"beyond the ground", 5, 1, 0, 0, 1, 20, 10, false, 0, 0},
        // BP = 0: nothing, and later segments are not examined.
        {"no pressure", 5, 1, 5, 0, 2, 1, 0, false, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        WallCase c = DefaultCase(kGravity);
        c.soil.m_nSlopeSegs = r.segments;
        c.soil.m_afSlope[0][kSlopeRun] = r.run1;
        c.soil.m_afSlope[0][kSlopeRise] = r.rise1;
        c.soil.m_afSlope[1][kSlopeRun] = r.run2;
        c.soil.m_afSlope[1][kSlopeRise] = r.rise2;
        c.soil.m_fLoadOffset = r.offset;
        c.soil.m_fLoadPressure = r.pressure;
        DrawingCanvas canvas;
        ComposePreview(canvas, c);
        EXPECT_EQ(FindText(canvas, "q=10.0 kPa") != nullptr, r.drawn);
        if (r.drawn) {
            // First arrow of the row points at S from 600 above it (perpendicular to the slope).
            const double phi =
                std::atan2(r.segments == 2 ? r.rise2 : r.rise1, r.segments == 2 ? r.run2 : r.run1);
            const int angle = static_cast<int>(phi * 180 / 3.1416 + 90);
            EXPECT_EQ(CountLinesFrom(canvas, r.sx, r.sy, 600, angle), 1);
        }
    }
    // The vertical step: a rise dimension ("1000") but no run dimension for it.
    WallCase c = DefaultCase(kGravity);
    c.soil.m_nSlopeSegs = 1;
    c.soil.m_afSlope[0][kSlopeRun] = 0;
    c.soil.m_afSlope[0][kSlopeRise] = 1;
    DrawingCanvas canvas;
    ComposePreview(canvas, c);
    EXPECT_NE(FindText(canvas, "1000"), nullptr);
    EXPECT_EQ(FindText(canvas, "0"), nullptr);
}

TEST(SketchFiles, Names) {
    EXPECT_EQ(SketchDrawingName("挡土墙计算"), "挡土墙计算计算简图");
    struct Row {
        int type, theory;
        const char* name;
    };
    const Row rows[] = {{kGravity, kCoulomb, "1、按库伦土压力理论计算.kst"},
                        {kGravity, kRankine, "1、按朗肯土压力理论计算.kst"},
                        {kShelf, kRankine, "1、按库伦土压力理论计算.kst"},
                        {kCounterfort, kRankine, "1、按朗肯土压力理论计算.kst"}};
    for (const Row& r : rows) {
        WallCase c = DefaultCase(r.type);
        c.soil.m_nTheory = r.theory;
        EXPECT_EQ(LoadingSketchName(c), r.name);
    }
}

TEST(SketchFiles, ReportPictureHasAOnePercentMargin) {
    DrawingCanvas canvas;
    canvas.AddLine(24, 3, 0, 0, 1000, 500);
    CanvasPicture p = CanvasPictureEmf(canvas, 0, 0, 220, 220);
    // dx = 10, dy = 5: eight zero-radius circles at the corners (-10, -5) ... (1010, 505).
    ASSERT_EQ(canvas.Circles().size(), 8u);
    EXPECT_FLOAT_EQ(canvas.Circles()[0]->m_fCx, -10);
    EXPECT_FLOAT_EQ(canvas.Circles()[0]->m_fCy, -5);
    EXPECT_FLOAT_EQ(canvas.Circles()[7]->m_fCx, 1010);
    EXPECT_FLOAT_EQ(canvas.Circles()[7]->m_fCy, 505);
    EXPECT_EQ(canvas.Circles()[7]->m_nDrawFlag, -1);
    // Scale 5, origin (-50, -300): (-10, -5) -> (8, 161) and (1010, 505) -> (212, 59); with the
    // 1-pixel radius the bounds are (7, 58)-(213, 162).
    int32_t bounds[4];
    std::memcpy(bounds, p.emf.data() + 8, 16);
    EXPECT_EQ(bounds[0], 7);
    EXPECT_EQ(bounds[1], 58);
    EXPECT_EQ(bounds[2], 213);
    EXPECT_EQ(bounds[3], 162);
    EXPECT_EQ(p.widthPx, 207);
    EXPECT_EQ(p.heightPx, 105);
    // Each mark is inverted twice, which leaves nothing: no ellipse record remains, and every pen
    // is colour 0 (colour mode 2 with index 0).
    for (std::size_t at = 0; at + 8 <= p.emf.size();) {
        uint32_t type, size;
        std::memcpy(&type, p.emf.data() + at, 4);
        std::memcpy(&size, p.emf.data() + at + 4, 4);
        EXPECT_NE(type, 42u);
        if (type == 38) {
            EXPECT_EQ(p.emf[at + 24] | p.emf[at + 25] | p.emf[at + 26], 0);
        }
        at += size;
    }
}

}  // namespace
}  // namespace wall
