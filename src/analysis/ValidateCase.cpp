// Refusal of the inputs that leave a wall's analysis undefined, each naming its page field.
#include "analysis/ValidateCase.h"

#include <cmath>
#include <initializer_list>

#include "analysis/DoubleMath.h"
#include "analysis/EarthThrust.h"
#include "analysis/Ground.h"
#include "analysis/KernelBlock.h"
#include "analysis/LoadKernelBlock.h"
#include "analysis/SeismicAngles.h"
#include "analysis/WallSection.h"
#include "analysis/geometry/WallOutline.h"
#include "case/CaseFields.h"
#include "case/FieldTable.h"
#include "text/Format.h"

namespace wall {
namespace {

// Page labels of the fields, as the type's page shows them.
const char* const kHeight = FieldOf(&CRetainingWall::m_fHeight).label;
const char* const kTopWidth = FieldOf(&CRetainingWall::m_fTopWidth).label;
const char* const kToeWidth = FieldOf(&CRetainingWall::m_fToeWidth).label;
const char* const kToeHeight = FieldOf(&CRetainingWall::m_fToeHeight).label;
const char* const kWallFriction = FieldOf(&CRetainingWall::m_fWallFriction).label;
const char* const kBaseSlope = FieldOf(&CRetainingWall::m_fBaseSlope).label;
const char* const kFrontSlope = FieldOf(&CRetainingWall::m_fFrontSlope).label;
const char* const kLowerBackSlope = FieldOf(&CRetainingWall::m_fLowerBackSlope).label;
const char* const kCfSpacing = FieldOf(&CRetainingWall::m_fCfSpacing).label;
const char* const kCfThickness = FieldOf(&CRetainingWall::m_fCfThickness).label;
const char* const kSlopeAngleLabel = FieldOf(&CSoil::m_afSlope, kSlopeAngle).label;
const char* const kSoilFriction = FieldOf(&CSoil::m_afLayer, kLayerFriction).label;
const char* const kSaturatedWeight = FieldOf(&CSoil::m_afLayer, kLayerSaturatedWeight).label;

const char* HeelWidthLabel(int type) {
    return FieldLabel(FieldOf(&CRetainingWall::m_fHeelWidth), type);
}
const char* HeelHeightLabel(int type) {
    return FieldLabel(FieldOf(&CRetainingWall::m_fHeelHeight), type);
}
const char* BackSlopeLabel(int type) {
    return FieldLabel(FieldOf(&CRetainingWall::m_fBackSlope), type);
}

bool Positive(float v) {
    return v > 0;
}  // false for NaN as well

bool Finite(const KernelBlock& kb) {
    for (int i = 0; i < 8; ++i)
        if (!std::isfinite(kb.outline.x[i]) || !std::isfinite(kb.outline.y[i])) return false;
    return true;
}

struct Checker {
    const WallCase& c;
    std::vector<Finding> findings;

    void Add(const char* field, std::string message, const char* other = "") {
        findings.push_back({field, std::move(message), other});
    }

    // A width that came out zero or negative: blame the fields with negative values among those
    // that make it up, or the fallback when none is negative.
    void BlameWidth(const char* what, float width, std::initializer_list<std::pair<const char*, float>> parts,
                    const char* fallback) {
        bool blamed = false;
        for (const auto& [field, value] : parts) {
            if (value < 0) {
                Add(field, Format("%s为%.2f m，应大于0：%s%g使其为零或负", what, width, field, value));
                blamed = true;
            }
        }
        if (!blamed) Add(fallback, Format("%s为%.2f m，应大于0，请检查%s", what, width, fallback));
    }

    // Every field the type's dialog shows, and every table row in use, within its physical range.
    bool Domains() {
        const size_t before = findings.size();
        for (DomainFinding& d : DomainFindings(c))
            findings.push_back({std::move(d.field), std::move(d.message)});
        return findings.size() == before;
    }

