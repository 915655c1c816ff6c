// Setting the case's fields by their names, and the ranges a case must keep.
#pragma once

#include <string>
#include <string_view>

#include "case/FieldTable.h"
#include "case/WallCase.h"

namespace wall {

// Sets a field named as in `wallcalc set`: a name of the field table, or "m_afSlope[r][c]" or
// "m_afLayer[r][c]" for a table cell. Keeps the slope's derived columns and row count right; a new
// wall type brings that type's default wall and keeps the slope page. Returns
// an empty string on success, else the reason; the case is unchanged on failure.
std::string SetCaseField(WallCase& c, std::string_view name, std::string_view value);

// Checks the ranges the analyses rely on (wall type, segment count, theory, grade indices). Returns
// an empty string when they hold, else what is wrong.
std::string CheckCaseRanges(const WallCase& c);

}  // namespace wall
