// Access to the case's fields by their record names, for the command line and JSON.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "case/WallCase.h"

namespace wall {

// One wall field: its record name and member.
struct WallField {
    std::string_view name;
    std::variant<float CRetainingWall::*, int32_t CRetainingWall::*> member;
};

// One scalar of the soil record.
struct SoilField {
    std::string_view name;
    std::variant<float CSoil::*, int32_t CSoil::*> member;
};

// The 22 wall fields in the record's own order.
std::span<const WallField> WallFieldsInRecordOrder();
// The 22 wall fields in the order the case file stores them from offset 2848.
std::span<const WallField> WallFieldsInFileOrder();
// The 10 soil scalars in record (and file) order.
std::span<const SoilField> SoilScalarFields();

double GetWallField(const CRetainingWall& w, const WallField& f);
double GetSoilField(const CSoil& s, const SoilField& f);

// Sets a field named as in `wallcalc set`: "wallType", a wall or soil field name, "m_afSlope[r][c]"
// or "m_afLayer[r][c]". Keeps the slope's derived columns and row count right. Returns an empty
// string on success, else the reason; the case is unchanged on failure.
std::string SetCaseField(WallCase& c, std::string_view name, std::string_view value);

// Checks the ranges the analyses rely on (wall type, segment count, grade indices). Returns an
// empty string when they hold, else what is wrong.
std::string CheckCaseRanges(const WallCase& c);

}  // namespace wall
