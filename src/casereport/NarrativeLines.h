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

}  // namespace wall
