// Small helpers for the result lines every narrative writes.
#pragma once

#include <string>

#include "report/ReportWriter.h"
#include "text/Format.h"

namespace wall {

// A value of a 32-bit result formatted as the report prints it.
inline std::string F(const char* fmt, float v) {
    return Format(fmt, static_cast<double>(v));
}

// One result line in one writer call: a tab, the label, the formatted value and a line feed.
inline void ResultLine(ReportWriter& w, const std::string& label, const char* fmt, float v) {
    w.WriteText("\t" + label + F(fmt, v) + "\n");
}

// A heading line kept on the page of what follows it; `text` may start with a line feed that ends
// the paragraph before.
inline void Heading(ReportWriter& w, std::string_view text) {
    // The blank line before a heading stays with it too.
    if (text.starts_with('\n')) w.KeepWithNext();
    w.WriteText(text);
    w.KeepWithNext();
    w.WriteText("\n");
}

// The value printed beside a limit it is compared with: two decimals, or as many more as it takes
// for the two not to read the same; a value that is not zero but would print 0.00 gets three
// significant digits. So a printed comparison is never contradicted by its numbers.
std::string Compared(float value, double limit);

// Said where the cohesion made the soil's active thrust negative and it was taken as zero.
inline void ClippedThrustLine(ReportWriter& w, float computed) {
    w.WriteText(
        F("\t按粘聚力计算的填土主动土压力为%.2f kN/m，小于零；土体受拉不能推墙，取为零。\n", computed));
}

}  // namespace wall
