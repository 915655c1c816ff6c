// An equation field's code as characters, and the \F(a,b) fractions among them: what both the
// Office Math writer and the formula reader of the PDF read.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/Document.h"

namespace wall {

// One character of the code with its format. A symbol's character is its Unicode equivalent; one
// without a known equivalent keeps its private-use code and names its font.
struct FormulaAtom {
    std::string ch;  // one UTF-8 character; tabs and breaks as blanks
    std::string font;
    CharFormat format;
    bool isText = true;  // typed text, not a symbol: only text makes up \F, brackets and commas
    bool Is(char c) const { return isText && ch.size() == 1 && ch[0] == c; }
    bool IsLetter(char upper) const { return Is(upper) || Is(static_cast<char>(upper - 'A' + 'a')); }
};

std::vector<FormulaAtom> FormulaAtoms(const std::vector<CodeRun>& code);

// The first atom at or after `b` (before `e`) that is not a blank.
std::size_t SkipBlanks(const std::vector<FormulaAtom>& atoms, std::size_t b, std::size_t e);

// Where the formula starts: after the blanks and the EQ keyword that names the field.
std::size_t FormulaStart(const std::vector<FormulaAtom>& atoms);

// Whether a fraction \F(num,den) starts at `i` and ends before `e`: its "(", top-level "," and ")".
bool FractionAt(const std::vector<FormulaAtom>& atoms, std::size_t i, std::size_t e, std::size_t& open,
                std::size_t& comma, std::size_t& close);

}  // namespace wall
