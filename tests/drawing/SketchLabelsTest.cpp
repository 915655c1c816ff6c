// Text boxes, and the labels of the loading sketch of calculated cases: clear of each other and of
// the wall outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/CalcReport.h"
#include "drawing/ColorTable.h"
#include "drawing/SketchComposition.h"
#include "drawing/TextBox.h"
#include "text/Gbk.h"

namespace wall {
namespace {

struct Box {
    float x0, y0, x1, y1;
};

Box BoundsOf(const CTextTemp& t) {
    const TextBox b = TextBoxOf(t);
    return {b.MinX(), b.MinY(), b.MaxX(), b.MaxY()};
}

// Whether two boxes share more than an edge.
bool Overlap(const Box& a, const Box& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

// Whether the segment has a point in the box: their bounds overlap and the box's corners are not
// all strictly on one side of the segment's line.
bool SegmentMeetsBox(const CLineTemp& l, const Box& b) {
    if (std::max(l.m_fX1, l.m_fX2) < b.x0 || std::min(l.m_fX1, l.m_fX2) > b.x1 ||
        std::max(l.m_fY1, l.m_fY2) < b.y0 || std::min(l.m_fY1, l.m_fY2) > b.y1)
        return false;
    int above = 0, below = 0;
    for (float x : {b.x0, b.x1})
        for (float y : {b.y0, b.y1}) {
            const double side = (static_cast<double>(l.m_fX2) - l.m_fX1) * (y - l.m_fY1) -
                                (static_cast<double>(l.m_fY2) - l.m_fY1) * (x - l.m_fX1);
            above += side > 0;
            below += side < 0;
        }
    return above < 4 && below < 4;
}

TEST(TextBox, WidthFromHeightPerCharacterAlignedAndTurned) {
    struct Row {
        const char* name;
        const char* text;  // UTF-8
        float x, y, angle, height, charWidth;
        int hAlign, vAlign;
        Box expected;
    };
    const Row rows[] = {
        // Two Latin characters of 0.65 x 400 from the left end of the baseline.
        {"Latin, left on the baseline", "Ex", 0, 0, 0, 400, 250, 3, 1, {0, 0, 520, 400}},
        // A CJK character is as wide as high: 400 + 260. Centred on the 3 bytes x 200 AddText
        // measures, so the corner is at (1000 - 300, 1000 - 200).
        {"CJK and Latin, centred", "墙W", 1000, 1000, 0, 400, 200, 2, 2, {700, 800, 1360, 1200}},
        // Turned a quarter: the baseline runs up from (0, 0), the height reaches to -x.
        {"turned 90 degrees", "Ex", 0, 0, 90, 400, 250, 3, 1, {-400, 0, 0, 520}},
        // Stored spacing wider than the glyphs wins: 3 x 500.
        {"wide spacing", "abc", 0, 0, 0, 400, 500, 3, 1, {0, 0, 1500, 400}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        DrawingCanvas canvas;
        const CTextTemp* t =
            canvas.AddText(0, r.x, r.y, r.angle, 0, r.height, r.charWidth, 0, r.text, r.hAlign, r.vAlign);
        const Box b = BoundsOf(*t);
        // The box of the same arguments before any text exists is the same.
        const TextBox before =
            TextBoxAt(r.x, r.y, r.angle, r.height, r.charWidth, 0, r.text, r.hAlign, r.vAlign);
        EXPECT_NEAR(before.MinX(), b.x0, 1e-3);
        EXPECT_NEAR(before.MaxY(), b.y1, 1e-3);
        EXPECT_NEAR(b.x0, r.expected.x0, 0.5);
        EXPECT_NEAR(b.y0, r.expected.y0, 0.5);
        EXPECT_NEAR(b.x1, r.expected.x1, 0.5);
        EXPECT_NEAR(b.y1, r.expected.y1, 0.5);
    }
}

WallCase Changed(int type, int theory, void (*change)(WallCase&)) {
    WallCase c = DefaultCase(type);
    c.soil.m_nTheory = theory;
    if (change) change(c);
    return c;
}

TEST(ReportSketch, LabelsClearOfEachOtherAndOfTheOutline) {
    struct Row {
        std::string name;
        WallCase c;
    };
    std::vector<Row> rows;
    for (int type = kGravity; type <= kCounterfort; ++type)
        for (int theory : {kCoulomb, kRankine})
            rows.push_back({"type " + std::to_string(type) + " theory " + std::to_string(theory),
                            Changed(type, theory, nullptr)});
    rows.push_back(
        {"high cantilever wall", Changed(kCantilever, kCoulomb, [](WallCase& c) { c.wall.m_fHeight = 14; })});
    rows.push_back(
        {"high shelf wall", Changed(kShelf, kCoulomb, [](WallCase& c) { c.wall.m_fHeight = 12; })});
    rows.push_back({"Rankine, steep slope", Changed(kSemiGravity, kRankine, [](WallCase& c) {
                        c.soil.m_afSlope[0][kSlopeRun] = 3;
                        c.soil.m_afSlope[0][kSlopeRise] = 1.5f;
                        UpdateSlopeRow(c.soil.m_afSlope[0]);
                    })});
    rows.push_back({"gravity wall, inclined base",
                    Changed(kGravity, kCoulomb, [](WallCase& c) { c.wall.m_fBaseSlope = 0.2f; })});

    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const CaseResult result = CalculateCase(r.c);
        ASSERT_EQ(RefusalText(result), "");
        DrawingCanvas canvas;
        ComposeReportSketch(canvas, r.c, LoadingSketchLoads(result));

        std::vector<std::pair<std::string, Box>> labels;
        for (const auto& t : canvas.Texts())
            if (!t->m_strText.empty()) labels.push_back({GbkToUtf8(t->m_strText), BoundsOf(*t)});
        ASSERT_GE(labels.size(), 4u);  // W, E, Ex, Ey at least
        for (std::size_t i = 0; i < labels.size(); ++i)
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(Overlap(labels[i].second, labels[j].second))
                    << labels[i].first << " and " << labels[j].first;

        int outline = 0;
        for (const auto& l : canvas.Lines()) {
            if (l->m_nColour != kOutlineColour) continue;
            ++outline;
            for (const auto& [text, box] : labels)
                EXPECT_FALSE(SegmentMeetsBox(*l, box)) << text << " on (" << l->m_fX1 << ", " << l->m_fY1
                                                       << ")-(" << l->m_fX2 << ", " << l->m_fY2 << ")";
        }
        EXPECT_GE(outline, 8);
    }
}

}  // namespace
}  // namespace wall
