// The check and analysis every calculation of the command line runs first.
#include "Commands.h"

namespace wallcalc {

wall::CaseAnalysis RequireAnalysis(const wall::WallCase& c, wall::KernelBlock& kb) {
    wall::CaseAnalysis a;
    if (std::string refusal = wall::CalculateCase(c, kb, a); !refusal.empty()) throw CommandError{refusal};
    return a;
}

}  // namespace wallcalc
