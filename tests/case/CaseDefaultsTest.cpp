// Defaults of every wall type and of the soil page, against the table of defaults.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "case/CaseDefaults.h"

using namespace wall;

namespace {

struct TypeDefaults {
    int type;
    float toeWidth, heelWidth, toeHeight, heelHeight, topWidth, allowCompress, wallFriction, backSlope,
        baseSlope, frontSlope, height, unitWeight, allowShear, baseFriction, cfThickness, cfSpacing,
        lowerBackSlope;
    int rebar, concrete;
    float bar, cover, crack;
};

// Unused fields are zero.
const TypeDefaults kRows[] = {
    {kGravity, 0, 0, 0, 0, 2, 1000, 15, 0.25f, 0.25f, 0.25f, 10, 24, 1000, 0.6f, 0, 0, 0, 0, 0, 0, 0, 0},
    {kSemiGravity, 2.5f, 0,    0.4f, 0.6f, 0.7f, 1000, 15, 0.25f, 0, 0.25f, 8,
     24,           1000, 0.6f, 0,    0,    0,    0,    0,  0,     0, 0},
    {kShelf, 0.35f, 1.27f, 0.7f, 3.18f, 0.8f,   1000, 15, 0.31f, 0.1f, 0.05f, 7,
     24,     1000,  0.6f,  0,    0,     -0.25f, 0,    0,  0,     0,    0},
    {kCantilever, 1.5f, 2.7f, 0.6f, 0.6f, 0.35f, 0, 0, 0, 0, 0, 7, 24, 0, 0.45f, 0, 0, 0, 1, 2, 10, 20, 0.2f},
    {kCounterfort, 1.5f, 2.7f, 0.6f, 0.6f, 0.3f, 0, 10, 0,  0,  0,   8,
     24,           0,    0.6f, 0.2f, 3,    0,    1, 1,  10, 20, 0.2f},
};

TEST(CaseDefaults, EachWallTypeMatchesItsPage) {
    for (const TypeDefaults& r : kRows) {
        SCOPED_TRACE(r.type);
        CRetainingWall w = DefaultWall(r.type);
        EXPECT_EQ(w.m_fToeWidth, r.toeWidth);
        EXPECT_EQ(w.m_fHeelWidth, r.heelWidth);
        EXPECT_EQ(w.m_fToeHeight, r.toeHeight);
        EXPECT_EQ(w.m_fHeelHeight, r.heelHeight);
        EXPECT_EQ(w.m_fTopWidth, r.topWidth);
        EXPECT_EQ(w.m_fAllowCompress, r.allowCompress);
        EXPECT_EQ(w.m_fWallFriction, r.wallFriction);
        EXPECT_EQ(w.m_fBackSlope, r.backSlope);
        EXPECT_EQ(w.m_fBaseSlope, r.baseSlope);
        EXPECT_EQ(w.m_fFrontSlope, r.frontSlope);
        EXPECT_EQ(w.m_fHeight, r.height);
        EXPECT_EQ(w.m_fUnitWeight, r.unitWeight);
        EXPECT_EQ(w.m_fAllowShear, r.allowShear);
        EXPECT_EQ(w.m_fBaseFriction, r.baseFriction);
        EXPECT_EQ(w.m_fCfThickness, r.cfThickness);
        EXPECT_EQ(w.m_fCfSpacing, r.cfSpacing);
        EXPECT_EQ(w.m_fLowerBackSlope, r.lowerBackSlope);
        EXPECT_EQ(w.m_nRebarGrade, r.rebar);
        EXPECT_EQ(w.m_nConcreteGrade, r.concrete);
        EXPECT_EQ(w.m_fBarDiameter, r.bar);
        EXPECT_EQ(w.m_fCover, r.cover);
        EXPECT_EQ(w.m_fCrackLimit, r.crack);
    }
}

TEST(CaseDefaults, NewCaseIsCounterfort) {
    EXPECT_EQ(DefaultCase().wallType, kCounterfort);
}

TEST(CaseDefaults, SoilPageDefaults) {
    CSoil s = DefaultSoil();
    EXPECT_EQ(s.m_nSlopeCols, 5);
    EXPECT_EQ(s.m_nLayerCols, 4);
    EXPECT_EQ(s.m_fLoadOffset, 0);
    EXPECT_EQ(s.m_fLoadPressure, 10);
    EXPECT_EQ(s.m_fLoadWidth, 4);
    EXPECT_EQ(s.m_nTheory, kRankine);
    EXPECT_EQ(s.m_nSlopeSegs, 1);
    EXPECT_EQ(s.m_nSlopeLabels, 50);
    EXPECT_EQ(s.m_nLayerLabels, 50);
    EXPECT_EQ(s.m_nSlopeRows, 2);
    // Rows 1 and 2: run 5, rise 1; length sqrt(26) = 5.0990, angle atan(0.2) = 11.3099 degrees.
    for (int r = 0; r < 2; ++r) {
        EXPECT_FLOAT_EQ(s.m_afSlope[r][0], 5);
        EXPECT_FLOAT_EQ(s.m_afSlope[r][1], 1);
        EXPECT_NEAR(s.m_afSlope[r][2], 5.0990, 1e-4);
        EXPECT_NEAR(s.m_afSlope[r][3], 11.3099, 1e-4);
    }
    EXPECT_EQ(s.m_afSlope[2][0], 0);
    for (int r = 0; r < 49; ++r) {
        EXPECT_EQ(s.m_afLayer[r][0], 17);
        EXPECT_EQ(s.m_afLayer[r][1], 0);
        EXPECT_EQ(s.m_afLayer[r][2], 30);
    }
    EXPECT_EQ(s.m_afLayer[49][0], 0);
}

// Typing 3 into the rise of segment 1: length sqrt(34) = 5.83, angle atan(0.6) = 30.96 degrees.
TEST(CaseDefaults, SlopeRowFollowsRunAndRise) {
    float row[kSlopeColumns] = {5, 3, 0, 0, 0, 0};
    UpdateSlopeRow(row);
    EXPECT_EQ(AsShown(row[2]), 5.83f);
    EXPECT_EQ(AsShown(row[3]), 30.96f);
}

TEST(CaseDefaults, ValuesAsShownKeepTwoDecimals) {
    EXPECT_EQ(AsShown(1.234f), 1.23f);
    EXPECT_EQ(AsShown(1.236f), 1.24f);
    EXPECT_EQ(AsShown(-0.25f), -0.25f);
    // Over random values, most of them typed with two decimals or fewer, exactly what the text
    // "%.2f" reads back as.
    std::mt19937 rng(20261210);
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::pow(10.0, std::uniform_int_distribution<int>(-3, 9)(rng));
        double v = std::uniform_real_distribution<double>(-1, 1)(rng) * scale;
        if (i % 2) v = std::round(v * 100) / 100;
        const float f = static_cast<float>(v);
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", static_cast<double>(f));
        ASSERT_EQ(AsShown(f), static_cast<float>(std::strtod(text, nullptr))) << text;
    }
}

}  // namespace