    // The relations between fields that everything else relies on.
    bool Basics() {
        const CRetainingWall& w = c.wall;
        const int t = c.wallType;
        const size_t before = findings.size();
        const float H = w.m_fHeight;
        if (t == kGravity || t == kSemiGravity || t == kCantilever || t == kCounterfort) {
            if (!(w.m_fToeHeight < H))
                Add(kToeHeight, Format("%s应小于%s，当前为%g", kToeHeight, kHeight, w.m_fToeHeight), kHeight);
        }
        if (t == kGravity || t == kSemiGravity) {
            if (!(w.m_fHeelHeight < H))
                Add(HeelHeightLabel(t),
                    Format("%s应小于%s，当前为%g", HeelHeightLabel(t), kHeight, w.m_fHeelHeight), kHeight);
        }
        if (t == kShelf) {
            const char* label = HeelHeightLabel(t);
            if (!Positive(w.m_fHeelHeight))
                Add(label, Format("%s应大于0，当前为%g", label, w.m_fHeelHeight));
            else if (!(w.m_fHeelHeight < H))
                Add(label, Format("%s应小于%s，当前为%g", label, kHeight, w.m_fHeelHeight), kHeight);
        }
        // The heel slab carries the backfill of the imaginary back and, between counterforts, the
        // wall itself: without it there is nothing to design.
        if ((t == kCantilever || t == kCounterfort) && !Positive(w.m_fHeelWidth))
            Add(HeelWidthLabel(t), Format("%s 应大于 0，当前为 %g", HeelWidthLabel(t), w.m_fHeelWidth));
        // Wall friction beyond the soil's own friction has no meaning.
        const float phi = AsShown(c.soil.m_afLayer[0][kLayerFriction]);
        if (!(w.m_fWallFriction <= phi))
            Add(kWallFriction,
                Format("%s 应不大于填土%s %g，当前为 %g", kWallFriction, kSoilFriction, phi,
                       w.m_fWallFriction),
                kSoilFriction);
        const int layers = LayersInUse(c.soil);
        if (layers > kLayersAnalysed)
            Add("土层", Format("土层数为%d，计算最多取%d层：请合并相近的土层，或把最下一层的厚度填0", layers,
                               kLayersAnalysed));
        for (int r = 1; r < layers; ++r) {
            const float phiR = AsShown(c.soil.m_afLayer[r][kLayerFriction]);
            if (!(w.m_fWallFriction <= phiR))
                Add(kWallFriction,
                    Format("%s 应不大于土层%d的%s %g，当前为 %g", kWallFriction, r + 1, kSoilFriction, phiR,
                           w.m_fWallFriction),
                    kSoilFriction);
        }
        // A saturated soil is heavier than its water; the water in front no higher than the wall.
        const CaseSettings& water = c.settings;
        for (int r = 0; r < layers; ++r) {
            const float sat = AsShown(c.soil.m_afLayer[r][kLayerSaturatedWeight]);
            if (sat != 0 && !(sat > water.waterUnitWeight))
                Add(kSaturatedWeight, Format("土层%d的%s应大于水的重度 %g，当前为 %g", r + 1,
                                             kSaturatedWeight, water.waterUnitWeight, sat));
        }
        if (water.HasWaterFront() && !(water.waterFront <= H))
            Add("water.front",
                Format("墙前水位距墙底高度(m) 应不大于%s %g，当前为 %g", kHeight, H, water.waterFront));
        // An acceleration outside the code's table has no seismic angle of its own.
        const SeismicAngles seismic = SeismicAnglesOf(water);
        if (seismic.asked && !SeismicAngleRowOf(water.seismicAcceleration)) {
            if (!water.HasSeismicAngle())
                Add("seismic.acceleration",
                    Format("设计基本地震加速度A/g为 %g，不是 0.05、0.10、0.15、0.20、0.30、0.40 之一，"
                           "请同时给出地震角（seismic.angle）",
                           water.seismicAcceleration));
            else if (!water.HasSeismicAngleWater() && water.HasWaterBehind())
                Add("seismic.angleWater",
                    Format("设计基本地震加速度A/g为 %g，不在表中，墙后有地下水时请同时给出水下地震角"
                           "（seismic.angleWater）",
                           water.seismicAcceleration));
        }
        if (t == kCounterfort) {
            const float L = w.m_fCfSpacing - w.m_fCfThickness;
            if (!(L > 0))
                Add(kCfSpacing, Format("%s应大于扶壁板厚b(m)，当前扶壁净距为%g m", kCfSpacing, L),
                    kCfThickness);
        }
        return findings.size() == before;
    }

    // The heel of a gravity wall and the lower back face of a shelf wall must meet the base.
    bool Outline(const KernelBlock& kb) {
        const CRetainingWall& w = c.wall;
        const int t = c.wallType;
        const size_t before = findings.size();
        const float n = w.m_fBaseSlope;
        const bool slopedBase = std::fabs(n) >= 1e-6f && (t == kGravity || t == kShelf);
        if (t == kGravity) {
            const float den = slopedBase ? 1.0f / n - w.m_fBackSlope : 1.0f;
            if (std::fabs(den) < 1e-6f || !Finite(kb)) {
                Add(BackSlopeLabel(t), Format("墙背与墙底平行，墙踵无法与墙底相接：请检查%s和%s",
                                              BackSlopeLabel(t), kBaseSlope));
                Add(kBaseSlope, Format("墙底与墙背平行，墙踵无法与墙底相接：请检查%s和%s", kBaseSlope,
                                       BackSlopeLabel(t)));
            } else if (kb.outline.y[7] > 0) {
                Add(HeelHeightLabel(t),
                    Format("墙踵顶面高出墙顶%.2f m，墙踵无法与墙背相接", kb.outline.y[7]));
            }
        } else if (t == kShelf) {
            const float den = slopedBase ? 1.0f / n - w.m_fLowerBackSlope : 1.0f;
            if (std::fabs(den) < 1e-6f || !Finite(kb)) {
                Add(kLowerBackSlope,
                    Format("下墙背与墙底平行，无法与墙底相接：请检查%s和%s", kLowerBackSlope, kBaseSlope));
                Add(kBaseSlope, Format("墙底与下墙背平行，下墙背无法与墙底相接：请检查%s和%s", kBaseSlope,
                                       kLowerBackSlope));
            } else if (!(kb.outline.y[5] < kb.outline.y[6])) {
                Add(kLowerBackSlope, Format("下墙背与墙底相交于衡重台之上，下墙高度为%.2f m",
                                            kb.outline.y[6] - kb.outline.y[5]));
            }
        } else if (!Finite(kb)) {
            Add(kHeight, "墙身轮廓无法确定，请检查几何尺寸");
        }
        if (findings.size() != before) return false;

        const float base = kb.outline.x[5] - kb.outline.x[4];
        if (!Positive(base)) {
            BlameWidth("墙底宽度", base,
                       {{kToeWidth, w.m_fToeWidth},
                        {HeelWidthLabel(t), w.m_fHeelWidth},
                        {kFrontSlope, t <= kShelf ? w.m_fFrontSlope : 0.0f},
                        {BackSlopeLabel(t), t == kCounterfort ? 0.0f : w.m_fBackSlope},
                        {kLowerBackSlope, t == kShelf ? w.m_fLowerBackSlope : 0.0f}},
                       kTopWidth);
        }
        return findings.size() == before;
    }

