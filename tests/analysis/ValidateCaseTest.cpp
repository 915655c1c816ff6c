// Refusal of undefined inputs: each fault names its page field; unusual inputs pass and compute.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "TestCases.h"
#include "analysis/GravityWallAnalysis.h"
#include "analysis/ShelfWallAnalysis.h"
#include "analysis/ValidateCase.h"

namespace wall {
namespace {

struct FaultRow {
    std::string name;
    int type;
    std::function<void(WallCase&)> change;
    std::set<std::string> fields;  // fields the findings must name, and no others
};

std::set<std::string> FieldsOf(const std::vector<Finding>& findings) {
    std::set<std::string> fields;
    for (const Finding& f : findings) {
        fields.insert(f.field);
        EXPECT_FALSE(f.message.empty()) << f.field;
    }
    return fields;
}

TEST(ValidateCase, FaultsNameTheirFields) {
    const std::vector<FaultRow> rows = {
        {"zero height", kGravity, [](WallCase& c) { c.wall.m_fHeight = 0; }, {"墙体高度H(m)"}},
        {"negative height", kShelf, [](WallCase& c) { c.wall.m_fHeight = -1; }, {"墙体高度H(m)"}},
        {"zero top width", kSemiGravity, [](WallCase& c) { c.wall.m_fTopWidth = 0; }, {"墙顶宽度B(m)"}},
        {"height and width",
         kGravity,
         [](WallCase& c) {
             c.wall.m_fHeight = 0;
             c.wall.m_fTopWidth = -1;
         },
         {"墙体高度H(m)", "墙顶宽度B(m)"}},
        {"no wall weight",
         kGravity,
         [](WallCase& c) { c.wall.m_fUnitWeight = 0; },
         {"墙体材料容重RW(kN/m3)"}},
        {"no soil weight",
         kShelf,
         [](WallCase& c) { c.soil.m_afLayer[0][kLayerUnitWeight] = 0; },
         {"重度(kN/m3)"}},
        // A slope steeper than φ cannot stand, under either theory, and wherever it lies: a short steep
        // berm over the back face or a second segment.
        {"short steep berm",
         kGravity,
         [](WallCase& c) {
             test::SetGround(c, 1, 45, 1);
             c.soil.m_fLoadPressure = 10;
             c.soil.m_fLoadWidth = 4;
         },
         {"坡线仰角(度)"}},
        {"steep second segment, Coulomb",
         kGravity,
         [](WallCase& c) {
             c.soil.m_nTheory = kCoulomb;
             test::SetGround(c, 2, 20);
             test::SetSegment(c, 1, 2, 35);
         },
         {"坡线仰角(度)"}},
        {"Coulomb slope steeper than φ",
         kGravity,
         [](WallCase& c) {
             c.soil.m_nTheory = kCoulomb;
             test::SetGround(c, 1, 35);
         },
         {"坡线仰角(度)"}},
        // Rankine's sloping-ground coefficient takes √(cos²β − cos²φ).
        {"Rankine slope steeper than φ",
         kGravity,
         [](WallCase& c) { test::SetGround(c, 1, 35); },
         {"坡线仰角(度)"}},
        {"shelf slope steeper than φ",
         kShelf,
         [](WallCase& c) { test::SetGround(c, 1, 31); },
         {"坡线仰角(度)"}},
        // The trial wedge divides by tanφ.
        {"Coulomb wedge with φ = 0",
         kGravity,
         [](WallCase& c) {
             c.soil.m_nTheory = kCoulomb;
             c.soil.m_afLayer[0][kLayerFriction] = 0;
         },
         {"内摩擦角(度)"}},
        // Back face parallel to the base (batter 4 against counter-slope 1/4).
        {"heel parallel to the base",
         kGravity,
         [](WallCase& c) { c.wall.m_fBackSlope = 4; },
         {"墙背倾斜坡度(1:m)", "墙底逆坡坡度(m:1)"}},
        {"heel higher than the wall",
         kGravity,
         [](WallCase& c) {
             c.wall.m_fHeelWidth = 0.5f;
             c.wall.m_fHeelHeight = 10;
         },
         {"墙踵高度H2(m)"}},
        {"toe step at the top", kGravity, [](WallCase& c) { c.wall.m_fToeHeight = 10; }, {"墙趾高度H1(m)"}},
        {"semi-gravity inner toe at the top",
         kSemiGravity,
         [](WallCase& c) { c.wall.m_fHeelHeight = 8; },
         {"墙趾高度H2(m)"}},
        {"lower back parallel to the base",
         kShelf,
         [](WallCase& c) { c.wall.m_fLowerBackSlope = 10; },
         {"下墙背倾斜坡度(1:m)", "墙底逆坡坡度(m:1)"}},
        {"shelf upper wall as high as the wall",
         kShelf,
         [](WallCase& c) { c.wall.m_fHeelHeight = 7; },
         {"上墙高度H2(m)"}},
        {"shelf without upper wall",
         kShelf,
         [](WallCase& c) { c.wall.m_fHeelHeight = 0; },
         {"上墙高度H2(m)"}},
        // Batters narrowing the body to nothing; a wide toe keeps the base itself positive.
        {"body narrowed to nothing",
         kGravity,
         [](WallCase& c) {
             c.wall.m_fFrontSlope = -0.3f;
             c.wall.m_fBackSlope = -0.3f;
             c.wall.m_fBaseSlope = 0;
             c.wall.m_fToeWidth = 10;
             c.wall.m_fToeHeight = 0.5f;
         },
         {"墙胸倾斜坡度(1:m)", "墙背倾斜坡度(1:m)"}},
        {"base narrowed to nothing",
         kGravity,
         [](WallCase& c) {
             c.wall.m_fFrontSlope = -0.3f;
             c.wall.m_fBackSlope = -0.3f;
             c.wall.m_fBaseSlope = 0;
         },
         {"墙胸倾斜坡度(1:m)", "墙背倾斜坡度(1:m)"}},
        {"no crack limit", kCantilever, [](WallCase& c) { c.wall.m_fCrackLimit = 0; }, {"裂缝控制宽度(mm)"}},
        {"negative crack limit",
         kCounterfort,
         [](WallCase& c) { c.wall.m_fCrackLimit = -0.1f; },
         {"裂缝控制宽度(mm)"}},
        {"counterforts touching",
         kCounterfort,
         [](WallCase& c) { c.wall.m_fCfSpacing = 0.2f; },
         {"扶壁间距l(m)"}},
        {"cantilever stem of no height",
         kCantilever,
         [](WallCase& c) { c.wall.m_fToeHeight = 7; },
         {"墙趾高度H1(m)"}},
        {"cantilever Coulomb slope steeper than φ",
         kCantilever,
         [](WallCase& c) {
             c.soil.m_nTheory = kCoulomb;
             test::SetGround(c, 1, 33);
         },
         {"坡线仰角(度)"}},
        {"counterfort Rankine slope steeper than φ",
         kCounterfort,
         [](WallCase& c) { test::SetGround(c, 1, 33); },
         {"坡线仰角(度)"}},
        // Physical ranges, at their break points.
        {"negative toe width", kGravity, [](WallCase& c) { c.wall.m_fToeWidth = -3; }, {"墙趾宽度B1(m)"}},
        {"φ of 90°",
         kGravity,
         [](WallCase& c) { c.soil.m_afLayer[0][kLayerFriction] = 90; },
         {"内摩擦角(度)"}},
        {"δ above φ",
         kGravity,
         [](WallCase& c) { c.wall.m_fWallFriction = 30.5f; },
         {"墙背与填土之间的摩擦角δ(°)"}},
        {"no base friction",
         kShelf,
         [](WallCase& c) { c.wall.m_fBaseFriction = 0; },
         {"墙底与基土的摩擦系数μ"}},
        {"base friction above 1",
         kGravity,
         [](WallCase& c) { c.wall.m_fBaseFriction = 1.01f; },
         {"墙底与基土的摩擦系数μ"}},
        {"negative surcharge",
         kGravity,
         [](WallCase& c) { c.soil.m_fLoadPressure = -198; },
         {"面荷载BP(kPa)"}},
        {"negative cohesion",
         kCantilever,
         [](WallCase& c) { c.soil.m_afLayer[0][kLayerCohesion] = -1; },
         {"粘聚力 (kPa)"}},
        {"vertical slope step",
         kGravity,
         [](WallCase& c) { c.soil.m_afSlope[0][kSlopeRun] = 0; },
         {"水平长度(m)"}},
        {"no cover", kCantilever, [](WallCase& c) { c.wall.m_fCover = -5; }, {"混凝土保护层厚度(mm)"}},
        {"no bar",
         kCounterfort,
         [](WallCase& c) { c.wall.m_fBarDiameter = 0; },
         {"裂缝计算钢筋等效直径(mm)"}},
        {"counterfort without heel",
         kCounterfort,
         [](WallCase& c) { c.wall.m_fHeelWidth = 0; },
         {"墙踵宽度B2(m)"}},
        {"infinite height", kShelf, [](WallCase& c) { c.wall.m_fHeight = INFINITY; }, {"墙体高度H(m)"}},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = DefaultCase(row.type);
        row.change(c);
        // Every reason is listed: the field at fault among them, with the relations it breaks.
        const auto found = FieldsOf(ValidateCase(c));
        for (const auto& field : row.fields) EXPECT_TRUE(found.count(field)) << field;
    }
}

struct AllowedRow {
    std::string name;
    int type;
    std::function<void(WallCase&)> change;
};

// Every value a masonry analysis reports is a number.
void ExpectFinite(const WallCase& c) {
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    std::vector<float> values;
    if (c.wallType == kShelf) {
        ShelfWallResult r = ShelfWallAnalysis(c, kb);
        const ShelfPressureResult& p = r.pressure;
        values = {r.W,
                  r.Zw,
                  p.Ka1,
                  p.E1,
                  p.Ex,
                  p.Ey,
                  p.Zx,
                  p.Zy,
                  p.Ka2,
                  p.E2,
                  p.E2x,
                  p.E2y,
                  p.Z2x,
                  p.Z2y,
                  p.extraWeight,
                  p.extraWeightArm,
                  r.stability.Kq,
                  r.stability.Kh,
                  r.stability.e0,
                  r.stability.sigmaMax,
                  r.section.W1,
                  r.section.e1,
                  r.section.sigmaMax,
                  r.section.tau1};
    } else {
        GravityWallResult r = GravityWallAnalysis(c, kb);
        ASSERT_EQ(r.status, PressureStatus::kOk);
        values = {r.W,
                  r.Zw,
                  r.pressure.E,
                  r.pressure.Ex,
                  r.pressure.Ey,
                  r.pressure.Zx,
                  r.pressure.Zy,
                  r.stability.Kq,
                  r.stability.Kh,
                  r.stability.e0,
                  r.stability.sigmaMax,
                  r.stability.sigmaMin,
                  r.section.W1,
                  r.section.Zw1,
                  r.section.Ex,
                  r.section.Zy,
                  r.section.e1,
                  r.section.sigmaMax,
                  r.section.sigmaMin,
                  r.section.tau1};
    }
    for (size_t i = 0; i < values.size(); ++i) EXPECT_TRUE(std::isfinite(values[i])) << "value " << i;
}

TEST(ValidateCase, UnusualInputsPassAndCompute) {
    const std::vector<AllowedRow> rows = {
        {"default gravity", kGravity, [](WallCase&) {}},
        {"default semi-gravity", kSemiGravity, [](WallCase&) {}},
        {"default shelf", kShelf, [](WallCase&) {}},
        {"default cantilever", kCantilever, [](WallCase&) {}},
        {"default counterfort", kCounterfort, [](WallCase&) {}},
        {"Coulomb gravity", kGravity, [](WallCase& c) { c.soil.m_nTheory = kCoulomb; }},
        {"back leaning away from the fill", kGravity, [](WallCase& c) { c.wall.m_fBackSlope = -0.2f; }},
        {"negative front batter", kSemiGravity, [](WallCase& c) { c.wall.m_fFrontSlope = -0.05f; }},
        {"cohesive soil", kGravity, [](WallCase& c) { c.soil.m_afLayer[0][kLayerCohesion] = 10; }},
        {"no surcharge", kGravity, [](WallCase& c) { c.soil.m_fLoadPressure = 0; }},
        {"no surcharge, Coulomb", kSemiGravity,
         [](WallCase& c) {
             c.soil.m_nTheory = kCoulomb;
             c.soil.m_fLoadWidth = 0;
         }},
        {"two segments", kGravity, [](WallCase& c) { test::SetGround(c, 2, 11.31f); }},
        {"lower back leaning into the fill", kShelf, [](WallCase& c) { c.wall.m_fLowerBackSlope = 0.2f; }},
    };
    for (const AllowedRow& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = DefaultCase(row.type);
        row.change(c);
        std::vector<Finding> findings = ValidateCase(c);
        EXPECT_TRUE(findings.empty())
            << (findings.empty() ? "" : findings[0].field + " " + findings[0].message);
        if (row.type <= kShelf) ExpectFinite(c);
    }
}

TEST(ValidateCase, OutOfRangeCodes) {
    WallCase c = DefaultCase(kGravity);
    c.wallType = 7;
    EXPECT_EQ(ValidateCase(c).size(), 1u);
    c = DefaultCase(kGravity);
    c.soil.m_nSlopeSegs = 0;
    EXPECT_EQ(ValidateCase(c).size(), 1u);
}

}  // namespace
}  // namespace wall
