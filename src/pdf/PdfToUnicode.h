// Correcting the character maps of the fonts in a PDF that Qt wrote.
#pragma once

#include <string>
#include <unordered_map>

namespace wall::pdf {

// Characters to put in the place of others: a radical's ideograph.
using CharacterMap = std::unordered_map<char16_t, char16_t>;

// In every ToUnicode map of `pdf`, replaces each character the map names (the radicals whose
// glyph an ideograph shares) and the tab (the space's glyph) by the space, without changing the
// file's length.
void FixToUnicodeMaps(std::string& pdf, const CharacterMap& replacements);

}  // namespace wall::pdf
