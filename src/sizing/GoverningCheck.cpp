// Margins of the checks.
#include "sizing/GoverningCheck.h"

#include <cmath>
#include <string_view>

namespace wall {

std::optional<double> CheckMargin(const CheckVerdict& v) {
    if (v.warning || !v.note.empty() || !std::isfinite(v.value) || !(v.required > 0)) return std::nullopt;
    if (std::string_view(v.relation) == "≥") return v.value / v.required - 1;
    if (!(v.value > 0)) return std::nullopt;  // nothing to compare: a crack width of zero, say
    return v.required / v.value - 1;
}

std::optional<CheckVerdict> GoverningCheck(const std::vector<CheckVerdict>& checks) {
    std::optional<CheckVerdict> best;
    double least = 0;
    for (const CheckVerdict& v : checks) {
        const std::optional<double> m = CheckMargin(v);
        if (!v.pass || !m) continue;
        if (!best || *m < least) {
            best = v;
            least = *m;
        }
    }
    return best;
}

}  // namespace wall
