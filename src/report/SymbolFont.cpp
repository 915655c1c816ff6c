// The Symbol font's character map (Adobe Symbol encoding) as Unicode.
#include "report/SymbolFont.h"

#include <array>
#include <cctype>
#include <string>

namespace wall {
namespace {

// Characters 32..126, then 160..254; 0 marks a position without a character.
constexpr std::u32string_view kLow =
    U" !∀#∃%&∋()∗+,−./0123456789:;<=>?"
    U"≅ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ[∴]⊥_"
    U"‾αβχδεφγηιϕκλμνοπθρστυϖωξψζ{|}∼";
constexpr std::u32string_view kHigh =
    U"€ϒ′≤⁄∞ƒ♣♦♥♠↔←↑→↓°±″≥×∝∂•÷≠≡≈…⏐⎯↵"
    U"ℵℑℜ℘⊗⊕∅∩∪⊃⊇⊄⊂⊆∈∉∠∇®©™∏√⋅¬∧∨⇔⇐⇑⇒⇓"
    U"◊〈®©™∑⎛⎜⎝⎡⎢⎣⎧⎨⎩⎪\u0000〉∫⌠⎮⌡⎞⎟⎠⎤⎥⎦⎫⎬⎭";

}  // namespace

char32_t SymbolToUnicode(int n) {
    if (n >= 32 && n <= 126) return kLow[static_cast<std::size_t>(n - 32)];
    if (n >= 160 && n <= 254) return kHigh[static_cast<std::size_t>(n - 160)];
    return 0;
}

char32_t StoredSymbolToUnicode(std::string_view font, char32_t code) {
    if (code < 0xF000 || code > 0xF0FF) return code;
    if (font == "Symbol" || font == "symbol" || font == "SYMBOL")
        return SymbolToUnicode(static_cast<int>(code - 0xF000));
    return 0;
}

bool IsSymbolFont(std::string_view font) {
    std::string lower;
    for (char c : font) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "symbol" || lower.starts_with("wingdings") || lower == "webdings" || lower == "mt extra";
}

}  // namespace wall
