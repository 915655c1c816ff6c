// Characters of the "Symbol" font and their Unicode equivalents, for plain text and font checks.
#pragma once

#include <string_view>

namespace wall {

// The Unicode character the Symbol font shows for character number 0..255 (0 when it shows none).
char32_t SymbolToUnicode(int characterNumber);

// The Unicode character of a stored symbol: for a private-use code F000 + n of "Symbol" the
// character it shows, for any other symbol font's private-use code 0 (no known character), and
// any other code as it is.
char32_t StoredSymbolToUnicode(std::string_view font, char32_t code);

// Fonts whose characters are addressed by number 0..255 (stored as F000 + number).
bool IsSymbolFont(std::string_view font);

}  // namespace wall
