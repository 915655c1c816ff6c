// The report's formula markup: normalisation, the keyword parser and the plain-text strip for the echo.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wall {

// Rewrites operator characters into symbol keywords and the caller keywords into the internal
// "WriteZelq..." keywords, in a fixed order: ">=" "<=" "△" "×" "*" "+-" "/" then the keywords.
void NormaliseMarkup(std::string& text);

// The text as the host echo shows it: the script keywords with their "(", "," and ")" removed
// ("WriteSubScript(σ,max)=" gives "σmax="); symbol keywords and operators stay as written.
// Works on the caller's text, before normalisation.
std::string StripMarkup(std::string_view text);

enum class MarkupKind {
    kText,        // plain text, typed as it is
    kSubScript1,  // italic base, upright subscript
    kSubScript,   // upright base, subscript
    kSupScript1,  // italic base, upright superscript
    kSupScript,   // upright base, superscript
    kSymbol,      // one symbol-font character
};

// One piece of a normalised text.
struct MarkupToken {
    MarkupKind kind = MarkupKind::kText;
    std::string text;                     // kText: the text
    bool hasNestedSymbol = false;         // script keywords: a symbol keyword led the argument list
    std::string nestedSymbol;             // its argument (the character number as written)
    std::string base;                     // script keywords: the part before the first ","
    std::string script;                   // the part after it; empty without a comma
    std::vector<std::string> symbolArgs;  // kSymbol: the comma-separated arguments
};

// Splits a normalised text into plain text and keywords. A "WriteZelq" that starts none of the five
// keywords, or a keyword without its "(", is kept as plain text; a missing ")" ends the argument list
// at the end of the text.
std::vector<MarkupToken> ParseMarkup(std::string_view normalised);

// The C library's decimal-integer reading of a markup argument: leading blanks, a sign, digits;
// 0 when there are none. Values beyond the int range are clamped.
int MarkupNumber(std::string_view arg);

}  // namespace wall
