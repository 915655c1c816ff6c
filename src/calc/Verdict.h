// The checks of a calculated case, each with its computed and required value and its verdict.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/CaseResult.h"

namespace wall {

// One check: `value` against `required` by `relation` ("≥", "≤" or "<").
struct CheckVerdict {
    std::string name;    // stable key: "overturning", "sliding", "foundation", "compression", "shear",
                         // "section.<name>"
    std::string title;   // as a person reads it: "抗倾覆稳定" ...
    std::string symbol;  // the quantity checked: "Kq", "Kh", "e0", "σmax", "τ1", "ωmax"
    double value = 0;
    const char* relation = "≥";
    double required = 0;
    bool pass = false;
    bool warning = false;   // passes, but the reader should look: a masonry section in tension
    double area = 0;        // a reinforced section's As provided, mm²
    std::string bars = {};  // and its bars, "Φ14@125"
    std::string note = {};  // when set, `value` is not defined and this says why the check came out as it did
};

// A designed section's title as the report's headings place it ("stem" is "立板底截面").
std::string SectionTitle(std::string_view name);

// Every check of an accepted case in report order: overturning, sliding and the resultant's place on
// the base, the wall-body section of masonry walls (with a warning where it is in tension), and each
// designed section of a reinforced-concrete wall against the crack limit (a section that could not
// be designed or reinforced within the limit fails), then the seismic combination's checks under their own
// names ("seismicOverturning", "seismicSliding", "seismicEccentricity", "seismicBearing", …, and "seismic"
// failing where the seismic analysis could not be made).
std::vector<CheckVerdict> CaseChecks(const CaseResult& r);

// The checks the case gave no input for, with the reason in `note`: the bearing capacity when no fa
// is given. They neither pass nor fail.
std::vector<CheckVerdict> NotChecked(const CaseResult& r);

}  // namespace wall
