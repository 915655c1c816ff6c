// The case's fields in one table: name, member, label, unit, decimals, file slot, control, domain.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "case/WallCase.h"

namespace wall {

using SlopeTable = float[kSlopeRowsMax][kSlopeColumns];
using LayerTable = float[kLayerRowsMax][kLayerColumns];

// Where a field is stored: the wall type, a member of the wall or soil record, or (with the field's
// column) a column of one of the soil tables.
using FieldMember = std::variant<int32_t WallCase::*, float CRetainingWall::*, int32_t CRetainingWall::*,
                                 float CSoil::*, int32_t CSoil::*, SlopeTable CSoil::*, LayerTable CSoil::*>;

// One end of a field's physical range.
enum class BoundKind : uint8_t { kNone, kOpen, kClosed };
struct Bound {
    BoundKind kind = BoundKind::kNone;
    double value = 0;
};

// The values a field takes: those between its bounds, or, when `allowed` is not empty, only those.
struct FieldDomain {
    Bound lower;
    Bound upper;
    std::span<const int32_t> allowed;
};

// Where the dialog shows a field.
enum class FieldPlace : uint8_t {
    kHidden,    // bookkeeping of the slope page's grids
    kTypeList,  // the main dialog's list of wall types
    kOverall,   // the four groups of a wall-type page, top to bottom
    kToe,
    kHeel,
    kMaterials,
    kRebarDialog,  // "配筋计算参数", opened from the reinforced-concrete pages
    kSoilPage,     // the edits and lists of "坡体信息"
    kSlopeGrid,    // a column of the slope grid
    kLayerGrid,    // a column of the soil-layer grid
};

// The label a wall type's page shows instead of the field's usual one.
struct TypeLabel {
    int32_t wallType;
    const char* label;
};

// Decimals of a field the dialog shows in the shortest form of the float ("%g").
constexpr int kShortestForm = -1;

// A set of wall types, bit t for type t.
constexpr uint8_t TypeBit(int wallType) {
    return static_cast<uint8_t>(1u << wallType);
}
constexpr uint8_t kEveryType = 0x1F;

struct CaseField {
    std::string_view name;  // as `wallcalc set` takes it; a table column's cells are name[r][column]
    FieldMember member;
    int column;                             // the table column; -1 for a scalar
    const char* label;                      // as the dialog shows it; "" when the dialog does not
    std::span<const TypeLabel> typeLabels;  // other labels on some types' pages
    const char* unit;                       // "" for ratios, coefficients, counts and list indices
    int decimals;                           // digits after the point the dialog shows, or kShortestForm
    int fileSlot;                           // four-byte item of the case file; a column's cell in row 0
    int control;                            // dialog control id; a grid column's grid; 0 for none
    FieldPlace place;
    uint8_t types;  // the wall types whose dialog shows the field (TypeBit); the wall pages differ
    bool derived;   // computed from other fields, so it cannot be set
    FieldDomain domain;
};

// Every field, in the order the dialog shows them: wall type, wall-type pages, reinforcement
// dialog, slope page, then the fields the dialog keeps to itself.
std::span<const CaseField> CaseFieldTable();

// The scalar fields of a record in the record's own order (the order of `show`).
std::span<const CaseField* const> WallFieldsInRecordOrder();
std::span<const CaseField* const> SoilScalarsInRecordOrder();

// The field of that name (and column, for a table); nullptr when there is none.
const CaseField* FindCaseField(std::string_view name, int column = -1);

// The field a member (and column, for a table) stores; every member of the records has one.
template <class Member>
const CaseField& FieldOf(Member member, int column = -1) {
    for (const CaseField& f : CaseFieldTable()) {
        const Member* m = std::get_if<Member>(&f.member);
        if (m && *m == member && f.column == column) return f;
    }
    throw std::logic_error("the field table lacks a member");
}

// The label the dialog shows for the field on a type's page.
const char* FieldLabel(const CaseField& f, int wallType);
// True when the type's dialog shows the field.
inline bool ShownForType(const CaseField& f, int wallType) {
    return wallType >= 0 && wallType < kWallTypeCount && (f.types & TypeBit(wallType)) != 0;
}

bool IsIntegerField(const CaseField& f);
bool InDomain(const FieldDomain& d, double v);

// Rows and columns of a table column's table; 1 by 1 for a scalar.
struct TableShape {
    int rows = 1;
    int columns = 1;
};
TableShape ShapeOf(const CaseField& f);

// Calls fn with the field's storage in `c` (row `row` of a table column; `column` overrides the
// field's column, for table columns the table has no field for): float& or int32_t&.
template <class Case, class Fn>
decltype(auto) VisitField(Case& c, const CaseField& f, int row, Fn&& fn, int column = -1) {
    static_assert(std::is_same_v<std::remove_const_t<Case>, WallCase>);
    return std::visit(
        [&](auto m) -> decltype(auto) {
            using M = decltype(m);
            if constexpr (std::is_same_v<M, int32_t WallCase::*>)
                return fn(c.*m);
            else if constexpr (std::is_same_v<M, float CRetainingWall::*> ||
                               std::is_same_v<M, int32_t CRetainingWall::*>)
                return fn(c.wall.*m);
            else if constexpr (std::is_same_v<M, float CSoil::*> || std::is_same_v<M, int32_t CSoil::*>)
                return fn(c.soil.*m);
            else {
                const int col = column >= 0 ? column : f.column;
                if (col < 0) throw std::logic_error("a table cell needs its column");
                return fn((c.soil.*m)[row][col]);
            }
        },
        f.member);
}

double FieldValue(const WallCase& c, const CaseField& f, int row = 0);

// The field's label on the type's page without a trailing colon, with its unit when the label
// lacks one: what a message names the field by.
std::string FieldTitle(const CaseField& f, int wallType);

// Why `v` cannot stand in the field (not finite, beyond a float, outside the physical range), as
// "墙趾宽度B1(m) 应不小于 0，当前为 -3"; empty when it can. Lists of allowed integers are left to
// CheckCaseRanges.
std::string DomainFault(const CaseField& f, int wallType, double v);

// A value as the dialog shows the field: with its decimals, or in the shortest form.
std::string FieldValueText(const CaseField& f, double v);

}  // namespace wall
