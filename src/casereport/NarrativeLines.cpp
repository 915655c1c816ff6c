// Formatting of values the report compares with a limit.
#include "casereport/NarrativeLines.h"

#include <cmath>

namespace wall {

std::string Compared(float value, double limit) {
    const double v = value;
    if (v != 0 && std::fabs(v) < 0.005) return Format("%.3g", v);
    for (int decimals = 2; decimals < 6; ++decimals) {
        const std::string shown = Format("%.*f", decimals, v);
        if (shown != Format("%.*f", decimals, limit)) return shown;
    }
    return Format("%.6f", v);
}

}  // namespace wall
