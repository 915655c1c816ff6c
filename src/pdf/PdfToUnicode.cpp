// Qt writes a font's ToUnicode map by taking, for each glyph, the first character that maps to
// it. The CJK fonts draw a radical and its ideograph with one glyph, and the radicals come first,
// so "土" would be extracted and searched as "⼟"; the tab shares the space's glyph. The maps are
// rewritten in place, each code replaced by one of equal length, so no offset moves.
#include "pdf/PdfToUnicode.h"

#include <cstdio>

namespace wall::pdf {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Rewrites the destination codes of one map, [begin, end) of `pdf`. Destinations are the codes
// inside "[...]" arrays and the third code of a one-glyph range "<a> <a> <dest>"; a range of
// several glyphs counting up from one destination is left as it is.
void FixMap(std::string& pdf, std::size_t begin, std::size_t end, const CharacterMap& replacements) {
    std::size_t i = begin;
    auto readCode = [&](std::size_t at, int& value) {
        if (at + 6 > end || pdf[at] != '<' || pdf[at + 5] != '>') return false;
        value = 0;
        for (int k = 1; k <= 4; ++k) {
            const int h = HexValue(pdf[at + static_cast<std::size_t>(k)]);
            if (h < 0) return false;
            value = value * 16 + h;
        }
        return true;
    };
    auto replace = [&](std::size_t at, int value) {
        const auto r = value == 0x0009 ? replacements.end() : replacements.find(static_cast<char16_t>(value));
        if (value == 0x0009 || r != replacements.end()) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%04X>",
                          value == 0x0009 ? 0x20u : static_cast<unsigned>(r->second));
            pdf.replace(at, 6, hex);
        }
    };
    while (i < end) {
        const std::size_t line = pdf.find('\n', i);
        const std::size_t lineEnd = line == std::string::npos || line > end ? end : line;
        int a = 0, b = 0, dest = 0;
        if (readCode(i, a) && i + 13 <= lineEnd && readCode(i + 7, b)) {
            if (pdf[i + 14] == '[') {
                for (std::size_t k = i + 15; k + 6 <= lineEnd; k += 7)
                    if (readCode(k, dest)) replace(k, dest);
            } else if (a == b && readCode(i + 14, dest)) {
                replace(i + 14, dest);
            }
        }
        i = lineEnd + 1;
    }
}

}  // namespace

void FixToUnicodeMaps(std::string& pdf, const CharacterMap& replacements) {
    for (std::size_t at = pdf.find("beginbfrange"); at != std::string::npos;
         at = pdf.find("beginbfrange", at)) {
        const std::size_t end = pdf.find("endbfrange", at), line = pdf.find('\n', at);
        if (end == std::string::npos || line == std::string::npos) return;
        FixMap(pdf, line + 1, end, replacements);
        at = end;
    }
}

}  // namespace wall::pdf
