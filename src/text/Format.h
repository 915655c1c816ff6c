// printf-style formatting into std::string, as the report and the pages format numbers.
#pragma once

#include <string>
#include <string_view>

namespace wall {

// Formats like snprintf. Only for formats written in the program itself.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A value shown with two decimals, as the pages and tables show it ("%.2f").
std::string TwoDecimals(double v);

// A typed text quoted in a message: whole when short, else its start and end around "…" (a number
// of 400 digits).
std::string Abridged(std::string_view text);

}  // namespace wall
