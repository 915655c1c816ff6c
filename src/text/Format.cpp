// printf-style formatting helpers.
#include "text/Format.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace wall {

std::string Format(const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), fmt, ap2);
        out.assign(buf.data(), static_cast<size_t>(n));
    }
    va_end(ap2);
    return out;
}

std::string Abridged(std::string_view text) {
    if (text.size() <= 40) return std::string(text);
    return std::string(text.substr(0, 20)) + "…" + std::string(text.substr(text.size() - 12));
}

std::string TwoDecimals(double v) {
    // to_chars rounds exactly as printf's "%.2f" does, without printf's cost (a case's analysis reads
    // every table value back through this) and whatever the C locale.
    char buffer[400];
    if (std::isfinite(v)) {
        const std::to_chars_result r =
            std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2);
        if (r.ec == std::errc()) return std::string(buffer, r.ptr);
    }
    return Format("%.2f", v);
}

}  // namespace wall
