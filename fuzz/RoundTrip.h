// What every fuzz target asks of a case a reader accepted: its text reads back to the same case and
// the same text, and a value outside its field's range is one the calculation refuses.
#pragma once

#include <cstdlib>
#include <string>

#include "analysis/ValidateCase.h"
#include "case/CaseFields.h"
#include "case/CaseJson.h"

namespace wall {

inline void AbortUnlessSound(const WallCase& c) {
    const std::string written = CaseToJsonText(c);
    WallCase again;
    if (!CaseFromJsonText(written, again).empty()) std::abort();
    if (CaseToJsonText(again) != written) std::abort();
    if (!DomainFindings(c).empty() && ValidateCase(c).empty()) std::abort();
}

}  // namespace wall
