// The calculation every command that reports or draws results runs first.
#include "Commands.h"
#include "calc/CalculateCase.h"

namespace wallcalc {

wall::CaseResult RequireResult(const wall::WallCase& c) {
    wall::CaseResult r = wall::CalculateCase(c);
    if (!r.Accepted()) throw CommandError{wall::RefusalText(r)};
    return r;
}

}  // namespace wallcalc
