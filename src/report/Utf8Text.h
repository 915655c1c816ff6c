// UTF-8 helpers of the report: encoding a character and cleaning texts for the document.
#pragma once

#include <string>
#include <string_view>

namespace wall {

void AppendUtf8(std::string& out, char32_t c);

// The text with invalid UTF-8 replaced by U+FFFD and control characters other than tab, line
// feed, carriage return and vertical tab removed, so that any text can go into the document.
std::string CleanUtf8(std::string_view text);

}  // namespace wall
