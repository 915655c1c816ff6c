// The field table of the case records and the lookups over it.
#include "case/FieldTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

#include "case/CaseFile.h"
#include "case/Grades.h"
#include "text/Format.h"

namespace wall {
namespace {

using W = CRetainingWall;
using S = CSoil;
using P = FieldPlace;

// The items of the case file: marker, wall type, the soil scalars, the layer table, the slope table,
// the wall fields, then markers.
constexpr int kSoilItem = 2;
constexpr int kLayerItem = kSoilItem + 10;
constexpr int kSlopeItem = kLayerItem + kLayerRowsMax * kLayerColumns;
constexpr int kWallItem = kSlopeItem + kSlopeRowsMax * kSlopeColumns;
static_assert(kWallItem * 4 == kWallFieldsOffset);

constexpr uint8_t kMasonry = TypeBit(kGravity) | TypeBit(kSemiGravity) | TypeBit(kShelf);
constexpr uint8_t kReinforced = TypeBit(kCantilever) | TypeBit(kCounterfort);
// The slope page hides the theory for the shelf wall.
constexpr uint8_t kTheoryTypes = kEveryType & ~TypeBit(kShelf);

template <std::size_t N>
constexpr std::array<int32_t, N> Indices() {
    std::array<int32_t, N> a{};
    for (std::size_t i = 0; i < N; ++i) a[i] = static_cast<int32_t>(i);
    return a;
}
constexpr auto kWallTypes = Indices<kWallTypeCount>();
constexpr auto kTheories = Indices<kTheoryNames.size()>();
constexpr auto kRebarGradeIndices = Indices<kRebarGrades.size()>();
constexpr auto kConcreteGradeIndices = Indices<kConcreteGrades.size()>();
constexpr int32_t kSegmentCounts[] = {1, 2};

constexpr TypeLabel kBackSlopeLabels[] = {{kShelf, "上墙背倾斜坡度(1:m)"}};
constexpr TypeLabel kHeelWidthLabels[] = {{kShelf, "平台宽度B2(m)"}};
constexpr TypeLabel kHeelHeightLabels[] = {{kSemiGravity, "墙趾高度H2(m)"}, {kShelf, "上墙高度H2(m)"}};

// How the dialog shows a field, and where the file and the dialog keep it.
struct Shown {
    const char* label;
    const char* unit;
    int decimals;
};
struct Stored {
    int slot;
    int control;
    P place;
    uint8_t types;
};

constexpr CaseField Make(std::string_view name, FieldMember m, int column, Shown s, Stored at,
                         bool derived = false, FieldDomain domain = {},
                         std::span<const TypeLabel> labels = {}) {
    CaseField f{};
    f.name = name;
    f.member = m;
    f.column = column;
    f.label = s.label;
    f.typeLabels = labels;
    f.unit = s.unit;
    f.decimals = s.decimals;
    f.fileSlot = at.slot;
    f.control = at.control;
    f.place = at.place;
    f.types = at.types;
    f.derived = derived;
    f.domain = domain;
    return f;
}

// A value of a wall-type page; the pages show a case with two decimals. `item` counts from the
// first wall field of the file.
constexpr CaseField Page(std::string_view name, float W::*m, const char* label, const char* unit, int item,
                         int control, P place, uint8_t types, std::span<const TypeLabel> typeLabels = {}) {
    return Make(name, m, -1, {label, unit, 2}, {kWallItem + item, control, place, types}, false, {},
                typeLabels);
}

// A value of the reinforcement dialog: the grades as list entries, the numbers as typed.
template <class M>
constexpr CaseField Rebar(std::string_view name, M m, const char* label, const char* unit, int item,
                          int control, FieldDomain domain = {}) {
    const int decimals = std::is_same_v<M, float W::*> ? kShortestForm : 0;
    return Make(name, m, -1, {label, unit, decimals},
                {kWallItem + item, control, P::kRebarDialog, kReinforced}, false, domain);
}

// A scalar of the soil record; `item` counts from the first soil scalar of the file.
template <class M>
constexpr CaseField Soil(std::string_view name, M m, const char* label, const char* unit, int decimals,
                         int item, int control, P place, uint8_t types, FieldDomain domain = {}) {
    return Make(name, m, -1, {label, unit, decimals}, {kSoilItem + item, control, place, types}, false,
                domain);
}

// A column of the slope or layer table, shown with two decimals in its grid.
constexpr CaseField SlopeColumn(int column, const char* label, const char* unit, bool derived = false) {
    return Make("m_afSlope", &S::m_afSlope, column, {label, unit, 2},
                {kSlopeItem + column, 1043, P::kSlopeGrid, kEveryType}, derived);
}
constexpr CaseField LayerColumn(int column, const char* label, const char* unit) {
    return Make("m_afLayer", &S::m_afLayer, column, {label, unit, 2},
                {kLayerItem + column, 10009, P::kLayerGrid, kEveryType});
}

constexpr FieldDomain OneOf(std::span<const int32_t> allowed) {
    return {{}, {}, allowed};
}

// Physical ranges. A width of zero is a real wall where a part may be left out (a toe, a heel step);
// a height, a top width or a unit weight of zero is not.
constexpr FieldDomain kPositive = {{BoundKind::kOpen, 0}, {}, {}};
constexpr FieldDomain kNonNegative = {{BoundKind::kClosed, 0}, {}, {}};
constexpr FieldDomain kFrictionAngle = {{BoundKind::kOpen, 0}, {BoundKind::kOpen, 90}, {}};
constexpr FieldDomain kWallFrictionAngle = {{BoundKind::kClosed, 0}, {BoundKind::kOpen, 90}, {}};
constexpr FieldDomain kFrictionCoefficient = {{BoundKind::kOpen, 0}, {BoundKind::kClosed, 1}, {}};
// Reinforcement: bars of 6–50 mm (GB 50010-2010 Table A.0.1); a cover from the least of Table 8.2.1
// (15 mm) to 100 mm; a crack limit within the largest of Table 3.4.5 (0.4 mm).
constexpr FieldDomain kBarDiameter = {{BoundKind::kClosed, 6}, {BoundKind::kClosed, 50}, {}};
constexpr FieldDomain kCover = {{BoundKind::kClosed, 15}, {BoundKind::kClosed, 100}, {}};
constexpr FieldDomain kCrackLimit = {{BoundKind::kOpen, 0}, {BoundKind::kClosed, 0.4}, {}};

constexpr CaseField WithDomain(CaseField f, FieldDomain d) {
    f.domain = d;
    return f;
}

// In the dialog's order; the fields of a page group stand as the page lists them.
constexpr CaseField kFields[] = {
    // The main dialog's list; the file holds it right after the marker.
    Make("wallType", &WallCase::wallType, -1, {"挡土墙类型", "", 0}, {1, 10004, P::kTypeList, kEveryType},
         false, OneOf(kWallTypes)),

    WithDomain(Page("m_fTopWidth", &W::m_fTopWidth, "墙顶宽度B(m)", "m", 3, 1064, P::kOverall, kEveryType),
               kPositive),
    WithDomain(Page("m_fHeight", &W::m_fHeight, "墙体高度H(m)", "m", 9, 1062, P::kOverall, kEveryType),
               kPositive),
    WithDomain(Page("m_fCfSpacing", &W::m_fCfSpacing, "扶壁间距l(m)", "m", 12, 1065, P::kOverall,
                    TypeBit(kCounterfort)),
               kPositive),
    WithDomain(Page("m_fCfThickness", &W::m_fCfThickness, "扶壁板厚b(m)", "m", 6, 1061, P::kOverall,
                    TypeBit(kCounterfort)),
               kPositive),
    Page("m_fFrontSlope", &W::m_fFrontSlope, "墙胸倾斜坡度(1:m)", "", 2, 10007, P::kOverall, kMasonry),
    Page("m_fBackSlope", &W::m_fBackSlope, "墙背倾斜坡度(1:m)", "", 0, 1069, P::kOverall,
         kMasonry | TypeBit(kCantilever), kBackSlopeLabels),
    Page("m_fBaseSlope", &W::m_fBaseSlope, "墙底逆坡坡度(m:1)", "", 1, 1070, P::kOverall,
         TypeBit(kGravity) | TypeBit(kShelf)),
    Page("m_fLowerBackSlope", &W::m_fLowerBackSlope, "下墙背倾斜坡度(1:m)", "", 16, 1078, P::kOverall,
         TypeBit(kShelf)),
    WithDomain(Page("m_fToeWidth", &W::m_fToeWidth, "墙趾宽度B1(m)", "m", 4, 1071, P::kToe, kEveryType),
               kNonNegative),
    WithDomain(Page("m_fToeHeight", &W::m_fToeHeight, "墙趾高度H1(m)", "m", 10, 1067, P::kToe, kEveryType),
               kNonNegative),
    WithDomain(Page("m_fHeelWidth", &W::m_fHeelWidth, "墙踵宽度B2(m)", "m", 5, 1076, P::kHeel,
                    kEveryType & ~TypeBit(kSemiGravity), kHeelWidthLabels),
               kNonNegative),
    WithDomain(Page("m_fHeelHeight", &W::m_fHeelHeight, "墙踵高度H2(m)", "m", 11, 1075, P::kHeel, kEveryType,
                    kHeelHeightLabels),
               kNonNegative),
    WithDomain(Page("m_fUnitWeight", &W::m_fUnitWeight, "墙体材料容重RW(kN/m3)", "kN/m3", 13, 1066,
                    P::kMaterials, kEveryType),
               kPositive),
    WithDomain(Page("m_fWallFriction", &W::m_fWallFriction, "墙背与填土之间的摩擦角δ(°)", "°", 8, 1072,
                    P::kMaterials, kEveryType),
               kWallFrictionAngle),
    WithDomain(Page("m_fBaseFriction", &W::m_fBaseFriction, "墙底与基土的摩擦系数μ：", "", 15, 1068,
                    P::kMaterials, kEveryType),
               kFrictionCoefficient),
    WithDomain(Page("m_fAllowCompress", &W::m_fAllowCompress, "墙身砌体允许压应力σ(kPa)：", "kPa", 7, 1060,
                    P::kMaterials, kMasonry),
               kPositive),
    WithDomain(Page("m_fAllowShear", &W::m_fAllowShear, "墙身砌体允许剪应力τ(kPa)：", "kPa", 14, 1079,
                    P::kMaterials, kMasonry),
               kPositive),

    Rebar("m_nConcreteGrade", &W::m_nConcreteGrade, "混凝土强度等级", "", 19, 10019,
          OneOf(kConcreteGradeIndices)),
    Rebar("m_nRebarGrade", &W::m_nRebarGrade, "钢筋级别", "", 18, 10024, OneOf(kRebarGradeIndices)),
    Rebar("m_fBarDiameter", &W::m_fBarDiameter, "裂缝计算钢筋等效直径(mm)", "mm", 17, 10025, kBarDiameter),
    Rebar("m_fCover", &W::m_fCover, "混凝土保护层厚度(mm)", "mm", 21, 10026, kCover),
    Rebar("m_fCrackLimit", &W::m_fCrackLimit, "裂缝控制宽度(mm)", "mm", 20, 10027, kCrackLimit),

    Soil("m_nSlopeSegs", &S::m_nSlopeSegs, "坡面线段数", "", 0, 6, 10008, P::kSoilPage, kEveryType,
         OneOf(kSegmentCounts)),
    WithDomain(SlopeColumn(kSlopeRun, "水平长度(m)", "m"), kPositive),
    SlopeColumn(kSlopeRise, "竖直长度(m)", "m"),
    SlopeColumn(kSlopeLength, "坡线长度(m)", "m", true),
    SlopeColumn(kSlopeAngle, "坡线仰角(度)", "°", true),
    WithDomain(Soil("m_fLoadOffset", &S::m_fLoadOffset, "面荷载距墙体右上方角点的水平距离(m)", "m",
                    kShortestForm, 2, 1073, P::kSoilPage, kEveryType),
               kNonNegative),
    WithDomain(Soil("m_fLoadWidth", &S::m_fLoadWidth, "面荷载分布宽度BQ(m)", "m", kShortestForm, 4, 1074,
                    P::kSoilPage, kEveryType),
               kNonNegative),
    WithDomain(Soil("m_fLoadPressure", &S::m_fLoadPressure, "面荷载BP(kPa)", "kPa", kShortestForm, 3, 1172,
                    P::kSoilPage, kEveryType),
               kNonNegative),
    Soil("m_nTheory", &S::m_nTheory, "土压力计算方法", "", 0, 5, 10012, P::kSoilPage, kTheoryTypes,
         OneOf(kTheories)),
    WithDomain(LayerColumn(kLayerUnitWeight, "重度(kN/m3)", "kN/m3"), kPositive),
    WithDomain(LayerColumn(kLayerCohesion, " 粘聚力 (kPa)", "kPa"), kNonNegative),
    WithDomain(LayerColumn(kLayerFriction, "内摩擦角(度)", "°"), kFrictionAngle),
    WithDomain(LayerColumn(kLayerThickness, "厚度(m)", "m"), kNonNegative),
    WithDomain(LayerColumn(kLayerSaturatedWeight, "饱和重度(kN/m3)", "kN/m3"), kNonNegative),

    // The shapes of the grids and of their header labels, as a case file carries them.
    Soil("m_nSlopeCols", &S::m_nSlopeCols, "", "", 0, 0, 0, P::kHidden, 0),
    Soil("m_nLayerCols", &S::m_nLayerCols, "", "", 0, 1, 0, P::kHidden, 0),
    Soil("m_nSlopeLabels", &S::m_nSlopeLabels, "", "", 0, 7, 0, P::kHidden, 0),
    Soil("m_nLayerLabels", &S::m_nLayerLabels, "", "", 0, 8, 0, P::kHidden, 0),
    Soil("m_nSlopeRows", &S::m_nSlopeRows, "", "", 0, 9, 0, P::kHidden, 0),
};

// Byte offset of a scalar member in its record, to list the fields in the record's order.
template <class Record, class M>
std::ptrdiff_t OffsetOf(M Record::*m) {
    static const Record r{};
    return reinterpret_cast<const char*>(&(r.*m)) - reinterpret_cast<const char*>(&r);
}

template <class Record>
std::vector<const CaseField*> ScalarsInRecordOrder() {
    std::vector<std::pair<std::ptrdiff_t, const CaseField*>> found;
    for (const CaseField& f : kFields) {
        std::visit(
            [&](auto m) {
                if constexpr (std::is_same_v<decltype(m), float Record::*> ||
                              std::is_same_v<decltype(m), int32_t Record::*>)
                    found.emplace_back(OffsetOf(m), &f);
            },
            f.member);
    }
    std::sort(found.begin(), found.end());
    std::vector<const CaseField*> out;
    for (const auto& p : found) out.push_back(p.second);
    return out;
}

}  // namespace

std::span<const CaseField> CaseFieldTable() {
    return kFields;
}

std::span<const CaseField* const> WallFieldsInRecordOrder() {
    static const std::vector<const CaseField*> fields = ScalarsInRecordOrder<CRetainingWall>();
    return fields;
}

std::span<const CaseField* const> SoilScalarsInRecordOrder() {
    static const std::vector<const CaseField*> fields = ScalarsInRecordOrder<CSoil>();
    return fields;
}

const CaseField* FindCaseField(std::string_view name, int column) {
    for (const CaseField& f : kFields)
        if (f.name == name && f.column == column) return &f;
    return nullptr;
}

const char* FieldLabel(const CaseField& f, int wallType) {
    for (const TypeLabel& t : f.typeLabels)
        if (t.wallType == wallType) return t.label;
    return f.label;
}

bool IsIntegerField(const CaseField& f) {
    return std::visit(
        [](auto m) {
            using M = decltype(m);
            return std::is_same_v<M, int32_t WallCase::*> || std::is_same_v<M, int32_t W::*> ||
                   std::is_same_v<M, int32_t S::*>;
        },
        f.member);
}

bool InDomain(const FieldDomain& d, double v) {
    if (!d.allowed.empty()) return std::find(d.allowed.begin(), d.allowed.end(), v) != d.allowed.end();
    if (std::isnan(v)) return d.lower.kind == BoundKind::kNone && d.upper.kind == BoundKind::kNone;
    switch (d.lower.kind) {
        case BoundKind::kNone:
            break;
        case BoundKind::kOpen:
            if (!(v > d.lower.value)) return false;
            break;
        case BoundKind::kClosed:
            if (!(v >= d.lower.value)) return false;
            break;
    }
    switch (d.upper.kind) {
        case BoundKind::kNone:
            break;
        case BoundKind::kOpen:
            return v < d.upper.value;
        case BoundKind::kClosed:
            return v <= d.upper.value;
    }
    return true;
}

TableShape ShapeOf(const CaseField& f) {
    if (std::holds_alternative<SlopeTable S::*>(f.member)) return {kSlopeRowsMax, kSlopeColumns};
    if (std::holds_alternative<LayerTable S::*>(f.member)) return {kLayerRowsMax, kLayerColumns};
    return {};
}

double FieldValue(const WallCase& c, const CaseField& f, int row) {
    return VisitField(c, f, row, [](auto& v) { return static_cast<double>(v); });
}

std::string FieldTitle(const CaseField& f, int wallType) {
    std::string label = FieldLabel(f, wallType);
    for (std::string_view end : {"：", ":"})
        if (label.size() >= end.size() && label.compare(label.size() - end.size(), end.size(), end) == 0)
            label.erase(label.size() - end.size());
    while (!label.empty() && label.front() == ' ') label.erase(0, 1);
    if (label.empty()) label = std::string(f.name);
    if (*f.unit && label.find('(') == std::string::npos) label += std::string("(") + f.unit + ")";
    return label;
}

std::string DomainFault(const CaseField& f, int wallType, double v) {
    // The title only where there is a fault: every analysis checks every field.
    if (!std::isfinite(v)) return Format("%s 应为有限的数，当前为 %g", FieldTitle(f, wallType).c_str(), v);
    if (!IsIntegerField(f) && std::fabs(v) > std::numeric_limits<float>::max())
        return Format("%s 超出单精度数的范围，当前为 %g", FieldTitle(f, wallType).c_str(), v);
    // Lists of allowed values are checked with their own messages (CheckCaseRanges).
    const FieldDomain& d = f.domain;
    if (!d.allowed.empty() || InDomain(d, v)) return {};
    const std::string title = FieldTitle(f, wallType);
    const char* relation = "";
    double bound = 0;
    if (d.lower.kind != BoundKind::kNone && !InDomain({d.lower, {}, {}}, v)) {
        relation = d.lower.kind == BoundKind::kOpen ? "应大于" : "应不小于";
        bound = d.lower.value;
    } else {
        relation = d.upper.kind == BoundKind::kOpen ? "应小于" : "应不大于";
        bound = d.upper.value;
    }
    return Format("%s %s %g，当前为 %g", title.c_str(), relation, bound, v);
}

std::string FieldValueText(const CaseField& f, double v) {
    return f.decimals == kShortestForm ? Format("%g", v) : Format("%.*f", f.decimals, v);
}

}  // namespace wall
