// Cases whose factors or base pressures are not defined: the report says why in a sentence, prints no
// negative or meaningless number, and the verdict follows the sentence.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ReportText.h"
#include "ScratchDir.h"
#include "calc/CalculateCase.h"
#include "calc/Verdict.h"
#include "case/CaseDefaults.h"
#include "casereport/WriteCaseReport.h"

namespace wall {
namespace {

struct Row {
    const char* name;
    int wallType;
    std::function<void(WallCase&)> change;
    const char* sentence;  // the report says this
    const char* absent;    // and not this
    const char* check;     // the verdict of this check
    bool pass;
};

TEST(UndefinedResults, SaidInWordsWithTheirVerdict) {
    const Row rows[] = {
        // A low wall on a base inclined 1:4: its weight's component down the base outweighs the thrust.
        {"no sliding tendency", kGravity, [](WallCase& c) { c.wall.m_fHeight = 1; }, "墙体无滑移趋势",
         "Kh=", "sliding", true},
        // H = 15 on a 1.14 m base: the resultant lands 1.83 m from the base's middle.
        {"resultant beyond the base", kShelf, [](WallCase& c) { c.wall.m_fHeight = 15; },
         "基底合力作用点位于基底以外", "基底地基土", "eccentricity", false},
        {"RC base slab without pressures", kCantilever, [](WallCase& c) { c.wall.m_fHeight = 15; },
         "求不出基底压力，本截面无法进行配筋计算", "墙趾板根部点的弯矩设计值", "section.toe", false},
        // c = 60 kPa holds a 7 m cut by itself: the soil's Rankine thrust is negative.
        {"negative soil thrust", kCounterfort, [](WallCase& c) { c.soil.m_afLayer[0][kLayerCohesion] = 60; },
         "小于零；土体受拉不能推墙，取为零", "Ea=-", "overturning", true},
    };
    test::ScratchDir dir("undefined-results");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = DefaultCase(row.wallType);
        row.change(c);
        const CaseResult r = CalculateCase(c);
        const std::string text = test::ReportText(c, r, dir.path());
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.find(row.sentence), std::string::npos);
        EXPECT_EQ(text.find(row.absent), std::string::npos);
        bool found = false;
        for (const CheckVerdict& v : CaseChecks(r)) {
            if (v.name != row.check) continue;
            found = true;
            EXPECT_EQ(v.pass, row.pass);
        }
        EXPECT_TRUE(found);
    }
}

// Once cohesion has taken the whole soil thrust, more cohesion cannot pull the wall: the thrust left
// is the surcharge's alone and stays the same.
TEST(UndefinedResults, ClippedThrustIsTheSurchargesAlone) {
    WallCase c = DefaultCase(kCounterfort);
    c.soil.m_afLayer[0][kLayerCohesion] = 60;
    const CaseResult a = CalculateCase(c);
    c.soil.m_afLayer[0][kLayerCohesion] = 200;
    const CaseResult b = CalculateCase(c);
    ASSERT_TRUE(a.counterfort && b.counterfort);
    EXPECT_TRUE(a.counterfort->back.soilThrustClipped);
    EXPECT_GT(a.counterfort->back.E, 0);
    EXPECT_EQ(a.counterfort->back.E, b.counterfort->back.E);
    EXPECT_EQ(a.counterfort->back.loads.soilThrust, 0);
}

}  // namespace
}  // namespace wall
