// UTF-8 helpers: encoding a character or a UTF-16 text, and cleaning texts for the documents.
#pragma once

#include <string>
#include <string_view>

namespace wall {

void AppendUtf8(std::string& out, char32_t c);

// The character of the UTF-8 text at `i`, moving `i` past it. For texts already cleaned: bytes
// that are no character are read leniently, never past the end.
char32_t DecodeUtf8At(std::string_view s, std::size_t& i);
std::u32string Utf8ToUtf32(std::string_view s);

// UTF-16 (surrogate pairs joined; a lone surrogate becomes U+FFFD) to UTF-8.
std::string Utf16ToUtf8(std::u16string_view s);

// The text with invalid UTF-8 replaced by U+FFFD and control characters other than tab, line
// feed, carriage return and vertical tab removed, so that any text can go into the document.
std::string CleanUtf8(std::string_view text);

}  // namespace wall
