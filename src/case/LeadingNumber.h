// Reading of a page text as the number it starts with.
#pragma once

#include <optional>
#include <string_view>

namespace wall {

// Leading blanks skipped, then the longest prefix that reads as a decimal number with optional
// sign, fraction and exponent; the rest is ignored. No such prefix gives 0 ("1.5m" -> 1.5, "abc" -> 0).
double LeadingNumber(std::string_view text);

// A text that is a decimal number and nothing else, blanks around it allowed.
std::optional<double> StrictNumber(std::string_view text);

// Whether a number's text has a non-zero digit before its exponent: "0.0005e-400" does, though it
// reads as 0.
bool WrittenNonZero(std::string_view number);

// A text that is a number and nothing else, blanks around it allowed; a zero must start with the
// digit 0 (".0" is refused). The dialogs answer a refusal with "请键入一个数。".
std::optional<double> WholeNumber(std::string_view text);

}  // namespace wall