    // The wall-body section of a masonry wall must have a width.
    void Section(const KernelBlock& loaded) {
        const CRetainingWall& w = c.wall;
        const int t = c.wallType;
        float width;
        if (t == kShelf) {
            width = loaded.outline.x[7] - (w.m_fFrontSlope * loaded.outline.y[7] - loaded.topWidth);
        } else {
            KernelBlock cut = loaded;
            CutGravitySection(c, cut);
            width = cut.outline.x[7] - cut.outline.x[2];
        }
        if (!Positive(width))
            BlameWidth("墙身验算截面宽度", width,
                       {{kFrontSlope, w.m_fFrontSlope}, {BackSlopeLabel(t), w.m_fBackSlope}}, kTopWidth);
    }

    // Coulomb's coefficient of a shelf's lower back: the root of sin(φ+δ)·sin(φ−β)/(cos(α+δ)·cos(α−β)).
    bool CoulombRootNegative(const KernelBlock& kb, float alpha) {
        const float phi = kb.soilFriction, delta = kb.wallFriction, beta = kb.slopeAngle;
        return Sin(phi + delta) * Sin(phi - beta) / (Cos(alpha + delta) * Cos(alpha - beta)) < 0;
    }

    // The ground itself must stand: a slope segment steeper than the backfill's friction angle has no
    // active state (Rankine's coefficient takes the root of cos²β − cos²φ, and the analyses count no
    // cohesion in Coulomb's wedges, where a slope that steep slides by itself). Every segment in use
    // enters the analyses, so each is checked.
    void Pressure(const KernelBlock& kb) {
        const CSoil& s = c.soil;
        const float phiDeg = AsShown(s.m_afLayer[0][kLayerFriction]);
        const GroundSurface g = GroundOf(s);
        const size_t before = findings.size();
        for (int i = 1; i < g.count; ++i) {
            const double angle =
                std::atan2(g.points[i].y - g.points[i - 1].y, g.points[i].x - g.points[i - 1].x);
            const double betaDeg = angle * 180 / 3.14159265358979;
            if (betaDeg > phiDeg + 1e-4)
                Add(kSlopeAngleLabel, Format("坡面线段%d的%s%.2f°大于填土%s%.2f°，坡面不能自稳，土压力无解",
                                             i, kSlopeAngleLabel, betaDeg, kSoilFriction, phiDeg));
        }
        if (findings.size() != before) return;
        // A shelf wall's lower back takes Coulomb's coefficient, whose root the back's angle and δ may
        // leave.
        if (c.wallType == kShelf && CoulombRootNegative(kb, Atan(c.wall.m_fLowerBackSlope)))
            Add(kWallFriction, Format("%s与下墙背倾角使库伦土压力系数公式中根号下为负，无解", kWallFriction));
    }
};

}  // namespace

std::vector<Finding> RelationFindings(const WallCase& c) {
    Checker check{c, {}};
    if (c.wallType < 0 || c.wallType >= kWallTypeCount) return {};
    check.Basics();
    return check.findings;
}

std::vector<Finding> ValidateCase(const WallCase& c) {
    Checker check{c, {}};
    if (c.wallType < 0 || c.wallType >= kWallTypeCount) {
        check.Add("挡土墙类型", Format("挡土墙类型%d超出范围0～4", c.wallType));
        return check.findings;
    }
    if (c.soil.m_nSlopeSegs < 1 || c.soil.m_nSlopeSegs > 2) {
        check.Add("坡面线段数", Format("坡面线段数%d超出范围1～2", c.soil.m_nSlopeSegs));
        return check.findings;
    }
    // Every reason at once: the relations are checked even when a field is out of its range.
    const bool domains = check.Domains();
    const bool basics = check.Basics();
    if (!domains || !basics) return check.findings;

    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    if (!check.Outline(kb)) return check.findings;
    LoadKernelBlock(c, kb);
    if (c.wallType == kGravity || c.wallType == kSemiGravity || c.wallType == kShelf) check.Section(kb);
    check.Pressure(kb);
    return check.findings;
}

}  // namespace wall
