// Setting the case's fields by their names, and the ranges a case must keep.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "case/FieldTable.h"
#include "case/WallCase.h"

namespace wall {

// Sets a field named as in `wallcalc set`: a name of the field table, or "m_afSlope[r][c]" or
// "m_afLayer[r][c]" for a table cell. Keeps the slope's derived columns and row count right; a new
// wall type brings that type's default wall and keeps the slope page. Returns
// an empty string on success, else the reason; the case is unchanged on failure.
std::string SetCaseField(WallCase& c, std::string_view name, std::string_view value);

// Why `set` takes no field of this name: none such, a cell outside its table, a derived column.
// Empty when the name can be set.
std::string FieldNameFault(std::string_view name);

// A field outside its physical range: the field's title (label and unit) and what is wrong.
struct DomainFinding {
    std::string field;
    std::string message;
};

// Every shown field of the case's wall type outside its range, the tables read as the slope page
// shows them (the slope rows in use, the first layer).
std::vector<DomainFinding> DomainFindings(const WallCase& c);

// Checks the ranges the analyses rely on (wall type, segment count, theory, grade indices). Returns
// an empty string when they hold, else what is wrong.
std::string CheckCaseRanges(const WallCase& c);

}  // namespace wall
