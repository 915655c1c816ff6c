// An equation field's code read as a formula: runs of text and fractions, for typesetting it.
#pragma once

#include <vector>

#include "report/Document.h"

namespace wall {

// A piece of a formula: a run of text of one format (symbols already as their Unicode
// characters), or a fraction of two formulas.
struct FormulaNode {
    TextRun run;  // when not a fraction
    bool fraction = false;
    std::vector<FormulaNode> numerator;
    std::vector<FormulaNode> denominator;
};

// The formula of a field: each \F(a,b), nested ones too, a fraction; the "EQ" that names the field
// and blanks at both ends of a formula or part left out; tabs and breaks as blanks.
std::vector<FormulaNode> ReadFormula(const Field& field);

}  // namespace wall
