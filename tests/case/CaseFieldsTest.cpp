// Setting case fields by name, as `wallcalc set` does.
#include <gtest/gtest.h>

#include "case/CaseDefaults.h"
#include "case/CaseFields.h"
#include "case/CaseFile.h"

using namespace wall;

namespace {

TEST(CaseFields, AcceptedAssignments) {
    WallCase c = DefaultCase();
    EXPECT_EQ(SetCaseField(c, "m_fHeight", "6.5"), "");
    EXPECT_EQ(c.wall.m_fHeight, 6.5f);
    EXPECT_EQ(SetCaseField(c, "wallType", "0"), "");
    EXPECT_EQ(c.wallType, 0);
    EXPECT_EQ(SetCaseField(c, "m_afSlope[0][1]", "3"), "");
    EXPECT_NEAR(c.soil.m_afSlope[0][2], 5.830952, 1e-5);
    EXPECT_NEAR(c.soil.m_afSlope[0][3], 30.963757, 1e-3);
    EXPECT_EQ(SetCaseField(c, "m_nSlopeSegs", "2"), "");
    EXPECT_EQ(c.soil.m_nSlopeRows, 3);
    EXPECT_EQ(SetCaseField(c, "m_afLayer[0][2]", "35"), "");
    EXPECT_EQ(c.soil.m_afLayer[0][2], 35.0f);
    EXPECT_EQ(SetCaseField(c, "m_fLowerBackSlope", "-0.25"), "");
    EXPECT_EQ(c.wall.m_fLowerBackSlope, -0.25f);
    // A table column without a field is still stored, so the case file keeps it.
    EXPECT_EQ(SetCaseField(c, "m_afLayer[3][7]", "2"), "");
    EXPECT_EQ(c.soil.m_afLayer[3][7], 2.0f);
}

// A new wall type opens with its own dimensions; the slope page stays as it was.
TEST(CaseFields, NewWallTypeTakesItsDefaultWall) {
    WallCase c = DefaultCase(kCantilever);
    ASSERT_EQ(SetCaseField(c, "m_fLoadPressure", "25"), "");
    ASSERT_EQ(SetCaseField(c, "wallType", "1"), "");
    EXPECT_EQ(EncodeCase(WallCase{kSemiGravity, DefaultCase(kSemiGravity).wall, c.soil}), EncodeCase(c));
    EXPECT_EQ(c.soil.m_fLoadPressure, 25);
}

TEST(CaseFields, RangeMessageNamesLabelAndUnit) {
    WallCase c = DefaultCase(kShelf);
    EXPECT_EQ(SetCaseField(c, "m_fToeWidth", "-3"), "墙趾宽度B1(m) 应不小于 0，当前为 -3");
    EXPECT_EQ(SetCaseField(c, "m_fHeelWidth", "-1"), "平台宽度B2(m) 应不小于 0，当前为 -1");
    EXPECT_EQ(SetCaseField(c, "m_fBaseFriction", "1.5"), "墙底与基土的摩擦系数μ 应不大于 1，当前为 1.5");
}

TEST(CaseFields, RefusedAssignmentsChangeNothing) {
    const char* bad[][2] = {
        {"m_fHeight", "abc"},
        {"m_fHeight", ""},
        {"m_fHeight", "1.5m"},
        {"m_fNoSuchField", "1"},
        {"wallType", "5"},
        {"wallType", "1.5"},
        {"m_nSlopeSegs", "3"},
        {"m_nConcreteGrade", "14"},
        {"m_nRebarGrade", "-1"},
        {"m_afSlope[50][0]", "1"},
        {"m_afSlope[0][2]", "1"},
        {"m_afLayer[0][8]", "1"},
        {"m_afSlope[0]", "1"},
        {"m_afSlope[0][0]x", "1"},
        {"m_nTheory", "2"},
        // Outside the physical range, or beyond a float.
        {"m_fHeight", "1e39"},
        {"m_fCover", "-5"},
        {"m_afLayer[0][2]", "958"},
        {"m_fBaseFriction", "-0.5"},
        {"m_fLoadPressure", "-198"},
        {"m_afSlope[0][0]", "0"},
        {"m_afLayer[3][7]", "1e39"},
    };
    for (auto& row : bad) {
        WallCase c = DefaultCase();
        std::string err = SetCaseField(c, row[0], row[1]);
        EXPECT_FALSE(err.empty()) << row[0] << "=" << row[1];
        EXPECT_EQ(EncodeCase(c), EncodeCase(DefaultCase())) << row[0];
    }
}

}  // namespace
