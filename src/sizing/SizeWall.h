// Sizing a wall: the values of some dimensions, on a grid, that give the least cross-section for which
// every check passes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Verdict.h"
#include "case/FieldTable.h"
#include "case/WallCase.h"

namespace wall {

// The least value of a dimension a wall can be built with, whatever its checks say, and the code
// that asks it. The search never goes below it unless told to (`wallcalc size --min`).
struct ConstructiveMinimum {
    std::string_view field;  // the case field, as `--vary` names it
    double value = 0;        // m
    std::string_view basis;  // the code that asks it, as the output cites it
};

// The constructive minimums of a wall type's dimensions. The masonry walls (gravity, semi-gravity,
// shelf; checked with the masonry's allowable stresses) keep a top width of 0.5 m; the
// reinforced-concrete walls a stem top of 0.2 m and base slabs (toe and heel) 0.3 m thick.
std::span<const ConstructiveMinimum> ConstructiveMinimums(int wallType);

// A field's constructive minimum for the wall type, or none.
const ConstructiveMinimum* FindConstructiveMinimum(int wallType, std::string_view field);

// One dimension the search varies, between its bounds (both on the grid's steps from 0).
struct VariedField {
    const CaseField* field = nullptr;
    double min = 0;
    double max = 0;
    // The field's constructive minimum, when it has one; `min` is not below it unless set so.
    const ConstructiveMinimum* constructive = nullptr;
};

struct SizeRequest {
    std::vector<VariedField> fields;
    double step = 0.05;
};

struct SizeOutcome {
    bool found = false;
    WallCase sized;                    // the base case with the chosen values, when found
    std::vector<double> values;        // of the varied fields, in the request's order
    double area = 0;                   // m² per metre
    std::vector<CheckVerdict> checks;  // of the sized case; when nothing passed, of the largest candidate
    std::optional<CheckVerdict> governing;  // the passing check with the least margin
    std::string refusal;                    // the largest candidate's refusal, when it was refused
    long candidates = 0;                    // grid points within the bounds and the fields' ranges
    long analysed = 0;                      // of them, analysed in full
};

// The fields varied by default: the top width of masonry walls (batters kept), with the platform
// width B2 for a shelf wall; the toe and heel widths B1, B2 of reinforced-concrete walls.
std::vector<std::string_view> DefaultVariedFieldNames(int wallType);

// Whether sizing may vary the field: a width or thickness of the wall (not its height, the loads, the
// soil or the materials).
bool IsSizeableField(std::string_view name);

// A field's default bounds for the case: from the smallest value on the grid that its range and its
// constructive minimum allow (one step when zero is not allowed) to the wall height, or the current
// value, or that least value, when larger. A current value below the minimum is not kept: the search
// starts from the minimum.
VariedField DefaultBounds(const WallCase& c, const CaseField& f, double step);

// Whether the search may start below the field's constructive minimum (`--min` set lower).
inline bool BelowConstructive(const VariedField& v) {
    return v.constructive && v.min < v.constructive->value - 1e-9;
}

// The constructive minimums of the case's wall type that a dimension the request does not vary falls
// short of: the search keeps such a dimension as it is.
std::vector<ConstructiveMinimum> UnmetMinimums(const WallCase& c, const SizeRequest& request);

// The most grid points a search takes: beyond it the step is too fine or the bounds too wide.
constexpr double kMaxGridPoints = 2e6;

// The number of grid points within the bounds (0 when a lower bound lies above its upper bound).
double GridPoints(const SizeRequest& request);

// Searches the whole grid in order of increasing area, analysing each candidate in full, and stops
// at the first that passes every check: no grid point of smaller area passes. Ties in area go to the
// smaller values, in the fields' order. A grid of more than kMaxGridPoints points is not searched:
// `refusal` says so.
SizeOutcome SizeWall(const WallCase& base, const SizeRequest& request);

}  // namespace wall
