// The text case format (*.wall.json): both records by their field names, the format's name and
// version, and the inputs the binary file has no room for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "case/JsonValue.h"
#include "case/WallCase.h"

namespace wall {

constexpr const char* kCaseFormatName = "wallcalc-case";
constexpr int kCaseFormatVersion = 1;

// The case as a JSON object: format, version, wallType, wall, soil (with the whole slope and layer
// tables), checks and foundation.
Json CaseToJson(const WallCase& c);

// The same, indented, with a final line feed: what a .wall.json file holds.
std::string CaseToJsonText(const WallCase& c);

// Reads a case from JSON text. Keys left out take the wall type's defaults; unknown keys, wrong
// types, values beyond a float and unknown list entries (wall type, grades) are refused, naming the
// field. A number outside its field's physical range is read as it is (DomainFindings names it).
// Returns the reason, or an empty string with `out` replaced.
std::string CaseFromJsonText(std::string_view text, WallCase& out);
std::string CaseFromJson(const Json& j, WallCase& out);

// The fields and table cells that hold no finite number, or a subnormal one (a binary file from
// elsewhere may): the text format writes them as 0.
std::vector<std::string> UnwritableValues(const WallCase& c);

// Whether the case holds inputs that only the text format keeps.
bool HasTextOnlyInputs(const WallCase& c);

// Whether bytes look like the text format: the first character that is not white space is "{".
bool LooksLikeJson(std::string_view bytes);

}  // namespace wall
