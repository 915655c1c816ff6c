// Fuzzes the calculation: a default case whose fields take values from the input. An accepted case
// has only finite results and verdicts that agree with their factors; anything else is refused
// with a reason.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "calc/CalculateCase.h"
#include "calc/FiniteResults.h"
#include "case/CaseDefaults.h"
#include "case/FieldTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    wall::WallCase c = wall::DefaultCase(data[0] % wall::kWallTypeCount);
    c.soil.m_nTheory = data[1] & 1;
    size_t at = 2;
    // Each field in table order takes the next four bytes as a float, while they last.
    for (const wall::CaseField& f : wall::CaseFieldTable()) {
        if (f.derived || f.place == wall::FieldPlace::kHidden || !f.domain.allowed.empty()) continue;
        if (at + 4 > size) break;
        float v;
        std::memcpy(&v, data + at, 4);
        at += 4;
        wall::VisitField(c, f, 0, [v](auto& x) { x = static_cast<std::remove_reference_t<decltype(x)>>(v); });
    }
    wall::UpdateSlopeDerived(c.soil);

    const wall::CaseResult r = wall::CalculateCase(c);
    if (!r.Accepted()) {
        if (wall::RefusalText(r).empty()) std::abort();
        return 0;
    }
    if (!wall::NonFiniteResult(r).empty()) std::abort();
    const wall::StabilityResult& s = r.gravity      ? r.gravity->stability
                                     : r.shelf      ? r.shelf->stability
                                     : r.cantilever ? r.cantilever->back.stability
                                                    : r.counterfort->back.stability;
    if (s.overturningOk != (s.noOverturningTendency || s.Kq >= 1.6f - 1e-5f)) std::abort();
    if (s.slidingOk != (s.noSlidingTendency || s.Kh >= 1.3f - 1e-5f)) std::abort();
    // No negative factor, and base pressures only under a resultant within the base.
    if (s.Kq < 0 || s.Kh < 0 || s.foundationOk == s.resultantOutsideBase) std::abort();
    if (s.foundationOk && s.sigmaMin < 0) std::abort();
    return 0;
}
