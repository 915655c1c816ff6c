// The check every calculation of the command line runs first.
#include "Commands.h"
#include "analysis/ValidateCase.h"

namespace wallcalc {

void RequireValidCase(const wall::WallCase& c) {
    std::vector<wall::Finding> findings = wall::ValidateCase(c);
    if (findings.empty()) return;
    std::string message = "无法计算：";
    for (const wall::Finding& f : findings) message += "\n  " + f.field + "：" + f.message;
    throw CommandError{message};
}

}  // namespace wallcalc
